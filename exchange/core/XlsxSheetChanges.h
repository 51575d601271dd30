#pragma once

#include "exchange/core/Workbook.h"

#include <QString>
#include <map>

// What a save writes into a sheet: the written cells, and the rows from one
// row down whose first columns lose their values.
class XlsxSheetChanges {
public:
    // Written texts by cell key (XlsxCellAddress): by row, then column.
    using Cells = std::map<quint64, QString>;

    void setText(int row, int column, const QString& text);
    void clearRowsFrom(int firstRow, int lastColumn);

    bool isEmpty() const { return m_written.empty() && m_clearedColumns == 0; }
    const Cells& written() const { return m_written; }
    int writtenMinColumn() const { return m_writtenMinColumn; }
    int writtenMaxColumn() const { return m_writtenMaxColumn; }
    int clearedColumns() const { return m_clearedColumns; }
    // Whether the row lies in the emptied rows.
    bool clears(int row) const { return m_clearedColumns > 0 && row >= m_clearedFrom; }

private:
    Cells m_written;
    int m_writtenMinColumn = Workbook::kMaxColumns;
    int m_writtenMaxColumn = 0;
    // Cells of columns 1 to m_clearedColumns from row m_clearedFrom down lose their values.
    int m_clearedFrom = 0;
    int m_clearedColumns = 0;
};
