#include "exchange/core/XlsxByteScanner.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace {

enum : unsigned char { kName, kStop, kBad };

// Where a name ends, and what can never stand in one.
constexpr std::array<unsigned char, 256> kNameStop = [] {
    std::array<unsigned char, 256> table{};
    for (const unsigned char c : {' ', '\t', '\n', '\r', '>', '/'})
        table[c] = kStop;
    for (const unsigned char c : {'<', '=', '"', '\'', '&'})
        table[c] = kBad;
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

bool XlsxByteScanner::skipDropped(QByteArrayView name, bool& formula)
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

bool XlsxByteScanner::skipText(const char*& p, char stop) const
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
