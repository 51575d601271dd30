#include "exchange/core/XlsxStreamMerge.h"

#include "exchange/core/Workbook.h"
#include "exchange/core/XlsxCellAddress.h"
#include "exchange/core/XlsxCellRange.h"
#include "exchange/core/XlsxText.h"
#include "exchange/core/XlsxXml.h"
#include "exchange/core/XlsxXmlCopier.h"

#include <climits>
#include <vector>

namespace {

using Reader = QXmlStreamReader;
using Address = XlsxCellAddress;
constexpr int kMaxRows = Workbook::kMaxRows;
constexpr int kMaxColumns = Workbook::kMaxColumns;

} // namespace

QByteArray XlsxStreamMerge::run(const QByteArray& sheet, const XlsxSheetChanges& changes, const QString& where,
                                bool& formulasReplaced)
{
    XlsxXmlCopier x(sheet, where);
    Reader& r = x.r;
    QXmlStreamWriter& w = x.w;

    QString prefix; // of the sheet's own elements ("x:" where the sheet uses one)
    struct ColumnStyle {
        int first, last;
        QString style;
    };
    std::vector<ColumnStyle> columnStyles;
    auto it = changes.written().begin();
    const auto end = changes.written().end();

    // A new cell takes the format of its row, else of its column, as a typed one would.
    auto styleFor = [&](const QString& rowStyle, int column) {
        if (!rowStyle.isEmpty())
            return rowStyle;
        for (const ColumnStyle& cs : columnStyles) {
            if (column >= cs.first && column <= cs.last)
                return cs.style;
        }
        return QString();
    };
    // New cells are appended as text: the writer's per-call cost would
    // dominate an export of a full list.
    auto writeCell = [&](int row, int column, const QString& text, const QString& style) {
        QString& out = x.raw();
        out += u'<';
        out += prefix;
        out += QStringView(u"c r=\"");
        Address::appendName(out, row, column);
        out += u'"';
        if (!style.isEmpty()) {
            out += QStringView(u" s=\"");
            XlsxText::append(out, style);
            out += u'"';
        }
        if (text.isEmpty()) {
            out += QStringView(u"/>");
            return;
        }
        out += QStringView(u" t=\"inlineStr\"><");
        out += prefix;
        out += QStringView(u"is><");
        out += prefix;
        out += u't';
        const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; };
        if (blank(text.front()) || blank(text.back()))
            out += QStringView(u" xml:space=\"preserve\"");
        out += u'>';
        XlsxText::append(out, text);
        out += QStringView(u"</");
        out += prefix;
        out += QStringView(u"t></");
        out += prefix;
        out += QStringView(u"is></");
        out += prefix;
        out += QStringView(u"c>");
    };
    // Written cells of row before the given column.
    auto writeCellsBefore = [&](int row, int column, const QString& rowStyle) {
        for (; it != end && Address::rowOfKey(it->first) == row && Address::columnOfKey(it->first) < column; ++it) {
            const int c = Address::columnOfKey(it->first);
            writeCell(row, c, it->second, styleFor(rowStyle, c));
        }
    };
    auto writeRowsBefore = [&](int row) {
        while (it != end && Address::rowOfKey(it->first) < row) {
            const int newRow = Address::rowOfKey(it->first);
            QString& out = x.raw();
            out += u'<';
            out += prefix;
            out += QStringView(u"row r=\"");
            out += QString::number(newRow);
            out += QStringView(u"\">");
            writeCellsBefore(newRow, INT_MAX, QString());
            out += QStringView(u"</");
            out += prefix;
            out += QStringView(u"row>");
        }
    };

    enum class State { Before, InSheetData, InRow, After } state = State::Before;
    int depth = 0;
    int row = 0;
    int column = 0;
    QString rowStyle;
    while (x.next()) {
        if (r.isStartElement()) {
            const QString qualified = r.qualifiedName().toString();
            const QStringView local = XlsxXml::localName(qualified);
            if (state == State::Before || state == State::After) {
                ++depth;
                if (state == State::Before && depth == 2 && local == u"sheetData") {
                    prefix = qualified.left(qualified.size() - local.size());
                    state = State::InSheetData;
                    x.copyToken();
                } else if (state == State::Before && depth == 2 && local == u"dimension" && it != end) {
                    XlsxCellRange used;
                    used.add(XlsxXml::attribute(r, u"ref"));
                    used.add(Address::rowOfKey(changes.written().begin()->first), changes.writtenMinColumn());
                    used.add(Address::rowOfKey(changes.written().rbegin()->first), changes.writtenMaxColumn());
                    w.writeStartElement(qualified);
                    for (const QXmlStreamAttribute& a : r.attributes()) {
                        w.writeAttribute(a.qualifiedName().toString(),
                                         a.qualifiedName() == u"ref" ? used.text() : a.value().toString());
                    }
                } else if (state == State::Before && depth == 3 && local == u"col") {
                    const QString style = XlsxXml::attribute(r, u"style");
                    if (!style.isEmpty()) {
                        columnStyles.push_back(
                            {XlsxXml::attribute(r, u"min").toInt(), XlsxXml::attribute(r, u"max").toInt(), style});
                    }
                    x.copyToken();
                } else {
                    x.copyToken();
                }
            } else if (state == State::InSheetData) {
                if (local != u"row") {
                    x.copyToken();
                    x.copyRest();
                    continue;
                }
                const QString number = XlsxXml::attribute(r, u"r");
                const auto n = number.isEmpty() ? (row < kMaxRows ? std::optional<int>(row + 1) : std::nullopt)
                                                : Address::rowNumber(number);
                if (!n || *n <= row)
                    XlsxXml::damaged(where, QStringLiteral("row %1 after row %2").arg(number).arg(row));
                row = *n;
                column = 0;
                writeRowsBefore(row);
                const QString custom = XlsxXml::attribute(r, u"customFormat");
                rowStyle = (custom == u"1" || custom == u"true") ? XlsxXml::attribute(r, u"s") : QString();
                const bool changed = (it != end && Address::rowOfKey(it->first) == row) || changes.clears(row);
                // Explicit numbers: a row put in before would shift an implicit one.
                w.writeStartElement(qualified);
                w.writeAttribute(QStringLiteral("r"), QString::number(row));
                for (const QXmlStreamAttribute& a : r.attributes()) {
                    const QStringView name = a.qualifiedName();
                    if (name != u"r" && !(changed && name == u"spans"))
                        w.writeAttribute(name.toString(), a.value().toString());
                }
                state = State::InRow;
            } else { // InRow
                if (local != u"c") {
                    x.copyToken();
                    x.copyRest();
                    continue;
                }
                const QString ref = XlsxXml::attribute(r, u"r");
                int c = column + 1;
                if (!ref.isEmpty()) {
                    const auto cr = Address::reference(ref);
                    if (!cr || cr->first != row)
                        XlsxXml::damaged(where, QStringLiteral("cell reference %1 in row %2").arg(ref).arg(row));
                    c = cr->second;
                }
                if (c <= column || c > kMaxColumns)
                    XlsxXml::damaged(where, QStringLiteral("cell %1 out of order").arg(ref));
                column = c;
                writeCellsBefore(row, column, rowStyle);
                if (it != end && it->first == Address::key(row, column)) {
                    // The written text replaces the cell, which keeps its format.
                    const QString style = XlsxXml::attribute(r, u"s");
                    x.skipRest([&](QStringView inner) {
                        if (inner == u"f")
                            formulasReplaced = true;
                    });
                    writeCell(row, column, it->second, style);
                    ++it;
                } else if (changes.clears(row) && column <= changes.clearedColumns()) {
                    const QString style = XlsxXml::attribute(r, u"s");
                    x.skipRest([&](QStringView inner) {
                        if (inner == u"f")
                            formulasReplaced = true;
                    });
                    if (!style.isEmpty())
                        writeCell(row, column, QString(), style);
                } else {
                    w.writeStartElement(qualified);
                    w.writeAttribute(QStringLiteral("r"), Address::name(row, column));
                    for (const QXmlStreamAttribute& a : r.attributes()) {
                        if (a.qualifiedName() != u"r")
                            w.writeAttribute(a.qualifiedName().toString(), a.value().toString());
                    }
                    x.copyRest();
                }
            }
        } else if (r.isEndElement()) {
            if (state == State::InRow) {
                writeCellsBefore(row, INT_MAX, rowStyle);
                state = State::InSheetData;
            } else if (state == State::InSheetData) {
                writeRowsBefore(INT_MAX);
                state = State::After;
                --depth;
            } else {
                --depth;
            }
            x.copyToken();
        } else {
            x.copyToken();
        }
    }
    x.copyToken();
    if (state != State::After)
        XlsxXml::damaged(where, QStringLiteral("no sheet data"));
    return x.result();
}
