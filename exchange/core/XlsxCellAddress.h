#pragma once

#include "exchange/core/Workbook.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>

// Rows, columns and cell references of a sheet, read from a text or from
// the bytes of a part: "B12" is row 12, column 2. A cell's key orders the
// cells by row, then column.
class XlsxCellAddress {
public:
    // A row number; nullopt for anything else, a row beyond the sheet limits included.
    template <typename View>
    static std::optional<int> rowNumber(View text)
    {
        if (text.isEmpty() || text.size() > 7 || code(text[0]) == u'0')
            return std::nullopt;
        int row = 0;
        for (const auto c : text) {
            const char16_t u = code(c);
            if (u < u'0' || u > u'9')
                return std::nullopt;
            row = row * 10 + (u - u'0');
        }
        if (row > Workbook::kMaxRows)
            return std::nullopt;
        return row;
    }

    // "B12" as row 12, column 2; nullopt for anything else, a cell beyond the sheet limits included.
    template <typename View>
    static std::optional<std::pair<int, int>> reference(View ref)
    {
        qsizetype i = 0;
        int column = 0;
        for (; i < ref.size(); ++i) {
            const char16_t u = code(ref[i]);
            if (!((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z')))
                break;
            if (i == 3)
                return std::nullopt;
            column = column * 26 + ((u & ~0x20) - u'A' + 1);
        }
        if (i == 0 || column > Workbook::kMaxColumns)
            return std::nullopt;
        const auto row = rowNumber(ref.sliced(i));
        if (!row)
            return std::nullopt;
        return std::make_pair(*row, column);
    }

    static QString name(int row, int column);
    static void appendName(QString& out, int row, int column);
    static void appendName(QByteArray& out, int row, int column);

    static quint64 key(int row, int column)
    {
        return (static_cast<quint64>(row) << 16) | static_cast<quint64>(column);
    }
    static int rowOfKey(quint64 key) { return static_cast<int>(key >> 16); }
    static int columnOfKey(quint64 key) { return static_cast<int>(key & 0xFFFF); }

private:
    static char16_t code(QChar c) { return c.unicode(); }
    static char16_t code(char c) { return static_cast<unsigned char>(c); }
};
