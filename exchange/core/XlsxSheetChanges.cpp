#include "exchange/core/XlsxSheetChanges.h"

#include "exchange/core/XlsxCellAddress.h"

#include <algorithm>

void XlsxSheetChanges::setText(int row, int column, const QString& text)
{
    m_written[XlsxCellAddress::key(row, column)] = text;
    m_writtenMinColumn = std::min(m_writtenMinColumn, column);
    m_writtenMaxColumn = std::max(m_writtenMaxColumn, column);
}

void XlsxSheetChanges::clearRowsFrom(int firstRow, int lastColumn)
{
    m_clearedFrom = firstRow;
    m_clearedColumns = lastColumn;
}
