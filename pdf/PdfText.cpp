#include "pdf/PdfText.h"

#include "platform/RuntimeError.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3};
constexpr std::uint64_t kPow10Int[] = {1, 10, 100, 1000};
// With at most 3 places every scaled value below kWholeLimit fits 64 bits.
constexpr int kMaxDigits = 3;
// Below this a scaled value is held exactly enough by a double.
constexpr double kExactLimit = 4.0e15;
// From here on every double is a whole number (2^53).
constexpr double kWholeLimit = 9007199254740992.0;

// Below 2^52, adding and taking away 2^52 leaves the nearest whole number,
// a half going to the even one (the default rounding mode), without a call
// into the maths library: this is the writer's busiest line.
std::int64_t roundHalfEven(double x)
{
    constexpr double kShift = 4503599627370496.0; // 2^52
    const double r = x >= 0 ? (x + kShift) - kShift : -((-x + kShift) - kShift);
    return static_cast<std::int64_t>(r);
}

// Digits of u, most significant first, written backwards from end; returns the new start.
char* writeDigits(char* end, std::uint64_t u)
{
    do {
        *--end = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u != 0);
    return end;
}

} // namespace

void PdfText::appendNum(std::string& out, double value, int digits)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrorKind::Argument, QStringLiteral("a PDF number must be finite"));
    if (digits < 0 || digits > kMaxDigits)
        throw RuntimeError(ErrorKind::Argument, QStringLiteral("%1 decimal places are not supported").arg(digits));

    // Scaled to a whole number of the last place; halves go to the even
    // neighbour in the default rounding mode. Long double covers the range
    // where a double could not hold every digit of the scaled value.
    const double scaled = value * kPow10[digits];
    std::int64_t r = 0;
    if (std::fabs(scaled) < kExactLimit)
        r = roundHalfEven(scaled);
    else if (std::fabs(value) < kWholeLimit)
        r = static_cast<std::int64_t>(std::nearbyint(static_cast<long double>(value) * kPow10[digits]));
    else {
        // So large that a double holds no fraction: its whole digits.
        char buf[400];
        const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
        out.append(buf, static_cast<std::size_t>(res.ptr - buf));
        return;
    }
    if (r == 0) {
        out += '0';
        return;
    }
    const bool negative = r < 0;
    const std::uint64_t u = negative ? 0 - static_cast<std::uint64_t>(r) : static_cast<std::uint64_t>(r);
    // Three places is every caller's case: a division by a constant.
    const std::uint64_t whole = digits == 3 ? u / 1000 : u / kPow10Int[digits];
    std::uint64_t fraction = u - whole * kPow10Int[digits];
    char buf[40];
    char* const end = buf + sizeof buf;
    char* p = end;
    if (fraction != 0) {
        int fractionDigits = digits;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --fractionDigits;
        }
        for (int i = 0; i < fractionDigits; ++i) {
            *--p = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        *--p = '.';
    }
    p = writeDigits(p, whole);
    if (negative)
        *--p = '-';
    out.append(p, static_cast<std::size_t>(end - p));
}

QByteArray PdfText::FormatNum(double value, int digits)
{
    std::string s;
    appendNum(s, value, digits);
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

int PdfText::winAnsiCode(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    switch (c) {
    case 0x20AC: return 0x80;
    case 0x201A: return 0x82;
    case 0x0192: return 0x83;
    case 0x201E: return 0x84;
    case 0x2026: return 0x85;
    case 0x2020: return 0x86;
    case 0x2021: return 0x87;
    case 0x02C6: return 0x88;
    case 0x2030: return 0x89;
    case 0x0160: return 0x8A;
    case 0x2039: return 0x8B;
    case 0x0152: return 0x8C;
    case 0x017D: return 0x8E;
    case 0x2018: return 0x91;
    case 0x2019: return 0x92;
    case 0x201C: return 0x93;
    case 0x201D: return 0x94;
    case 0x2022: return 0x95;
    case 0x2013: return 0x96;
    case 0x2014: return 0x97;
    case 0x02DC: return 0x98;
    case 0x2122: return 0x99;
    case 0x0161: return 0x9A;
    case 0x203A: return 0x9B;
    case 0x0153: return 0x9C;
    case 0x017E: return 0x9E;
    case 0x0178: return 0x9F;
    default: return -1;
    }
}

void PdfText::appendEscaped(std::string& out, QStringView text)
{
    // At most two bytes per character; written in place, then cut to size.
    const std::size_t start = out.size();
    out.resize(start + 2 * static_cast<std::size_t>(text.size()));
    char* p = out.data() + start;
    forEachCode(text, [&p](unsigned char code) {
        if (code == '\\' || code == '(' || code == ')')
            *p++ = '\\';
        *p++ = static_cast<char>(code);
    });
    out.resize(static_cast<std::size_t>(p - out.data()));
}

QByteArray PdfText::EscapeString(QStringView text)
{
    std::string s;
    appendEscaped(s, text);
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

QByteArray PdfText::toWinAnsi(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    forEachCode(text, [&out](unsigned char code) { out += static_cast<char>(code); });
    return out;
}
