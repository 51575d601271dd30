#include "data/clsStringFunctions.h"

#include "platform/RuntimeError.h"

#include <cstdlib>

QString clsStringFunctions::GetStringPartBySeparator(const QString& text, int k, const QString& sep)
{
    if (k < 1 || sep.isEmpty())
        return text;
    QStringView rest(text);
    for (int i = 1; i <= k; ++i) {
        const qsizetype p = rest.indexOf(sep, 0, Qt::CaseInsensitive);
        if (p < 0)
            return i == k ? rest.toString() : QString();
        if (i == k)
            return rest.left(p).toString();
        rest = rest.mid(p + sep.size());
    }
    return QString();
}

QString clsStringFunctions::SetStringToLength(QString& text, int length, bool atFront, const QString& fill)
{
    if (fill.isEmpty())
        return text; // nothing could ever make it longer
    while (text.size() < length)
        text = atFront ? fill + text : text + fill;
    return text;
}

QString clsStringFunctions::SetCharIntoString(const QString& text, const QString& ch, int pos)
{
    if (pos >= 1 && pos < text.size())
        return text.left(pos - 1) + ch + text.mid(pos - 1);
    return text;
}

QString clsStringFunctions::PriceText(int hundredths)
{
    if (hundredths == 0)
        return QStringLiteral("0");
    const QString sign = hundredths < 0 ? QStringLiteral("-") : QString();
    QString digits = QString::number(std::abs(static_cast<qint64>(hundredths)));
    // Under ten hundredths the point still stands before two digits.
    SetStringToLength(digits, 2, true, QStringLiteral("0"));
    return sign + SetCharIntoString(digits, QStringLiteral("."), static_cast<int>(digits.size()) - 1);
}

bool clsStringFunctions::IsInString(const QString& text, const QString& find)
{
    return text.contains(find, Qt::CaseInsensitive);
}

QString clsStringFunctions::GetElementFromText(const QString& text, const QString& startMark, const QString& endMark,
                                               int skipFront, int skipEnd, int start)
{
    const int pos = GetElementPosInString(text, startMark, start);
    if (pos == 0)
        return QString();
    QString s = text.mid(pos - 1);
    const qsizetype end = s.indexOf(endMark, 0, Qt::CaseInsensitive);
    if (end < 0)
        throw RuntimeError(ErrorKind::Argument, QStringLiteral("'%1' does not follow '%2'").arg(endMark, startMark));
    s.truncate(end);
    if (skipFront > 0)
        s = s.mid(skipFront - 1);
    if (skipEnd > 0)
        s.chop(skipEnd);
    return s;
}

int clsStringFunctions::GetElementPosInString(const QString& text, const QString& find, int start)
{
    if (start < 1)
        start = 1;
    if (start > text.size() + 1)
        return 0;
    const qsizetype p = text.indexOf(find, start - 1, Qt::CaseInsensitive);
    return p < 0 ? 0 : static_cast<int>(p + 1);
}

QString clsStringFunctions::TrimFirstChars(const QString& text, int maxLen)
{
    if (text.size() <= maxLen)
        return text;
    return QStringLiteral("[...]") + text.right(qMax(0, maxLen - 4));
}

int clsStringFunctions::GetYearInString(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && !(text[i] >= u'0' && text[i] <= u'9'))
        ++i;
    if (i >= text.size())
        return 0;
    QString run;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        run += text[i++];
    if (run.isEmpty())
        return 0;
    if (run.startsWith(u'0'))
        run.prepend(QStringLiteral("20"));
    if (run.size() > 5)
        return 0; // beyond any 16-bit number
    const int year = run.toInt();
    if (year > 32767)
        return 0;
    return (year >= 1901 && year <= 2099) ? year : 0;
}
