#include "platform/Numbers.h"

#include "platform/RuntimeError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The power of ten of the first digit other than 0 (with the exponent), for a
// text tryParse has checked; only its sign is used, so a huge exponent is capped.
long long decimalExponent(const QString& t)
{
    qsizetype i = (t[0] == u'+' || t[0] == u'-') ? 1 : 0;
    long long integerDigits = 0;
    long long digits = 0; // of the integer part and the fraction together
    long long first = -1; // position of the first digit other than 0 among them
    for (bool fraction = false; i < t.size() && (isDigit(t[i]) || (t[i] == u'.' && !fraction)); ++i) {
        if (t[i] == u'.') {
            fraction = true;
            continue;
        }
        if (first < 0 && t[i] != u'0')
            first = digits;
        ++digits;
        if (!fraction)
            ++integerDigits;
    }
    if (first < 0)
        return 0;
    long long exponent = 0;
    if (i < t.size()) { // "e" or "E"
        ++i;
        const bool negative = t[i] == u'-';
        if (t[i] == u'+' || t[i] == u'-')
            ++i;
        for (; i < t.size(); ++i)
            exponent = std::min<long long>(exponent * 10 + (t[i].unicode() - u'0'), 1'000'000'000);
        if (negative)
            exponent = -exponent;
    }
    return integerDigits - 1 - first + exponent;
}

template <typename T>
T checkedRange(double value, double lo, double hi, const char* typeName)
{
    if (std::isnan(value))
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("not a number"));
    const double r = Numbers::roundHalfEven(value);
    if (r < lo || r > hi)
        throw RuntimeError(ErrorKind::Overflow,
                           QStringLiteral("%1 does not fit into %2").arg(Numbers::toText(value), QLatin1String(typeName)));
    return static_cast<T>(r);
}

} // namespace

std::optional<double> Numbers::tryParse(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(t[i])) { ++i; ++digits; }
    if (i < n && t[i] == u'.') {
        ++i;
        while (i < n && isDigit(t[i])) { ++i; ++digits; }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        qsizetype expDigits = 0;
        while (i < n && isDigit(t[i])) { ++i; ++expDigits; }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    // Every character is ASCII now, so strtod-style parsing is exact and locale-free.
    std::string s = t.toStdString();
    const char* begin = s.data();
    if (*begin == '+')
        ++begin;
    double value = 0;
    const auto res = std::from_chars(begin, s.data() + s.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Out of range at either end: too large is infinite (and overflows
        // any conversion), too small to hold is 0.
        const bool negative = s[0] == '-';
        if (decimalExponent(t) < 0)
            return negative ? -0.0 : 0.0;
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    if (res.ec != std::errc())
        return std::nullopt;
    return value;
}

double Numbers::parse(const QString& text)
{
    if (const auto v = tryParse(text))
        return *v;
    throw RuntimeError(ErrorKind::Conversion, QStringLiteral("'%1' is not a number").arg(text));
}

double Numbers::roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

double Numbers::intFloor(double value) { return std::floor(value); }

std::uint8_t Numbers::toByte(double value) { return checkedRange<std::uint8_t>(value, 0, 255, "a byte"); }
std::int16_t Numbers::toInt16(double value)
{
    return checkedRange<std::int16_t>(value, -32768, 32767, "a 16-bit integer");
}
std::int32_t Numbers::toInt32(double value)
{
    return checkedRange<std::int32_t>(value, -2147483648.0, 2147483647.0, "a 32-bit integer");
}

std::uint8_t Numbers::toByte(const QString& text) { return toByte(parse(text)); }
std::int16_t Numbers::toInt16(const QString& text) { return toInt16(parse(text)); }
std::int32_t Numbers::toInt32(const QString& text) { return toInt32(parse(text)); }

QString Numbers::toText(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    char buf[400]; // fixed notation of the largest double
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return QString::fromLatin1(buf, res.ptr - buf);
}
