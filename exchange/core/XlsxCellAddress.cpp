#include "exchange/core/XlsxCellAddress.h"

namespace {

// The column's letters, last first; at most three.
int columnLetters(int column, char (&letters)[3])
{
    int n = 0;
    for (int c = column; c > 0 && n < 3; c = (c - 1) / 26)
        letters[n++] = static_cast<char>('A' + (c - 1) % 26);
    return n;
}

} // namespace

QString XlsxCellAddress::name(int row, int column)
{
    QString out;
    appendName(out, row, column);
    return out;
}

void XlsxCellAddress::appendName(QString& out, int row, int column)
{
    char letters[3];
    for (int n = columnLetters(column, letters); n > 0;)
        out += QLatin1Char(letters[--n]);
    out += QString::number(row);
}

void XlsxCellAddress::appendName(QByteArray& out, int row, int column)
{
    char letters[3];
    for (int n = columnLetters(column, letters); n > 0;)
        out += letters[--n];
    out += QByteArray::number(row);
}
