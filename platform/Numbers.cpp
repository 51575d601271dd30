#include "platform/Numbers.h"

#include "platform/RuntimeError.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

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
    if (res.ec == std::errc::result_out_of_range)
        return (s[0] == '-') ? -HUGE_VAL : HUGE_VAL;
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
