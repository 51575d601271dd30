#pragma once

#include <cstdint>

class clsOptions;

// Plays one of the design's sounds (1 click, 2 start, 3 alert) when the
// settings have sound on and its file exists; any other kind stays silent.
void playDesignSound(const clsOptions& options, std::uint8_t kind);
