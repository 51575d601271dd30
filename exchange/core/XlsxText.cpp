#include "exchange/core/XlsxText.h"

namespace {

bool isHex(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

// "_xHHHH_" at position i.
bool isEscapeAt(QStringView s, qsizetype i)
{
    return i + 6 < s.size() && s[i] == u'_' && s[i + 1] == u'x' && isHex(s[i + 2]) && isHex(s[i + 3]) &&
           isHex(s[i + 4]) && isHex(s[i + 5]) && s[i + 6] == u'_';
}

QString escapeCode(char16_t c)
{
    return QStringLiteral("_x") + QString::number(c, 16).toUpper().rightJustified(4, u'0') + u'_';
}

// Text as a workbook string, in pieces for put(QStringView).
template <typename Put>
void escapeText(QStringView s, Put&& put)
{
    qsizetype run = 0; // start of the piece that needs no escape
    auto replace = [&](qsizetype i, qsizetype length, QStringView by) {
        put(s.mid(run, i - run));
        put(by);
        run = i + length;
    };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0xD800 && u != u'<' && u != u'>' && u != u'&' && u != u'"' && u != u'_')
            continue;
        if (u == u'<') {
            replace(i, 1, u"&lt;");
        } else if (u == u'>') {
            replace(i, 1, u"&gt;");
        } else if (u == u'&') {
            replace(i, 1, u"&amp;");
        } else if (u == u'"') {
            replace(i, 1, u"&quot;"); // so that it serves attribute values too
        } else if (u == u'_' && isEscapeAt(s, i)) {
            replace(i, 1, escapeCode(u'_')); // a literal "_xHHHH_" must not read as an escape
        } else if ((u < 0x20 && u != u'\t' && u != u'\n') || u == 0xFFFE || u == 0xFFFF) {
            replace(i, 1, escapeCode(u));
        } else if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            replace(i, 1, u"\uFFFD");
        }
    }
    put(s.mid(run));
}

// UTF-8 of text whose surrogates come in pairs.
void appendUtf8Of(QByteArray& out, QStringView s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t u = s[i].unicode();
        if (u < 0x80) {
            out += static_cast<char>(u);
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            u = QChar::surrogateToUcs4(static_cast<char16_t>(u), s[++i].unicode());
        else if (QChar::isSurrogate(u))
            u = 0xFFFD;
        if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
        } else if (u < 0x10000) {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (u >> 18));
            out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        }
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

} // namespace

QString XlsxText::decode(const QString& s)
{
    if (!s.contains(QLatin1String("_x")))
        return s;
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size();) {
        if (isEscapeAt(s, i)) {
            out += QChar(static_cast<char16_t>(s.mid(i + 2, 4).toUShort(nullptr, 16)));
            i += 7;
        } else {
            out += s[i++];
        }
    }
    return out;
}

void XlsxText::append(QString& out, QStringView s)
{
    escapeText(s, [&](QStringView piece) { out += piece; });
}

void XlsxText::appendUtf8(QByteArray& out, QStringView s)
{
    escapeText(s, [&](QStringView piece) { appendUtf8Of(out, piece); });
}
