#pragma once

#include "platform/Seam.h"

#include <QRect>
#include <QSize>

class QWidget;

// The screen a window of the program stands on, in desktop pixels.
class ScreenService {
public:
    virtual ~ScreenService() = default;
    // The whole screen that `window` stands on; the primary screen for none.
    virtual QRect geometry(const QWidget* window) const = 0;
    // The part of it that windows may take (without panels and docks).
    virtual QRect availableGeometry(const QWidget* window) const = 0;

    QSize size(const QWidget* window = nullptr) const { return geometry(window).size(); }
    QSize availableSize(const QWidget* window = nullptr) const { return availableGeometry(window).size(); }
};

using Screens = Seam<ScreenService>;
