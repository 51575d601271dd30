#include "exchange/core/XlsxCellRange.h"

#include "exchange/core/XlsxCellAddress.h"

#include <algorithm>

void XlsxCellRange::add(int row, int column)
{
    m_firstRow = std::min(m_firstRow, row);
    m_lastRow = std::max(m_lastRow, row);
    m_firstColumn = std::min(m_firstColumn, column);
    m_lastColumn = std::max(m_lastColumn, column);
}

bool XlsxCellRange::add(QStringView ref)
{
    const qsizetype colon = ref.indexOf(u':');
    const auto first = XlsxCellAddress::reference(colon < 0 ? ref : ref.left(colon));
    const auto last = colon < 0 ? first : XlsxCellAddress::reference(ref.mid(colon + 1));
    if (!first || !last)
        return false;
    add(first->first, first->second);
    add(last->first, last->second);
    return true;
}

QString XlsxCellRange::text() const
{
    const QString first = XlsxCellAddress::name(m_firstRow, m_firstColumn);
    const QString last = XlsxCellAddress::name(m_lastRow, m_lastColumn);
    return first == last ? first : first + u':' + last;
}
