#include "exchange/core/XlsxSheetReader.h"

#include "exchange/core/XlsxCellAddress.h"
#include "exchange/core/XlsxText.h"
#include "exchange/core/XlsxXml.h"
#include "platform/Numbers.h"

#include <cmath>
#include <optional>

namespace {

using Reader = QXmlStreamReader;
using Address = XlsxCellAddress;
constexpr int kMaxRows = Workbook::kMaxRows;
constexpr int kMaxColumns = Workbook::kMaxColumns;

} // namespace

QStringList XlsxSheetReader::readSharedStrings(const QByteArray& data, const QString& where)
{
    QStringList strings;
    Reader r(data);
    r.setNamespaceProcessing(false);
    while (XlsxXml::advance(r, where)) {
        if (r.isStartElement() && XlsxXml::tag(r) == u"si")
            strings << richText(r, where);
    }
    return strings;
}

XlsxSheetReader::Cells XlsxSheetReader::readCells(const QByteArray& data, const QStringList& shared,
                                                  const QString& where)
{
    Cells cells;
    cells.reserve(data.size() / 64); // about one cell in that many bytes

    Reader r(data);
    r.setNamespaceProcessing(false);
    bool inSheetData = false;
    int row = 0;
    int column = 0;
    while (XlsxXml::advance(r, where)) {
        if (r.isEndElement() && XlsxXml::tag(r) == u"sheetData") {
            inSheetData = false;
            continue;
        }
        if (!r.isStartElement())
            continue;
        if (!inSheetData) {
            inSheetData = XlsxXml::tag(r) == u"sheetData";
            continue;
        }
        const QXmlStreamAttributes attrs = r.attributes();
        if (XlsxXml::tag(r) == u"row") {
            // Rows and cells stand in ascending order; a missing number continues it.
            const QStringView number = XlsxXml::plainAttribute(attrs, QLatin1StringView("r"));
            const auto n = number.isEmpty() ? (row < kMaxRows ? std::optional<int>(row + 1) : std::nullopt)
                                            : Address::rowNumber(number);
            if (!n || *n <= row)
                XlsxXml::damaged(where, QStringLiteral("row %1 after row %2").arg(number).arg(row));
            row = *n;
            column = 0;
            continue;
        }
        if (XlsxXml::tag(r) != u"c") {
            r.skipCurrentElement();
            continue;
        }
        const QStringView ref = XlsxXml::plainAttribute(attrs, QLatin1StringView("r"));
        int c = column + 1;
        if (!ref.isEmpty()) {
            const auto cr = Address::reference(ref);
            if (!cr || cr->first != row)
                XlsxXml::damaged(where, QStringLiteral("cell reference %1 in row %2").arg(ref).arg(row));
            c = cr->second;
        }
        if (row == 0 || c <= column || c > kMaxColumns)
            XlsxXml::damaged(where, QStringLiteral("cell %1 out of order").arg(ref));
        column = c;

        const QStringView type = XlsxXml::plainAttribute(attrs, QLatin1StringView("t"));
        QString value;
        bool hasValue = false;
        QString inlineText;
        for (int depth = 1; depth > 0 && XlsxXml::advance(r, where);) {
            if (r.isStartElement()) {
                if (XlsxXml::tag(r) == u"v") {
                    value = XlsxXml::leafText(r, where);
                    hasValue = true;
                } else if (XlsxXml::tag(r) == u"is") {
                    inlineText = richText(r, where);
                } else {
                    r.skipCurrentElement();
                }
            } else if (r.isEndElement()) {
                --depth;
            }
        }

        WorkbookCell cell;
        if (type == QLatin1String("s")) {
            bool ok = false;
            const int index = value.trimmed().toInt(&ok);
            if (!hasValue || !ok || index < 0 || index >= shared.size())
                XlsxXml::damaged(where, QStringLiteral("shared string %1 of %2").arg(value).arg(shared.size()));
            cell = WorkbookCell::ofText(shared[index]);
        } else if (type == QLatin1String("inlineStr")) {
            cell = WorkbookCell::ofText(hasValue ? XlsxText::decode(value) : inlineText);
        } else if (type == QLatin1String("str") || type == QLatin1String("e") || type == QLatin1String("d")) {
            cell = WorkbookCell::ofText(XlsxText::decode(value));
        } else if (type == QLatin1String("b")) {
            if (hasValue)
                cell = WorkbookCell::ofText(value.trimmed() == QLatin1String("1") ? QStringLiteral("TRUE")
                                                                                 : QStringLiteral("FALSE"));
        } else if (type.isEmpty() || type == QLatin1String("n")) {
            if (hasValue && !value.trimmed().isEmpty()) {
                const auto number = Numbers::tryParse(value);
                if (!number || !std::isfinite(*number))
                    XlsxXml::damaged(where,
                                     QStringLiteral("cell %1 holds no number").arg(Address::name(row, column)));
                cell = WorkbookCell::ofNumber(*number);
            }
        } else {
            XlsxXml::damaged(where, QStringLiteral("cell type %1").arg(type));
        }
        if (cell.kind == WorkbookCell::Kind::Text && cell.text.isEmpty())
            continue;
        if (!cell.isEmpty())
            cells.insert(Address::key(row, column), cell);
    }
    return cells;
}

QString XlsxSheetReader::richText(Reader& r, const QString& where)
{
    QString text;
    int depth = 1;
    while (depth > 0 && XlsxXml::advance(r, where)) {
        if (r.isStartElement()) {
            if (XlsxXml::tag(r) == u"t") {
                text += XlsxXml::leafText(r, where);
            } else if (XlsxXml::tag(r) == u"rPh") {
                r.skipCurrentElement();
                if (r.hasError())
                    XlsxXml::damaged(where, r.errorString());
            } else {
                ++depth;
            }
        } else if (r.isEndElement()) {
            --depth;
        }
    }
    return XlsxText::decode(text);
}
