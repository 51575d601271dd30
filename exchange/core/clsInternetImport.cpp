#include "exchange/core/clsInternetImport.h"

#include "data/clsStringFunctions.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <algorithm>

namespace {

const QString kRecordSeparator = QStringLiteral("<br>");

// Records 1 to n of the answer; those beyond its last piece are empty.
QStringList records(const QString& answer, int n)
{
    QStringList out;
    out.reserve(n);
    qsizetype from = 0;
    while (out.size() < n && from >= 0) {
        const qsizetype at = answer.indexOf(kRecordSeparator, from, Qt::CaseInsensitive);
        out << answer.mid(from, at < 0 ? -1 : at - from);
        from = at < 0 ? -1 : at + kRecordSeparator.size();
    }
    while (out.size() < n)
        out << QString();
    return out;
}

} // namespace

void clsInternetImport::Clear()
{
    m_records.clear();
    m_count = 0;
}

void clsInternetImport::SplitToLines(const QString& answer)
{
    Clear();
    try {
        const QString countText = clsStringFunctions::GetElementFromText(answer, QStringLiteral("<COUNT="),
                                                                         QStringLiteral(">"), 8, 0, 1);
        const std::optional<double> count = Numbers::tryParse(countText);
        if (!count) {
            m_count = -1;
            m_records = records(answer, kRecordsWithoutCount);
            return;
        }
        m_count = Numbers::toInt32(*count);
        if (m_count > 0)
            m_records = records(answer, std::min(m_count, kMaxRecords));
        if (m_count > kMaxRecords)
            throw RuntimeError(ErrorKind::Capacity, QStringLiteral("more than %1 records").arg(kMaxRecords));
    } catch (const RuntimeError&) {
        // The records read so far stay; the answer counts as one without a count.
        m_count = -1;
    }
}

QString clsInternetImport::GetMovie(int recordNr, int fieldNr) const
{
    if (recordNr < 1 || recordNr > m_records.size() || fieldNr < 1)
        return QString();
    QString field = clsStringFunctions::GetStringPartBySeparator(m_records[recordNr - 1], fieldNr, QStringLiteral("#"));
    // Line breaks and every other control character would end up in the
    // title's fields (and from there in lists and web pages).
    for (QChar& c : field) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return field;
}
