#include "exchange/core/XlsxByteScanner.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace {

enum : unsigned char { kName, kStop, kBad };

// Where a name ends, and what the scan does not take in one: names of
// letters, digits, "_", ":", "-" and "." are all a sheet uses.
constexpr std::array<unsigned char, 256> kNameStop = [] {
    std::array<unsigned char, 256> table{};
    table.fill(kBad);
    for (int c = 0; c < 128; ++c) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == ':' ||
            c == '-' || c == '.')
            table[static_cast<size_t>(c)] = kName;
    }
    for (const unsigned char c : {' ', '\t', '\n', '\r', '>', '/'})
        table[c] = kStop;
    return table;
}();

// What a run of text stops at: its end, a tag, a reference, a quote, or a
// "]" that may begin "]]>".
constexpr std::array<bool, 256> kTextStop = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {'<', '&', ']', '"', '\''})
        table[c] = true;
    return table;
}();

bool isNameStartForbidden(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '.'; }

// "&...;" at p is one of XML's five named references or a character
// reference to a character XML allows; end is after it.
bool isReference(const char* p, const char* end, const char*& after)
{
    const size_t window = static_cast<size_t>(std::min<qsizetype>(end - p, 12));
    const char* semi = static_cast<const char*>(std::memchr(p, ';', window));
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

} // namespace

// Inlined where the scan spends its time: most text runs end at the next tag.
inline bool XlsxByteScanner::skipText(const char*& p, char stop) const
{
    while (p < m_end && !kTextStop[static_cast<unsigned char>(*p)])
        ++p;
    return p == m_end || *p == stop || skipSpecialText(p, stop);
}

bool XlsxByteScanner::skipSpecialText(const char*& p, char stop) const
{
    for (;;) {
        while (p < m_end && !kTextStop[static_cast<unsigned char>(*p)])
            ++p;
        if (p == m_end || *p == stop)
            return true;
        const char c = *p;
        if (c == '<')
            return false;
        if (c == '&') {
            const char* after = nullptr;
            if (!isReference(p, m_end, after))
                return false;
            p = after;
            continue;
        }
        if (c == ']' && stop == '<' && m_end - p >= 3 && p[1] == ']' && p[2] == '>')
            return false; // ends a CDATA section that never began
        ++p;
    }
}

inline bool XlsxByteScanner::scanName(const char*& p, QByteArrayView& name, QByteArrayView& local) const
{
    const char* begin = p;
    const char* colon = nullptr;
    for (; p < m_end; ++p) {
        const unsigned char kind = kNameStop[static_cast<unsigned char>(*p)];
        if (kind == kStop)
            break;
        if (kind == kBad)
            return false;
        if (*p == ':' && !colon)
            colon = p;
    }
    name = QByteArrayView(begin, p - begin);
    local = colon ? QByteArrayView(colon + 1, p - colon - 1) : name;
    return p < m_end && !name.isEmpty() && !local.isEmpty() && !isNameStartForbidden(name[0]);
}

bool XlsxByteScanner::scanAttributes(const char*& p, const char*& end, bool& selfClosing)
{
    m_attributeNames.clear();
    for (;;) {
        const char* blank = p;
        while (p < m_end && isBlank(*p))
            ++p;
        if (p == m_end)
            return false;
        if (*p == '>' || *p == '/') {
            selfClosing = *p == '/';
            if (selfClosing && (p + 1 == m_end || p[1] != '>'))
                return false;
            end = p;
            p += selfClosing ? 2 : 1;
            return true;
        }
        if (p == blank)
            return false; // attributes stand apart
        const char* attributeName = p;
        for (; p < m_end && *p != '='; ++p) {
            const unsigned char kind = kNameStop[static_cast<unsigned char>(*p)];
            if (kind == kBad || (kind == kStop && !isBlank(*p)))
                return false;
            if (kind == kStop)
                break;
        }
        const QByteArrayView attribute(attributeName, p - attributeName);
        if (attribute.isEmpty() || isNameStartForbidden(attribute[0]))
            return false;
        for (const QByteArrayView& earlier : m_attributeNames) {
            if (earlier == attribute)
                return false; // an attribute given twice
        }
        m_attributeNames.push_back(attribute);
        while (p < m_end && isBlank(*p))
            ++p;
        if (p == m_end || *p != '=')
            return false;
        ++p;
        while (p < m_end && isBlank(*p))
            ++p;
        if (p == m_end || (*p != '"' && *p != '\''))
            return false;
        const char quote = *p++;
        if (!skipText(p, quote) || p == m_end)
            return false;
        ++p;
    }
}

bool XlsxByteScanner::next(Tag& t)
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
    if (p == m_end)
        return fail();
    t.isEnd = *p == '/';
    if (t.isEnd)
        ++p;
    if (!scanName(p, t.name, t.local))
        return fail(); // a comment, a processing instruction and CDATA begin with no name
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
    if (!scanAttributes(p, t.attributesEnd, t.selfClosing))
        return fail();
    t.finish = m_p = p;
    return true;
}

bool XlsxByteScanner::skipDropped(QByteArrayView name, bool& formula)
{
    // The same checks as next(), in one loop: most of an earlier export is dropped.
    m_open.clear();
    m_open.push_back(name);
    const char* p = m_p;
    for (;;) {
        if (!skipText(p, '<') || p == m_end || ++p == m_end)
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
            ++p;
            m_open.pop_back();
            if (m_open.empty()) {
                m_p = p;
                return true;
            }
            continue;
        }
        QByteArrayView tagName, local;
        if (!scanName(p, tagName, local))
            return fail();
        formula = formula || is(local, "f");
        bool selfClosing = false;
        if (*p == '>') {
            ++p;
        } else {
            const char* attributesEnd = nullptr;
            if (!scanAttributes(p, attributesEnd, selfClosing))
                return fail();
        }
        if (!selfClosing)
            m_open.push_back(tagName);
    }
}

bool XlsxByteScanner::isXmlUtf8(QByteArrayView data)
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
