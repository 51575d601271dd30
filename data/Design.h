#pragma once

#include <cstdint>

// A colour as the design files store it: 0x00BBGGRR, or 0x800000nn for a
// system colour (which Windows writes as a negative number).
using Color = std::int32_t;

// The five colours of a design, as they travel from the settings to the pages.
struct Design {
    Color font = 0;
    Color background = 16777215;
    Color entryFont = 0;
    Color entryBackground = 16777215;
    Color rating = 0;

    friend bool operator==(const Design&, const Design&) = default;
};
