#pragma once

#include "exchange/core/Workbook.h"
#include "exchange/core/XlsxByteScanner.h"
#include "exchange/core/XlsxSheetChanges.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

// The sheet with the changes merged in, by bytes: whatever the merge does not
// change is copied as it stands, and only the replaced cells are written.
// Where the scan cannot be sure of the sheet it gives up (nullopt) and the
// XML reader's merge decides.
class XlsxByteMerge {
public:
    XlsxByteMerge(const QByteArray& sheet, const XlsxSheetChanges& changes);

    // formulasReplaced tells whether a replaced or emptied cell held a formula.
    std::optional<QByteArray> run(bool& formulasReplaced);

private:
    using Tag = XlsxByteScanner::Tag;
    using Attribute = XlsxByteScanner::Attribute;
    static constexpr int kMaxRows = Workbook::kMaxRows;
    static constexpr int kMaxColumns = Workbook::kMaxColumns;

    struct ColumnStyle {
        int first, last;
        QByteArrayView style;
    };

    // Bytes from the last copy up to p go out as they stand.
    void flush(const char* p);
    // Through the end of the element that t starts; m_passedTo is after it.
    bool passElement(const Tag& t);
    bool rewriteDimension(const Tag& t);
    bool addColumnStyle(const Tag& t);
    // A new cell takes the format of its row, else of its column, as a typed one would.
    QByteArrayView styleFor(QByteArrayView rowStyle, int column) const;
    void appendRowNumber(int row);
    void closeTag(QByteArrayView name);
    void writeCell(int row, int column, const QString& text, QByteArrayView style);
    // Written cells of row before the given column.
    void writeCellsBefore(int row, int column, QByteArrayView rowStyle);
    void writeRowsBefore(int row);

    const QByteArray& m_data;
    const XlsxSheetChanges& m_changes;
    XlsxSheetChanges::Cells::const_iterator m_it;
    const XlsxSheetChanges::Cells::const_iterator m_end;
    XlsxByteScanner* m_scan = nullptr;
    QByteArray m_out;
    const char* m_pending = nullptr;
    const char* m_passedTo = nullptr;
    QByteArrayView m_prefix;
    std::vector<ColumnStyle> m_columnStyles;
    std::vector<QByteArrayView> m_inner;
};
