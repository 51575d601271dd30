#pragma once

#include <QString>
#include <QStringView>
#include <climits>

// The range of cells that a sheet's dimension names, grown cell by cell.
class XlsxCellRange {
public:
    void add(int row, int column);
    // "A1:Q11" or "A1"; false when the text is neither.
    bool add(QStringView ref);
    QString text() const;

private:
    int m_firstRow = INT_MAX, m_firstColumn = INT_MAX, m_lastRow = 0, m_lastColumn = 0;
};
