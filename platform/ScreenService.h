#pragma once

#include "platform/Seam.h"

#include <QSize>

// The size of the screen the program's windows stand on, in pixels.
class ScreenService {
public:
    virtual ~ScreenService() = default;
    virtual QSize size() const = 0;
    // The part of it that windows may take (without panels and docks).
    virtual QSize availableSize() const = 0;
};

using Screens = Seam<ScreenService>;
