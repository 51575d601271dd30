#pragma once

#include "platform/Seam.h"

#include <cstdint>
#include <optional>

// The colour chooser. Reached only through Seam<ColorDialogService>.
// Colours are 0x00BBGGRR, the way the design files keep them.
class ColorDialogService {
public:
    virtual ~ColorDialogService() = default;

    // Opens with `start` as the current colour; answers the chosen colour, or
    // nothing when the user cancels.
    virtual std::optional<std::int32_t> chooseColor(std::int32_t start) = 0;
};

using ColorDialogs = Seam<ColorDialogService>;
