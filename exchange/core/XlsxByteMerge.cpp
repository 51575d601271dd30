#include "exchange/core/XlsxByteMerge.h"

#include "exchange/core/XlsxCellAddress.h"
#include "exchange/core/XlsxCellRange.h"
#include "exchange/core/XlsxText.h"

#include <QString>

#include <climits>
#include <cstring>

namespace {

using Scanner = XlsxByteScanner;
using Address = XlsxCellAddress;

bool isBlankOnly(const char* p, const char* end)
{
    for (; p < end; ++p) {
        if (!Scanner::isBlank(*p))
            return false;
    }
    return true;
}

// A value that can be written between double quotes as it stands.
bool isPlainValue(QByteArrayView v)
{
    for (const char c : v) {
        if (c == '&' || c == '"' || c == '\'')
            return false;
    }
    return true;
}

bool isUtf8Declaration(QByteArrayView declaration)
{
    const qsizetype at = declaration.indexOf("encoding");
    if (at < 0)
        return true;
    const char* p = declaration.data() + at + 8;
    const char* end = declaration.data() + declaration.size();
    while (p < end && (Scanner::isBlank(*p) || *p == '='))
        ++p;
    if (p == end || (*p != '"' && *p != '\''))
        return false;
    const char* close = static_cast<const char*>(std::memchr(p + 1, *p, static_cast<size_t>(end - p - 1)));
    return close && QByteArrayView(p + 1, close - p - 1).compare("UTF-8", Qt::CaseInsensitive) == 0;
}

} // namespace

XlsxByteMerge::XlsxByteMerge(const QByteArray& sheet, const XlsxSheetChanges& changes)
    : m_data(sheet), m_changes(changes), m_it(changes.written().begin()), m_end(changes.written().end())
{
}

std::optional<QByteArray> XlsxByteMerge::run(bool& formulasReplaced)
{
    const char* p = m_data.constData();
    const char* const end = p + m_data.size();
    if (!Scanner::isXmlUtf8(m_data))
        return std::nullopt;
    if (m_data.startsWith("\xEF\xBB\xBF"))
        p += 3;
    if (QByteArrayView(p, end - p).startsWith("<?xml") && end - p > 5 && Scanner::isBlank(p[5])) {
        const qsizetype close = QByteArrayView(p, end - p).indexOf("?>");
        if (close < 0 || !isUtf8Declaration(QByteArrayView(p, close)))
            return std::nullopt;
        p += close + 2;
    }
    m_pending = m_data.constData();
    m_out.reserve(m_data.size() + 64 * static_cast<qsizetype>(m_changes.written().size()));

    Scanner scan(p, end);
    m_scan = &scan;
    enum class State { Before, InSheetData, InRow, After } state = State::Before;
    std::vector<QByteArrayView> open;
    bool rootDone = false;
    int row = 0;
    int column = 0;
    QByteArrayView rowStyle;
    const char* last = p;
    Tag t;
    while (scan.next(t)) {
        if (open.empty() && (rootDone || t.isEnd || !isBlankOnly(last, t.begin)))
            return std::nullopt;
        last = t.finish;
        if (t.isEnd) {
            if (open.empty() || open.back() != t.name)
                return std::nullopt;
            open.pop_back();
            rootDone = open.empty();
            if (state == State::InRow) {
                flush(t.begin);
                writeCellsBefore(row, INT_MAX, rowStyle);
                state = State::InSheetData;
            } else if (state == State::InSheetData) {
                flush(t.begin);
                writeRowsBefore(INT_MAX);
                state = State::After;
            }
            continue;
        }
        if (state == State::Before || state == State::After) {
            const size_t depth = open.size() + 1;
            if (state == State::Before && depth == 2 && t.local == "sheetData") {
                m_prefix = t.name.chopped(t.local.size());
                if (t.selfClosing) {
                    flush(t.begin);
                    m_out.append(t.begin, t.attributesEnd - t.begin);
                    m_out += '>';
                    writeRowsBefore(INT_MAX);
                    closeTag(t.name);
                    m_pending = t.finish;
                    state = State::After;
                    continue;
                }
                state = State::InSheetData;
            } else if (state == State::Before && depth == 2 && t.local == "dimension" && m_it != m_end) {
                if (!rewriteDimension(t))
                    return std::nullopt;
            } else if (state == State::Before && depth == 3 && t.local == "col") {
                if (!addColumnStyle(t))
                    return std::nullopt;
            }
            if (!t.selfClosing)
                open.push_back(t.name);
            continue;
        }
        if (state == State::InSheetData) {
            if (!Scanner::is(t.local, "row")) {
                if (!passElement(t))
                    return std::nullopt;
                continue;
            }
            QByteArrayView number, style, custom;
            const char* a = t.attributes;
            for (Attribute at; Scanner::nextAttribute(a, t.attributesEnd, at);) {
                if (Scanner::is(at.local, "r"))
                    number = at.value;
                else if (Scanner::is(at.local, "s"))
                    style = at.value;
                else if (Scanner::is(at.local, "customFormat"))
                    custom = at.value;
            }
            const auto n = number.isEmpty() ? (row < kMaxRows ? std::optional<int>(row + 1) : std::nullopt)
                                            : Address::rowNumber(number);
            if (!n || *n <= row)
                return std::nullopt;
            row = *n;
            column = 0;
            flush(t.begin);
            writeRowsBefore(row);
            rowStyle = (Scanner::is(custom, "1") || Scanner::is(custom, "true")) ? style : QByteArrayView();
            if (!isPlainValue(rowStyle))
                return std::nullopt;
            const bool changed = (m_it != m_end && Address::rowOfKey(m_it->first) == row) || m_changes.clears(row);
            if (!changed) {
                // Explicit numbers: a row put in before would shift an implicit one.
                if (number.isEmpty()) {
                    flush(t.attributes);
                    appendRowNumber(row);
                }
                if (!passElement(t))
                    return std::nullopt;
                continue;
            }
            m_out += '<';
            m_out.append(t.name);
            appendRowNumber(row);
            a = t.attributes;
            for (Attribute at; Scanner::nextAttribute(a, t.attributesEnd, at);) {
                if (!Scanner::is(at.local, "r") && !Scanner::is(at.local, "spans"))
                    m_out.append(at.begin, at.end - at.begin);
            }
            m_out += '>';
            m_pending = t.finish;
            if (t.selfClosing) {
                writeCellsBefore(row, INT_MAX, rowStyle);
                closeTag(t.name);
                continue;
            }
            open.push_back(t.name);
            state = State::InRow;
            continue;
        }
        // In a row.
        if (!Scanner::is(t.local, "c")) {
            if (!passElement(t))
                return std::nullopt;
            continue;
        }
        QByteArrayView ref, style;
        const char* a = t.attributes;
        for (Attribute at; Scanner::nextAttribute(a, t.attributesEnd, at);) {
            if (Scanner::is(at.local, "r"))
                ref = at.value;
            else if (Scanner::is(at.local, "s"))
                style = at.value;
        }
        int c = column + 1;
        if (!ref.isEmpty()) {
            const auto cr = Address::reference(ref);
            if (!cr || cr->first != row)
                return std::nullopt;
            c = cr->second;
        }
        if (c <= column || c > kMaxColumns)
            return std::nullopt;
        column = c;
        flush(t.begin);
        writeCellsBefore(row, column, rowStyle);
        const bool written = m_it != m_end && m_it->first == Address::key(row, column);
        if (written || (m_changes.clears(row) && column <= m_changes.clearedColumns())) {
            // The cell's value goes; its format stays.
            bool formula = false;
            if (!t.selfClosing && !scan.skipDropped(t.name, formula))
                return std::nullopt;
            formulasReplaced = formulasReplaced || formula;
            m_pending = t.selfClosing ? t.finish : scan.position();
            if (!isPlainValue(style))
                return std::nullopt;
            if (written) {
                writeCell(row, column, m_it->second, style);
                ++m_it;
            } else if (!style.isEmpty()) {
                writeCell(row, column, QString(), style);
            }
            continue;
        }
        if (ref.isEmpty()) {
            flush(t.attributes);
            m_out += " r=\"";
            Address::appendName(m_out, row, column);
            m_out += '"';
        }
        if (!passElement(t))
            return std::nullopt;
    }
    if (scan.unsure() || !rootDone || state != State::After || !isBlankOnly(last, end))
        return std::nullopt;
    flush(end);
    return std::move(m_out);
}

void XlsxByteMerge::flush(const char* p)
{
    if (p != m_pending)
        m_out.append(m_pending, p - m_pending);
    m_pending = p;
}

bool XlsxByteMerge::passElement(const Tag& t)
{
    m_passedTo = t.finish;
    if (t.selfClosing)
        return true;
    m_inner.clear();
    m_inner.push_back(t.name);
    for (Tag in; m_scan->next(in);) {
        if (in.isEnd) {
            if (m_inner.back() != in.name)
                return false;
            m_inner.pop_back();
            if (m_inner.empty()) {
                m_passedTo = in.finish;
                return true;
            }
        } else {
            if (!in.selfClosing)
                m_inner.push_back(in.name);
        }
    }
    return false;
}

bool XlsxByteMerge::rewriteDimension(const Tag& t)
{
    const char* a = t.attributes;
    for (Attribute at; Scanner::nextAttribute(a, t.attributesEnd, at);) {
        if (at.local != "ref")
            continue;
        if (!isPlainValue(at.value))
            return false;
        XlsxCellRange used;
        used.add(QString::fromLatin1(at.value));
        used.add(Address::rowOfKey(m_changes.written().begin()->first), m_changes.writtenMinColumn());
        used.add(Address::rowOfKey(m_changes.written().rbegin()->first), m_changes.writtenMaxColumn());
        flush(at.value.data());
        m_out += used.text().toLatin1();
        m_pending = at.value.data() + at.value.size();
    }
    return true;
}

bool XlsxByteMerge::addColumnStyle(const Tag& t)
{
    QByteArrayView min, max, style;
    const char* a = t.attributes;
    for (Attribute at; Scanner::nextAttribute(a, t.attributesEnd, at);) {
        if (at.local == "min")
            min = at.value;
        else if (at.local == "max")
            max = at.value;
        else if (at.local == "style")
            style = at.value;
    }
    if (!isPlainValue(style))
        return false;
    if (!style.isEmpty())
        m_columnStyles.push_back({min.toInt(), max.toInt(), style});
    return true;
}

QByteArrayView XlsxByteMerge::styleFor(QByteArrayView rowStyle, int column) const
{
    if (!rowStyle.isEmpty())
        return rowStyle;
    for (const ColumnStyle& cs : m_columnStyles) {
        if (column >= cs.first && column <= cs.last)
            return cs.style;
    }
    return {};
}

void XlsxByteMerge::appendRowNumber(int row)
{
    m_out += " r=\"";
    m_out += QByteArray::number(row);
    m_out += '"';
}

void XlsxByteMerge::closeTag(QByteArrayView name)
{
    m_out += "</";
    m_out.append(name);
    m_out += '>';
}

void XlsxByteMerge::writeCell(int row, int column, const QString& text, QByteArrayView style)
{
    m_out += '<';
    m_out.append(m_prefix);
    m_out += "c r=\"";
    Address::appendName(m_out, row, column);
    m_out += '"';
    if (!style.isEmpty()) {
        m_out += " s=\"";
        m_out.append(style);
        m_out += '"';
    }
    if (text.isEmpty()) {
        m_out += "/>";
        return;
    }
    m_out += " t=\"inlineStr\"><";
    m_out.append(m_prefix);
    m_out += "is><";
    m_out.append(m_prefix);
    m_out += 't';
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; };
    if (blank(text.front()) || blank(text.back()))
        m_out += " xml:space=\"preserve\"";
    m_out += '>';
    XlsxText::appendUtf8(m_out, text);
    m_out += "</";
    m_out.append(m_prefix);
    m_out += "t></";
    m_out.append(m_prefix);
    m_out += "is></";
    m_out.append(m_prefix);
    m_out += "c>";
}

void XlsxByteMerge::writeCellsBefore(int row, int column, QByteArrayView rowStyle)
{
    for (; m_it != m_end && Address::rowOfKey(m_it->first) == row && Address::columnOfKey(m_it->first) < column;
         ++m_it) {
        const int c = Address::columnOfKey(m_it->first);
        writeCell(row, c, m_it->second, styleFor(rowStyle, c));
    }
}

void XlsxByteMerge::writeRowsBefore(int row)
{
    while (m_it != m_end && Address::rowOfKey(m_it->first) < row) {
        const int newRow = Address::rowOfKey(m_it->first);
        m_out += '<';
        m_out.append(m_prefix);
        m_out += "row";
        appendRowNumber(newRow);
        m_out += '>';
        writeCellsBefore(newRow, INT_MAX, {});
        m_out += "</";
        m_out.append(m_prefix);
        m_out += "row>";
    }
}
