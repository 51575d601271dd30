#include "exchange/core/XlsxWorkbook.h"

#include "exchange/core/ZipArchive.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using Reader = QXmlStreamReader;

[[noreturn]] void damaged(const QString& where, const QString& what)
{
    throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("damaged workbook: %1: %2").arg(where, what));
}

// The next token. A document type declaration is refused: nothing in a
// workbook needs one, and its entities are the way to blow a small part up.
bool advance(Reader& r, const QString& where)
{
    const Reader::TokenType t = r.readNext();
    if (t == Reader::Invalid)
        damaged(where, r.errorString());
    if (t == Reader::DTD)
        damaged(where, QStringLiteral("document type declaration"));
    return t != Reader::EndDocument;
}

// The text of a leaf element; the reader stands on its end afterwards.
QString leafText(Reader& r, const QString& where)
{
    QString text = r.readElementText(Reader::SkipChildElements);
    if (r.hasError())
        damaged(where, r.errorString());
    return text;
}

QStringView localName(QStringView qualified)
{
    const qsizetype colon = qualified.indexOf(u':');
    return colon < 0 ? qualified : qualified.mid(colon + 1);
}

// The element's name without its prefix, whether or not the reader
// processes namespaces (the big parts are read without, which is faster).
QStringView tag(const Reader& r) { return localName(r.qualifiedName()); }

QString attribute(const Reader& r, QStringView name)
{
    const QXmlStreamAttributes attrs = r.attributes();
    for (const QXmlStreamAttribute& a : attrs) {
        if (localName(a.qualifiedName()) == name)
            return a.value().toString();
    }
    return QString();
}

// An unprefixed attribute without a copy; valid while attrs lives.
QStringView plainAttribute(const QXmlStreamAttributes& attrs, QLatin1StringView name)
{
    for (const QXmlStreamAttribute& a : attrs) {
        if (a.qualifiedName() == name)
            return a.value();
    }
    return QStringView();
}

bool isHex(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

// "_xHHHH_" at position i.
bool isEscapeAt(QStringView s, qsizetype i)
{
    return i + 6 < s.size() && s[i] == u'_' && s[i + 1] == u'x' && isHex(s[i + 2]) && isHex(s[i + 3]) &&
           isHex(s[i + 4]) && isHex(s[i + 5]) && s[i + 6] == u'_';
}

// Workbook strings carry characters that XML cannot hold (and the carriage
// return, which XML would turn into a line feed) as "_xHHHH_".
QString decodeEscapes(const QString& s)
{
    if (!s.contains(QLatin1String("_x")))
        return s;
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size();) {
        if (isEscapeAt(s, i)) {
            out += QChar(static_cast<char16_t>(s.mid(i + 2, 4).toUShort(nullptr, 16)));
            i += 7;
        } else {
            out += s[i++];
        }
    }
    return out;
}

QString escapeCode(char16_t c)
{
    return QStringLiteral("_x") + QString::number(c, 16).toUpper().rightJustified(4, u'0') + u'_';
}

// Text as a workbook string, in pieces for put(QStringView): XML's own
// escapes, and "_xHHHH_" for what XML cannot hold.
template <typename Put>
void escapeText(QStringView s, Put&& put)
{
    qsizetype run = 0; // start of the piece that needs no escape
    auto replace = [&](qsizetype i, qsizetype length, QStringView by) {
        put(s.mid(run, i - run));
        put(by);
        run = i + length;
    };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0xD800 && u != u'<' && u != u'>' && u != u'&' && u != u'"' && u != u'_')
            continue;
        if (u == u'<') {
            replace(i, 1, u"&lt;");
        } else if (u == u'>') {
            replace(i, 1, u"&gt;");
        } else if (u == u'&') {
            replace(i, 1, u"&amp;");
        } else if (u == u'"') {
            replace(i, 1, u"&quot;"); // so that it serves attribute values too
        } else if (u == u'_' && isEscapeAt(s, i)) {
            replace(i, 1, escapeCode(u'_')); // a literal "_xHHHH_" must not read as an escape
        } else if ((u < 0x20 && u != u'\t' && u != u'\n') || u == 0xFFFE || u == 0xFFFF) {
            replace(i, 1, escapeCode(u));
        } else if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            replace(i, 1, u"\uFFFD");
        }
    }
    put(s.mid(run));
}

void appendText(QString& out, const QString& s)
{
    escapeText(s, [&](QStringView piece) { out += piece; });
}

// UTF-8 of text whose surrogates come in pairs.
void appendUtf8(QByteArray& out, QStringView s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t u = s[i].unicode();
        if (u < 0x80) {
            out += static_cast<char>(u);
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            u = QChar::surrogateToUcs4(static_cast<char16_t>(u), s[++i].unicode());
        else if (QChar::isSurrogate(u))
            u = 0xFFFD;
        if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
        } else if (u < 0x10000) {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (u >> 18));
            out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        }
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

void appendTextUtf8(QByteArray& out, const QString& s)
{
    escapeText(s, [&](QStringView piece) { appendUtf8(out, piece); });
}

QString columnName(int column)
{
    QString name;
    for (int c = column; c > 0; c = (c - 1) / 26)
        name.prepend(QChar(u'A' + (c - 1) % 26));
    return name;
}

QString cellName(int row, int column) { return columnName(column) + QString::number(row); }

void appendCellName(QString& out, int row, int column)
{
    char16_t letters[3];
    int n = 0;
    for (int c = column; c > 0 && n < 3; c = (c - 1) / 26)
        letters[n++] = static_cast<char16_t>(u'A' + (c - 1) % 26);
    while (n > 0)
        out += QChar(letters[--n]);
    out += QString::number(row);
}

char16_t code(QChar c) { return c.unicode(); }
char16_t code(char c) { return static_cast<unsigned char>(c); }

// A row number of the sheet, from a text or from the bytes of a part.
template <typename View>
std::optional<int> rowNumber(View text)
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
std::optional<std::pair<int, int>> cellReference(View ref)
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

quint64 cellKey(int row, int column) { return (static_cast<quint64>(row) << 16) | static_cast<quint64>(column); }
int rowOfKey(quint64 key) { return static_cast<int>(key >> 16); }
int columnOfKey(quint64 key) { return static_cast<int>(key & 0xFFFF); }

// The text of an <si> or <is> element: its <t> runs, without the phonetic
// guides (<rPh>). The reader stands on the element's end afterwards.
QString richText(Reader& r, const QString& where)
{
    QString text;
    int depth = 1;
    while (depth > 0 && advance(r, where)) {
        if (r.isStartElement()) {
            if (tag(r) == u"t") {
                text += leafText(r, where);
            } else if (tag(r) == u"rPh") {
                r.skipCurrentElement();
                if (r.hasError())
                    damaged(where, r.errorString());
            } else {
                ++depth;
            }
        } else if (r.isEndElement()) {
            --depth;
        }
    }
    return decodeEscapes(text);
}

// One relationship of a part.
struct Relationship {
    QString id;
    QString type;
    QString target; // the part's name in the package
};

QString folderOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash);
}

QString relationshipsOf(const QString& part)
{
    const QString folder = folderOf(part);
    const QString name = part.mid(folder.isEmpty() ? 0 : folder.size() + 1);
    return (folder.isEmpty() ? QString() : folder + u'/') + QStringLiteral("_rels/") + name + QStringLiteral(".rels");
}

// A relationship target as a part name; a target that climbs out of the package is damage.
QString resolveTarget(const QString& folder, const QString& target, const QString& where)
{
    QString t = QUrl::fromPercentEncoding(target.toUtf8());
    t.replace(u'\\', u'/');
    QStringList segments;
    if (!t.startsWith(u'/'))
        segments = folder.split(u'/', Qt::SkipEmptyParts);
    for (const QString& s : t.split(u'/', Qt::SkipEmptyParts)) {
        if (s == QLatin1String("."))
            continue;
        if (s == QLatin1String("..")) {
            if (segments.isEmpty())
                damaged(where, QStringLiteral("target %1 leaves the package").arg(target));
            segments.removeLast();
        } else {
            segments << s;
        }
    }
    return segments.join(u'/');
}

std::vector<Relationship> readRelationships(const ZipArchive& zip, const QString& relsPart, const QString& folder)
{
    std::vector<Relationship> rels;
    if (!zip.contains(relsPart))
        return rels;
    const QByteArray data = zip.read(relsPart, XlsxWorkbook::kMaxSmallPartBytes);
    Reader r(data);
    while (advance(r, relsPart)) {
        if (!r.isStartElement() || r.name() != QLatin1String("Relationship"))
            continue;
        if (attribute(r, u"TargetMode").compare(QLatin1String("External"), Qt::CaseInsensitive) == 0)
            continue;
        rels.push_back({attribute(r, u"Id"), attribute(r, u"Type"),
                        resolveTarget(folder, attribute(r, u"Target"), relsPart)});
    }
    return rels;
}

bool hasType(const Relationship& rel, QLatin1String kind)
{
    return rel.type.endsWith(u'/' + QString(kind), Qt::CaseInsensitive);
}

// The relationship id of a <sheet>: the one attribute "id" in a namespace.
QString sheetRelationshipId(const Reader& r)
{
    const QXmlStreamAttributes attrs = r.attributes();
    for (const QXmlStreamAttribute& a : attrs) {
        if (a.name() == QLatin1String("id") && !a.namespaceUri().isEmpty())
            return a.value().toString();
    }
    return QString();
}

// Copies parts token by token, keeping every prefix and attribute as
// written. The copy collects in a string; raw() lets new elements be
// appended as text between the copied tokens.
class XmlCopier {
public:
    XmlCopier(const QByteArray& data, const QString& where) : r(data), w(&m_out), m_where(where)
    {
        r.setNamespaceProcessing(false);
        m_out.reserve(data.size() + data.size() / 4);
    }

    bool next() { return advance(r, m_where); }

    // The text written so far, with any open start tag closed.
    QString& raw()
    {
        w.writeCharacters(QString());
        return m_out;
    }

    void copyToken()
    {
        switch (r.tokenType()) {
        case Reader::StartDocument:
            if (!r.documentVersion().isEmpty()) {
                m_out += QLatin1StringView("<?xml version=\"");
                m_out += r.documentVersion();
                m_out += QLatin1StringView("\" encoding=\"UTF-8\"");
                if (r.isStandaloneDocument())
                    m_out += QLatin1StringView(" standalone=\"yes\"");
                m_out += QLatin1StringView("?>");
            }
            break;
        case Reader::EndDocument: w.writeEndDocument(); break;
        case Reader::StartElement:
            w.writeStartElement(r.qualifiedName().toString());
            for (const QXmlStreamAttribute& a : r.attributes())
                w.writeAttribute(a.qualifiedName().toString(), a.value().toString());
            break;
        case Reader::EndElement: w.writeEndElement(); break;
        case Reader::Characters:
            if (r.isCDATA())
                w.writeCDATA(r.text().toString());
            else
                writeText(r.text());
            break;
        case Reader::Comment: w.writeComment(r.text().toString()); break;
        case Reader::ProcessingInstruction:
            w.writeProcessingInstruction(r.processingInstructionTarget().toString(),
                                         r.processingInstructionData().toString());
            break;
        case Reader::EntityReference: w.writeEntityReference(r.name().toString()); break;
        default: break;
        }
    }

    // The writer leaves a carriage return in text as it is, and a reader
    // would take it for a line feed.
    void writeText(QStringView text)
    {
        for (qsizetype from = 0;;) {
            const qsizetype cr = text.indexOf(u'\r', from);
            const QStringView piece = text.mid(from, cr < 0 ? -1 : cr - from);
            if (!piece.isEmpty())
                w.writeCharacters(piece.toString());
            if (cr < 0)
                break;
            w.writeEntityReference(QStringLiteral("#13"));
            from = cr + 1;
        }
    }

    // From the current start element through its end, copied to the output
    // or passed over; onStart sees every start element inside it.
    void copyRest(const std::function<void(QStringView)>& onStart = {}) { walkRest(true, onStart); }
    void skipRest(const std::function<void(QStringView)>& onStart = {}) { walkRest(false, onStart); }

    void walkRest(bool copy, const std::function<void(QStringView)>& onStart)
    {
        for (int depth = 1; depth > 0;) {
            next();
            if (r.isStartElement()) {
                ++depth;
                if (onStart)
                    onStart(localName(r.qualifiedName()));
            } else if (r.isEndElement()) {
                --depth;
            }
            if (copy)
                copyToken();
        }
    }

    QByteArray result() { return m_out.toUtf8(); }

private:
    QString m_out;

public:
    Reader r;
    QXmlStreamWriter w;

private:
    QString m_where;
};

// The part without the elements that drop() picks.
QByteArray withoutElements(const QByteArray& data, const QString& where, const std::function<bool(const Reader&)>& drop)
{
    XmlCopier x(data, where);
    while (x.next()) {
        if (x.r.isStartElement() && drop(x.r))
            x.skipRest();
        else
            x.copyToken();
    }
    x.copyToken();
    return x.result();
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// A name or value compared with a literal: inlined, where the general
// comparison calls the library for every cell of a sheet.
template <size_t N>
bool is(QByteArrayView v, const char (&literal)[N])
{
    return v.size() == static_cast<qsizetype>(N - 1) && std::memcmp(v.data(), literal, N - 1) == 0;
}

// UTF-8 that XML allows: no control character but tab and line ends, no
// surrogate, no U+FFFE or U+FFFF, no overlong form.
bool isXmlUtf8(QByteArrayView data)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data.data());
    const auto* const end = p + data.size();
    while (p < end) {
        if (end - p >= 8) { // eight printable ASCII bytes at a time
            quint64 w;
            std::memcpy(&w, p, 8);
            constexpr quint64 high = 0x8080808080808080ull;
            if (!(w & high) && !((w - 0x2020202020202020ull) & ~w & high)) {
                p += 8;
                continue;
            }
        }
        const unsigned char c = *p;
        if (c < 0x80) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return false;
            ++p;
            continue;
        }
        int n = 0;
        char32_t u = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
            u = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            u = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            u = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= n)
            return false;
        for (int k = 1; k <= n; ++k) {
            if ((p[k] & 0xC0) != 0x80)
                return false;
            u = (u << 6) | (p[k] & 0x3F);
        }
        if (n == 2 && (u < 0x800 || (u >= 0xD800 && u <= 0xDFFF) || u == 0xFFFE || u == 0xFFFF))
            return false;
        if (n == 3 && (u < 0x10000 || u > 0x10FFFF))
            return false;
        p += n + 1;
    }
    return true;
}

// "&...;" at p is one of XML's five named references or a character
// reference to a character XML allows; end is after it.
bool isReference(const char* p, const char* end, const char*& after)
{
    const char* semi = static_cast<const char*>(std::memchr(p, ';', static_cast<size_t>(std::min<qsizetype>(end - p, 12))));
    if (!semi)
        return false;
    const QByteArrayView name(p + 1, semi - p - 1);
    after = semi + 1;
    if (name == "lt" || name == "gt" || name == "amp" || name == "quot" || name == "apos")
        return true;
    if (name.size() < 2 || name[0] != '#')
        return false;
    const bool hex = name[1] == 'x';
    const QByteArrayView digits = name.sliced(hex ? 2 : 1);
    if (digits.isEmpty() || digits.size() > 8)
        return false;
    char32_t u = 0;
    for (const char d : digits) {
        int v = -1;
        if (d >= '0' && d <= '9')
            v = d - '0';
        else if (hex && d >= 'a' && d <= 'f')
            v = d - 'a' + 10;
        else if (hex && d >= 'A' && d <= 'F')
            v = d - 'A' + 10;
        if (v < 0)
            return false;
        u = u * (hex ? 16 : 10) + static_cast<char32_t>(v);
    }
    return u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u <= 0xD7FF) || (u >= 0xE000 && u <= 0xFFFD) ||
           (u >= 0x10000 && u <= 0x10FFFF);
}

// The tags of a part scanned by bytes. It knows start and end tags, text and
// references; anything else (a comment, a processing instruction, CDATA, a
// document type) or anything malformed makes it unsure, and its caller then
// leaves the part to the XML reader.
class ByteScanner {
public:
    struct Tag {
        bool isEnd = false;
        bool selfClosing = false;
        const char* begin = nullptr;  // at "<"
        const char* finish = nullptr; // after ">"
        QByteArrayView name;          // as written, with any prefix
        QByteArrayView local;
        const char* attributes = nullptr;    // after the name
        const char* attributesEnd = nullptr; // at "/>" or ">"
    };
    struct Attribute {
        const char* begin = nullptr; // at the blank before the name
        const char* end = nullptr;   // after the closing quote
        QByteArrayView local;
        QByteArrayView value; // as written, references undecoded
    };

    ByteScanner(const char* from, const char* end) : m_p(from), m_end(end) {}

    bool unsure() const { return m_unsure; }
    const char* position() const { return m_p; }

    // The next tag; false at the end of the data or once unsure.
    bool next(Tag& t)
    {
        if (m_unsure)
            return false;
        const char* p = m_p;
        if (!skipText(p, '<'))
            return fail();
        if (p == m_end) {
            m_p = p;
            return false;
        }
        t.begin = p++;
        if (p == m_end || *p == '!' || *p == '?')
            return fail();
        t.isEnd = *p == '/';
        if (t.isEnd)
            ++p;
        const char* nameBegin = p;
        const char* colon = nullptr;
        for (; p < m_end; ++p) {
            const unsigned char kind = kNameStop[static_cast<unsigned char>(*p)];
            if (kind == kStop)
                break;
            if (kind == kBad)
                return fail();
            if (*p == ':' && !colon)
                colon = p;
        }
        t.name = QByteArrayView(nameBegin, p - nameBegin);
        t.local = colon ? QByteArrayView(colon + 1, p - colon - 1) : t.name;
        if (t.name.isEmpty() || t.local.isEmpty() || isNameStartForbidden(t.name[0]))
            return fail();
        t.attributes = p;
        if (t.isEnd) {
            while (p < m_end && isBlank(*p))
                ++p;
            if (p == m_end || *p != '>')
                return fail();
            t.attributesEnd = p;
            t.selfClosing = false;
            t.finish = m_p = p + 1;
            return true;
        }
        for (;;) {
            const char* blank = p;
            while (p < m_end && isBlank(*p))
                ++p;
            if (p == m_end)
                return fail();
            if (*p == '>' || *p == '/') {
                t.selfClosing = *p == '/';
                if (t.selfClosing && (p + 1 == m_end || p[1] != '>'))
                    return fail();
                t.attributesEnd = p;
                t.finish = m_p = p + (t.selfClosing ? 2 : 1);
                return true;
            }
            if (p == blank)
                return fail(); // attributes stand apart
            const char* attributeName = p;
            for (; p < m_end && *p != '='; ++p) {
                const unsigned char kind = kNameStop[static_cast<unsigned char>(*p)];
                if (kind == kBad || (kind == kStop && !isBlank(*p)))
                    return fail();
                if (kind == kStop)
                    break;
            }
            if (p == attributeName)
                return fail();
            while (p < m_end && isBlank(*p))
                ++p;
            if (p == m_end || *p != '=')
                return fail();
            ++p;
            while (p < m_end && isBlank(*p))
                ++p;
            if (p == m_end || (*p != '"' && *p != '\''))
                return fail();
            const char quote = *p++;
            if (!skipText(p, quote) || p == m_end)
                return fail();
            ++p;
        }
    }

    // Through the end of the element whose start tag next() gave last, when
    // its content is dropped: only its tags matter, so the scan jumps from one
    // "<" to the next. formula tells whether an element "f" stands inside.
    bool skipDropped(QByteArrayView name, bool& formula)
    {
        m_open.clear();
        m_open.push_back(name);
        const char* p = m_p;
        for (;;) {
            p = static_cast<const char*>(std::memchr(p, '<', static_cast<size_t>(m_end - p)));
            if (!p || ++p == m_end || *p == '!' || *p == '?')
                return fail();
            if (*p == '/') {
                const QByteArrayView top = m_open.back();
                ++p;
                if (m_end - p <= top.size() || std::memcmp(p, top.data(), static_cast<size_t>(top.size())) != 0)
                    return fail();
                p += top.size();
                while (p < m_end && isBlank(*p))
                    ++p;
                if (p == m_end || *p != '>')
                    return fail();
                m_open.pop_back();
                if (m_open.empty()) {
                    m_p = p + 1;
                    return true;
                }
                continue;
            }
            const char* nameBegin = p;
            const char* colon = nullptr;
            for (; p < m_end && kNameStop[static_cast<unsigned char>(*p)] == kName; ++p) {
                if (*p == ':' && !colon)
                    colon = p;
            }
            if (p == nameBegin || p == m_end || kNameStop[static_cast<unsigned char>(*p)] == kBad)
                return fail();
            const QByteArrayView tagName(nameBegin, p - nameBegin);
            if (is(colon ? QByteArrayView(colon + 1, p - colon - 1) : tagName, "f"))
                formula = true;
            for (char quote = 0; p < m_end && (quote || *p != '>'); ++p) {
                if (*p == '<')
                    return fail();
                if (quote && *p == quote)
                    quote = 0;
                else if (!quote && (*p == '"' || *p == '\''))
                    quote = *p;
            }
            if (p == m_end)
                return fail();
            if (p[-1] != '/')
                m_open.push_back(tagName);
            ++p;
        }
    }

    // The next attribute of a tag that next() gave, from p on.
    static bool nextAttribute(const char*& p, const char* end, Attribute& a)
    {
        a.begin = p;
        while (p < end && isBlank(*p))
            ++p;
        if (p >= end)
            return false;
        const char* name = p;
        while (!isBlank(*p) && *p != '=')
            ++p;
        const QByteArrayView qualified(name, p - name);
        const qsizetype colon = qualified.indexOf(':');
        a.local = colon < 0 ? qualified : qualified.sliced(colon + 1);
        while (*p != '"' && *p != '\'')
            ++p;
        const char* close = static_cast<const char*>(std::memchr(p + 1, *p, static_cast<size_t>(end - p - 1)));
        a.value = QByteArrayView(p + 1, close - p - 1);
        p = a.end = close + 1;
        return true;
    }

private:
    static bool isNameStartForbidden(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '.'; }

    // Text from p up to the stop character or the end: no "<" before it,
    // and every "&" a reference.
    bool skipText(const char*& p, char stop) const
    {
        for (; p < m_end; ++p) {
            const char c = *p;
            if (c == stop)
                return true;
            if (c == '<')
                return false;
            if (c == '&') {
                const char* after = nullptr;
                if (!isReference(p, m_end, after))
                    return false;
                p = after - 1;
            }
        }
        return true;
    }

    enum : unsigned char { kName, kStop, kBad };
    // Where a name ends, and what can never stand in one.
    static constexpr std::array<unsigned char, 256> kNameStop = [] {
        std::array<unsigned char, 256> table{};
        for (const unsigned char c : {' ', '\t', '\n', '\r', '>', '/'})
            table[c] = kStop;
        for (const unsigned char c : {'<', '=', '"', '\'', '&'})
            table[c] = kBad;
        return table;
    }();

    bool fail()
    {
        m_unsure = true;
        return false;
    }

    const char* m_p;
    const char* m_end;
    bool m_unsure = false;
    std::vector<QByteArrayView> m_open;
};

struct Range {
    int firstRow = INT_MAX, firstColumn = INT_MAX, lastRow = 0, lastColumn = 0;

    void add(int row, int column)
    {
        firstRow = std::min(firstRow, row);
        lastRow = std::max(lastRow, row);
        firstColumn = std::min(firstColumn, column);
        lastColumn = std::max(lastColumn, column);
    }
    // "A1:Q11" or "A1"; false when the text is neither.
    bool add(QStringView ref)
    {
        const qsizetype colon = ref.indexOf(u':');
        const auto first = cellReference(colon < 0 ? ref : ref.left(colon));
        const auto last = colon < 0 ? first : cellReference(ref.mid(colon + 1));
        if (!first || !last)
            return false;
        add(first->first, first->second);
        add(last->first, last->second);
        return true;
    }
    QString text() const
    {
        const QString first = cellName(firstRow, firstColumn);
        const QString last = cellName(lastRow, lastColumn);
        return first == last ? first : first + u':' + last;
    }
};

// What a save writes into the sheet.
struct SheetChanges {
    const std::map<quint64, QString>& written;
    int writtenMinColumn;
    int writtenMaxColumn;
    int clearedFrom;
    int clearedColumns;

    bool clears(int row) const { return clearedColumns > 0 && row >= clearedFrom; }
};

// The sheet with the changes merged in, by bytes: whatever the merge does not
// change is copied as it stands, and only the replaced cells are written.
// Where the scan cannot be sure of the sheet it gives up (nullopt) and the
// XML reader's merge decides.
class ByteSheetMerge {
public:
    ByteSheetMerge(const QByteArray& sheet, const SheetChanges& changes)
        : m_data(sheet), m_changes(changes), m_it(changes.written.begin()), m_end(changes.written.end())
    {
    }

    std::optional<QByteArray> run(bool& formulasReplaced)
    {
        const char* p = m_data.constData();
        const char* const end = p + m_data.size();
        if (!isXmlUtf8(m_data))
            return std::nullopt;
        if (m_data.startsWith("\xEF\xBB\xBF"))
            p += 3;
        if (QByteArrayView(p, end - p).startsWith("<?xml") && end - p > 5 && isBlank(p[5])) {
            const qsizetype close = QByteArrayView(p, end - p).indexOf("?>");
            if (close < 0 || !isUtf8Declaration(QByteArrayView(p, close)))
                return std::nullopt;
            p += close + 2;
        }
        m_pending = m_data.constData();
        m_out.reserve(m_data.size() + 64 * static_cast<qsizetype>(m_changes.written.size()));

        ByteScanner scan(p, end);
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
                if (!is(t.local, "row")) {
                    if (!passElement(t))
                        return std::nullopt;
                    continue;
                }
                QByteArrayView number, style, custom;
                const char* a = t.attributes;
                for (Attribute at; ByteScanner::nextAttribute(a, t.attributesEnd, at);) {
                    if (is(at.local, "r"))
                        number = at.value;
                    else if (is(at.local, "s"))
                        style = at.value;
                    else if (is(at.local, "customFormat"))
                        custom = at.value;
                }
                const auto n = number.isEmpty() ? (row < kMaxRows ? std::optional<int>(row + 1) : std::nullopt)
                                                : rowNumber(number);
                if (!n || *n <= row)
                    return std::nullopt;
                row = *n;
                column = 0;
                flush(t.begin);
                writeRowsBefore(row);
                rowStyle = (is(custom, "1") || is(custom, "true")) ? style : QByteArrayView();
                if (!isPlainValue(rowStyle))
                    return std::nullopt;
                const bool changed = (m_it != m_end && rowOfKey(m_it->first) == row) || m_changes.clears(row);
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
                for (Attribute at; ByteScanner::nextAttribute(a, t.attributesEnd, at);) {
                    if (!is(at.local, "r") && !is(at.local, "spans"))
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
            if (!is(t.local, "c")) {
                if (!passElement(t))
                    return std::nullopt;
                continue;
            }
            QByteArrayView ref, style;
            const char* a = t.attributes;
            for (Attribute at; ByteScanner::nextAttribute(a, t.attributesEnd, at);) {
                if (is(at.local, "r"))
                    ref = at.value;
                else if (is(at.local, "s"))
                    style = at.value;
            }
            int c = column + 1;
            if (!ref.isEmpty()) {
                const auto cr = cellReference(ref);
                if (!cr || cr->first != row)
                    return std::nullopt;
                c = cr->second;
            }
            if (c <= column || c > kMaxColumns)
                return std::nullopt;
            column = c;
            flush(t.begin);
            writeCellsBefore(row, column, rowStyle);
            const bool written = m_it != m_end && m_it->first == cellKey(row, column);
            if (written || (m_changes.clears(row) && column <= m_changes.clearedColumns)) {
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
                appendCellName(row, column);
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

private:
    using Tag = ByteScanner::Tag;
    using Attribute = ByteScanner::Attribute;
    static constexpr int kMaxRows = Workbook::kMaxRows;
    static constexpr int kMaxColumns = Workbook::kMaxColumns;

    struct ColumnStyle {
        int first, last;
        QByteArrayView style;
    };

    static bool isBlankOnly(const char* p, const char* end)
    {
        for (; p < end; ++p) {
            if (!isBlank(*p))
                return false;
        }
        return true;
    }

    // A value that can be written between double quotes as it stands.
    static bool isPlainValue(QByteArrayView v)
    {
        for (const char c : v) {
            if (c == '&' || c == '"' || c == '\'')
                return false;
        }
        return true;
    }

    static bool isUtf8Declaration(QByteArrayView declaration)
    {
        const qsizetype at = declaration.indexOf("encoding");
        if (at < 0)
            return true;
        const char* p = declaration.data() + at + 8;
        const char* end = declaration.data() + declaration.size();
        while (p < end && (isBlank(*p) || *p == '='))
            ++p;
        if (p == end || (*p != '"' && *p != '\''))
            return false;
        const char* close = static_cast<const char*>(std::memchr(p + 1, *p, static_cast<size_t>(end - p - 1)));
        return close && QByteArrayView(p + 1, close - p - 1).compare("UTF-8", Qt::CaseInsensitive) == 0;
    }

    // Bytes from the last copy up to p go out as they stand.
    void flush(const char* p)
    {
        if (p != m_pending)
            m_out.append(m_pending, p - m_pending);
        m_pending = p;
    }

    // Through the end of the element that t starts; m_passedTo is after it.
    bool passElement(const Tag& t)
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

    bool rewriteDimension(const Tag& t)
    {
        const char* a = t.attributes;
        for (Attribute at; ByteScanner::nextAttribute(a, t.attributesEnd, at);) {
            if (at.local != "ref")
                continue;
            if (!isPlainValue(at.value))
                return false;
            Range used;
            used.add(QString::fromLatin1(at.value));
            used.add(rowOfKey(m_changes.written.begin()->first), m_changes.writtenMinColumn);
            used.add(rowOfKey(m_changes.written.rbegin()->first), m_changes.writtenMaxColumn);
            flush(at.value.data());
            m_out += used.text().toLatin1();
            m_pending = at.value.data() + at.value.size();
        }
        return true;
    }

    bool addColumnStyle(const Tag& t)
    {
        QByteArrayView min, max, style;
        const char* a = t.attributes;
        for (Attribute at; ByteScanner::nextAttribute(a, t.attributesEnd, at);) {
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

    // A new cell takes the format of its row, else of its column, as a typed one would.
    QByteArrayView styleFor(QByteArrayView rowStyle, int column) const
    {
        if (!rowStyle.isEmpty())
            return rowStyle;
        for (const ColumnStyle& cs : m_columnStyles) {
            if (column >= cs.first && column <= cs.last)
                return cs.style;
        }
        return {};
    }

    void appendRowNumber(int row)
    {
        m_out += " r=\"";
        m_out += QByteArray::number(row);
        m_out += '"';
    }

    void appendCellName(int row, int column)
    {
        char letters[3];
        int n = 0;
        for (int c = column; c > 0 && n < 3; c = (c - 1) / 26)
            letters[n++] = static_cast<char>('A' + (c - 1) % 26);
        while (n > 0)
            m_out += letters[--n];
        m_out += QByteArray::number(row);
    }

    void closeTag(QByteArrayView name)
    {
        m_out += "</";
        m_out.append(name);
        m_out += '>';
    }

    void writeCell(int row, int column, const QString& text, QByteArrayView style)
    {
        m_out += '<';
        m_out.append(m_prefix);
        m_out += "c r=\"";
        appendCellName(row, column);
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
        appendTextUtf8(m_out, text);
        m_out += "</";
        m_out.append(m_prefix);
        m_out += "t></";
        m_out.append(m_prefix);
        m_out += "is></";
        m_out.append(m_prefix);
        m_out += "c>";
    }

    // Written cells of row before the given column.
    void writeCellsBefore(int row, int column, QByteArrayView rowStyle)
    {
        for (; m_it != m_end && rowOfKey(m_it->first) == row && columnOfKey(m_it->first) < column; ++m_it)
            writeCell(row, columnOfKey(m_it->first), m_it->second, styleFor(rowStyle, columnOfKey(m_it->first)));
    }

    void writeRowsBefore(int row)
    {
        while (m_it != m_end && rowOfKey(m_it->first) < row) {
            const int newRow = rowOfKey(m_it->first);
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

    const QByteArray& m_data;
    const SheetChanges& m_changes;
    std::map<quint64, QString>::const_iterator m_it;
    const std::map<quint64, QString>::const_iterator m_end;
    ByteScanner* m_scan = nullptr;
    QByteArray m_out;
    const char* m_pending = nullptr;
    const char* m_passedTo = nullptr;
    QByteArrayView m_prefix;
    std::vector<ColumnStyle> m_columnStyles;
    std::vector<QByteArrayView> m_inner;
};

} // namespace

XlsxWorkbook::XlsxWorkbook(const QString& path) : m_path(path) { openPackage(); }

XlsxWorkbook::~XlsxWorkbook() = default;

void XlsxWorkbook::openPackage()
{
    m_zip = std::make_unique<ZipArchive>(m_path, ZipArchive::Mode::Read);
    m_cells.reset();

    m_workbookPart = QStringLiteral("xl/workbook.xml");
    for (const Relationship& rel : readRelationships(*m_zip, QStringLiteral("_rels/.rels"), QString())) {
        if (hasType(rel, QLatin1String("officeDocument"))) {
            m_workbookPart = rel.target;
            break;
        }
    }
    if (!m_zip->contains(m_workbookPart))
        damaged(m_path, QStringLiteral("no workbook part"));

    // The active sheet: the workbook view's active tab, counted over the sheets in order.
    const QByteArray workbook = m_zip->read(m_workbookPart, kMaxSmallPartBytes);
    Reader r(workbook);
    int activeTab = -1;
    QStringList sheetIds;
    while (advance(r, m_workbookPart)) {
        if (!r.isStartElement())
            continue;
        if (r.name() == QLatin1String("workbookView") && activeTab < 0)
            activeTab = std::max(0, attribute(r, u"activeTab").toInt());
        else if (r.name() == QLatin1String("sheet"))
            sheetIds << sheetRelationshipId(r);
    }
    if (sheetIds.isEmpty())
        damaged(m_workbookPart, QStringLiteral("no sheet"));
    if (activeTab < 0 || activeTab >= sheetIds.size())
        activeTab = 0;

    m_workbookRelsPart = relationshipsOf(m_workbookPart);
    m_sheetPart.clear();
    m_sharedStringsPart.clear();
    m_calcChainPart.clear();
    for (const Relationship& rel : readRelationships(*m_zip, m_workbookRelsPart, folderOf(m_workbookPart))) {
        if (rel.id == sheetIds[activeTab]) {
            if (!hasType(rel, QLatin1String("worksheet")))
                throw RuntimeError(ErrorKind::InputOutput,
                                   QStringLiteral("%1: the active sheet holds no cells").arg(m_path));
            m_sheetPart = rel.target;
        } else if (hasType(rel, QLatin1String("sharedStrings"))) {
            m_sharedStringsPart = rel.target;
        } else if (hasType(rel, QLatin1String("calcChain"))) {
            m_calcChainPart = rel.target;
        }
    }
    if (m_sheetPart.isEmpty() || !m_zip->contains(m_sheetPart))
        damaged(m_workbookPart, QStringLiteral("the active sheet's part is missing"));
    if (!m_sharedStringsPart.isEmpty() && !m_zip->contains(m_sharedStringsPart))
        m_sharedStringsPart.clear();
}

QStringList XlsxWorkbook::readSharedStrings(const ZipArchive& zip) const
{
    QStringList strings;
    if (m_sharedStringsPart.isEmpty())
        return strings;
    const QByteArray data = zip.read(m_sharedStringsPart, kMaxSheetBytes);
    Reader r(data);
    r.setNamespaceProcessing(false);
    while (advance(r, m_sharedStringsPart)) {
        if (r.isStartElement() && tag(r) == u"si")
            strings << richText(r, m_sharedStringsPart);
    }
    return strings;
}

void XlsxWorkbook::loadCells()
{
    const QString& where = m_sheetPart;
    const QByteArray data = m_zip->read(m_sheetPart, kMaxSheetBytes);
    const QStringList shared = readSharedStrings(*m_zip);
    QHash<quint64, WorkbookCell> cells;
    cells.reserve(data.size() / 64); // about one cell in that many bytes

    Reader r(data);
    r.setNamespaceProcessing(false);
    bool inSheetData = false;
    int row = 0;
    int column = 0;
    while (advance(r, where)) {
        if (r.isEndElement() && tag(r) == u"sheetData") {
            inSheetData = false;
            continue;
        }
        if (!r.isStartElement())
            continue;
        if (!inSheetData) {
            inSheetData = tag(r) == u"sheetData";
            continue;
        }
        const QXmlStreamAttributes attrs = r.attributes();
        if (tag(r) == u"row") {
            // Rows and cells stand in ascending order; a missing number continues it.
            const QStringView number = plainAttribute(attrs, QLatin1StringView("r"));
            const auto n = number.isEmpty() ? (row < kMaxRows ? std::optional<int>(row + 1) : std::nullopt)
                                            : rowNumber(number);
            if (!n || *n <= row)
                damaged(where, QStringLiteral("row %1 after row %2").arg(number).arg(row));
            row = *n;
            column = 0;
            continue;
        }
        if (tag(r) != u"c") {
            r.skipCurrentElement();
            continue;
        }
        const QStringView ref = plainAttribute(attrs, QLatin1StringView("r"));
        int c = column + 1;
        if (!ref.isEmpty()) {
            const auto cr = cellReference(ref);
            if (!cr || cr->first != row)
                damaged(where, QStringLiteral("cell reference %1 in row %2").arg(ref).arg(row));
            c = cr->second;
        }
        if (row == 0 || c <= column || c > kMaxColumns)
            damaged(where, QStringLiteral("cell %1 out of order").arg(ref));
        column = c;

        const QStringView type = plainAttribute(attrs, QLatin1StringView("t"));
        QString value;
        bool hasValue = false;
        QString inlineText;
        for (int depth = 1; depth > 0 && advance(r, where);) {
            if (r.isStartElement()) {
                if (tag(r) == u"v") {
                    value = leafText(r, where);
                    hasValue = true;
                } else if (tag(r) == u"is") {
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
                damaged(where, QStringLiteral("shared string %1 of %2").arg(value).arg(shared.size()));
            cell = WorkbookCell::ofText(shared[index]);
        } else if (type == QLatin1String("inlineStr")) {
            cell = WorkbookCell::ofText(hasValue ? decodeEscapes(value) : inlineText);
        } else if (type == QLatin1String("str") || type == QLatin1String("e") || type == QLatin1String("d")) {
            cell = WorkbookCell::ofText(decodeEscapes(value));
        } else if (type == QLatin1String("b")) {
            if (hasValue)
                cell = WorkbookCell::ofText(value.trimmed() == QLatin1String("1") ? QStringLiteral("TRUE")
                                                                                 : QStringLiteral("FALSE"));
        } else if (type.isEmpty() || type == QLatin1String("n")) {
            if (hasValue && !value.trimmed().isEmpty()) {
                const auto number = Numbers::tryParse(value);
                if (!number || !std::isfinite(*number))
                    damaged(where, QStringLiteral("cell %1 holds no number").arg(cellName(row, column)));
                cell = WorkbookCell::ofNumber(*number);
            }
        } else {
            damaged(where, QStringLiteral("cell type %1").arg(type));
        }
        if (cell.kind == WorkbookCell::Kind::Text && cell.text.isEmpty())
            continue;
        if (!cell.isEmpty())
            cells.insert(cellKey(row, column), cell);
    }
    m_cells = std::move(cells);
}

WorkbookCell XlsxWorkbook::cell(int row, int column)
{
    checkCellIndex(row, column);
    if (!m_cells)
        loadCells();
    return m_cells->value(cellKey(row, column));
}

void XlsxWorkbook::setText(int row, int column, const QString& text)
{
    checkCellIndex(row, column);
    m_written[cellKey(row, column)] = text;
    m_writtenMinColumn = std::min(m_writtenMinColumn, column);
    m_writtenMaxColumn = std::max(m_writtenMaxColumn, column);
}

void XlsxWorkbook::clearRowsFrom(int firstRow, int lastColumn)
{
    checkCellIndex(firstRow, lastColumn);
    m_clearedFrom = firstRow;
    m_clearedColumns = lastColumn;
}

QByteArray XlsxWorkbook::mergedSheet(const QByteArray& sheet, bool& formulasReplaced) const
{
    const QString& where = m_sheetPart;
    XmlCopier x(sheet, where);
    Reader& r = x.r;
    QXmlStreamWriter& w = x.w;

    QString prefix; // of the sheet's own elements ("x:" where the sheet uses one)
    struct ColumnStyle {
        int first, last;
        QString style;
    };
    std::vector<ColumnStyle> columnStyles;
    auto it = m_written.begin();
    const auto end = m_written.end();

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
        appendCellName(out, row, column);
        out += u'"';
        if (!style.isEmpty()) {
            out += QStringView(u" s=\"");
            appendText(out, style);
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
        appendText(out, text);
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
        for (; it != end && rowOfKey(it->first) == row && columnOfKey(it->first) < column; ++it)
            writeCell(row, columnOfKey(it->first), it->second, styleFor(rowStyle, columnOfKey(it->first)));
    };
    auto writeRowsBefore = [&](int row) {
        while (it != end && rowOfKey(it->first) < row) {
            const int newRow = rowOfKey(it->first);
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

    auto clears = [&](int row) { return m_clearedColumns > 0 && row >= m_clearedFrom; };

    enum class State { Before, InSheetData, InRow, After } state = State::Before;
    int depth = 0;
    int row = 0;
    int column = 0;
    QString rowStyle;
    while (x.next()) {
        if (r.isStartElement()) {
            const QString qualified = r.qualifiedName().toString();
            const QStringView local = localName(qualified);
            if (state == State::Before || state == State::After) {
                ++depth;
                if (state == State::Before && depth == 2 && local == u"sheetData") {
                    prefix = qualified.left(qualified.size() - local.size());
                    state = State::InSheetData;
                    x.copyToken();
                } else if (state == State::Before && depth == 2 && local == u"dimension" && it != end) {
                    Range used;
                    used.add(attribute(r, u"ref"));
                    used.add(rowOfKey(m_written.begin()->first), m_writtenMinColumn);
                    used.add(rowOfKey(m_written.rbegin()->first), m_writtenMaxColumn);
                    w.writeStartElement(qualified);
                    for (const QXmlStreamAttribute& a : r.attributes()) {
                        w.writeAttribute(a.qualifiedName().toString(),
                                         a.qualifiedName() == u"ref" ? used.text() : a.value().toString());
                    }
                } else if (state == State::Before && depth == 3 && local == u"col") {
                    const QString style = attribute(r, u"style");
                    if (!style.isEmpty())
                        columnStyles.push_back({attribute(r, u"min").toInt(), attribute(r, u"max").toInt(), style});
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
                const QString number = attribute(r, u"r");
                const auto n = number.isEmpty() ? (row < kMaxRows ? std::optional<int>(row + 1) : std::nullopt)
                                                : rowNumber(number);
                if (!n || *n <= row)
                    damaged(where, QStringLiteral("row %1 after row %2").arg(number).arg(row));
                row = *n;
                column = 0;
                writeRowsBefore(row);
                const QString custom = attribute(r, u"customFormat");
                rowStyle = (custom == u"1" || custom == u"true") ? attribute(r, u"s") : QString();
                const bool changed = (it != end && rowOfKey(it->first) == row) || clears(row);
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
                const QString ref = attribute(r, u"r");
                int c = column + 1;
                if (!ref.isEmpty()) {
                    const auto cr = cellReference(ref);
                    if (!cr || cr->first != row)
                        damaged(where, QStringLiteral("cell reference %1 in row %2").arg(ref).arg(row));
                    c = cr->second;
                }
                if (c <= column || c > kMaxColumns)
                    damaged(where, QStringLiteral("cell %1 out of order").arg(ref));
                column = c;
                writeCellsBefore(row, column, rowStyle);
                if (it != end && it->first == cellKey(row, column)) {
                    // The written text replaces the cell, which keeps its format.
                    const QString style = attribute(r, u"s");
                    x.skipRest([&](QStringView inner) {
                        if (inner == u"f")
                            formulasReplaced = true;
                    });
                    writeCell(row, column, it->second, style);
                    ++it;
                } else if (clears(row) && column <= m_clearedColumns) {
                    const QString style = attribute(r, u"s");
                    x.skipRest([&](QStringView inner) {
                        if (inner == u"f")
                            formulasReplaced = true;
                    });
                    if (!style.isEmpty())
                        writeCell(row, column, QString(), style);
                } else {
                    w.writeStartElement(qualified);
                    w.writeAttribute(QStringLiteral("r"), cellName(row, column));
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
        damaged(where, QStringLiteral("no sheet data"));
    return x.result();
}

void XlsxWorkbook::dropCalcChain(ZipArchive& zip) const
{
    // The calculation chain lists the formula cells; one that lost its
    // formula would make the file need repair, and the chain is rebuilt
    // when missing.
    if (m_calcChainPart.isEmpty() || !zip.contains(m_calcChainPart))
        return;
    zip.remove(m_calcChainPart);
    const QByteArray rels = zip.read(m_workbookRelsPart, kMaxSmallPartBytes);
    zip.replace(m_workbookRelsPart, withoutElements(rels, m_workbookRelsPart, [](const Reader& r) {
                    return localName(r.qualifiedName()) == u"Relationship" &&
                           attribute(r, u"Type").endsWith(QLatin1String("/calcChain"), Qt::CaseInsensitive);
                }));
    const QString types = QStringLiteral("[Content_Types].xml");
    if (zip.contains(types)) {
        const QString partName = u'/' + m_calcChainPart;
        zip.replace(types, withoutElements(zip.read(types, kMaxSmallPartBytes), types, [&](const Reader& r) {
                        return localName(r.qualifiedName()) == u"Override" &&
                               attribute(r, u"PartName").compare(partName, Qt::CaseInsensitive) == 0;
                    }));
    }
}

void XlsxWorkbook::save()
{
    if (m_written.empty() && m_clearedColumns == 0)
        return;
    ZipArchive zip(m_path, ZipArchive::Mode::Update);
    bool formulasReplaced = false;
    const QByteArray sheet = zip.read(m_sheetPart, kMaxSheetBytes);
    const SheetChanges changes{m_written, m_writtenMinColumn, m_writtenMaxColumn, m_clearedFrom, m_clearedColumns};
    std::optional<QByteArray> bytes = ByteSheetMerge(sheet, changes).run(formulasReplaced);
    if (!bytes)
        formulasReplaced = false;
    const QByteArray merged = bytes ? std::move(*bytes) : mergedSheet(sheet, formulasReplaced);
    // A sheet that this reader would refuse is never written.
    if (merged.size() > kMaxSheetBytes)
        throw RuntimeError(ErrorKind::Capacity, QStringLiteral("%1: the sheet grows too large").arg(m_path));
    zip.replace(m_sheetPart, merged);
    if (formulasReplaced)
        dropCalcChain(zip);
    zip.commit();
    m_written.clear();
    m_writtenMinColumn = kMaxColumns;
    m_writtenMaxColumn = 0;
    m_clearedFrom = 0;
    m_clearedColumns = 0;
    openPackage();
}
