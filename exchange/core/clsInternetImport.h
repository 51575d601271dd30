#pragma once

#include <QString>
#include <QStringList>

// The parser of the online service's search answer: a count tag "<COUNT=n>"
// anywhere in the text, records separated by "<br>", fields of a record by
// "#" (film name, genre 1 to 3, country and year, age rating, running time,
// director, actors 1 to 5). Tags are found ignoring case.
class clsInternetImport {
public:
    static constexpr int kMaxRecords = 30000;
    // Records kept from an answer that carries no usable count.
    static constexpr int kRecordsWithoutCount = 30;

    // Replaces the records and the count by those of the answer. The count is
    // -1 when the answer has no usable count (then its first 30 records are
    // kept) or cannot be read whole (a tag without ">", a count beyond the
    // 32-bit range or above 30000 records).
    void SplitToLines(const QString& answer);
    // Field fieldNr (from 1) of record recordNr (from 1); "" for one the last
    // answer did not hold. Line breaks come out as blanks, so a field can go
    // into a list file as one line.
    QString GetMovie(int recordNr, int fieldNr) const;
    int GetCount() const { return m_count; }
    void Clear();

private:
    QStringList m_records;
    int m_count = 0;
};
