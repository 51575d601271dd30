#pragma once

#include "exchange/core/Workbook.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

// The cells of a sheet part and the shared strings they point to, read
// whole. Malformed XML, a document type declaration, rows or cells out of
// order, a cell reference beyond the sheet limits, a shared string that is
// not there or a number that is none mark the workbook as damaged (XlsxXml).
class XlsxSheetReader {
public:
    // The cells that hold a value, by cell key (XlsxCellAddress).
    using Cells = QHash<quint64, WorkbookCell>;

    // where names the part in errors.
    static QStringList readSharedStrings(const QByteArray& data, const QString& where);
    static Cells readCells(const QByteArray& data, const QStringList& shared, const QString& where);

private:
    // The text of an <si> or <is> element: its <t> runs, without the phonetic
    // guides (<rPh>). The reader stands on the element's end afterwards.
    static QString richText(QXmlStreamReader& r, const QString& where);
};
