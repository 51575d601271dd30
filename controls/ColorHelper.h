#pragma once

#include <QColor>
#include <cstdint>

// Colours are kept as 32-bit values laid out 0x00BBGGRR; 0x800000nn names a
// system colour, taken from the application palette.
class ColorHelper {
public:
    static QColor toQColor(std::int64_t value);
    // The 0x00BBGGRR value of a colour (system colours are resolved).
    static std::int64_t fromQColor(const QColor& color);
    static bool isSystemColor(std::int64_t value);
};
