#pragma once

#include "platform/ScreenService.h"

// The desktop's screens: the one a window stands on, else the primary one.
class QtScreenService : public ScreenService {
public:
    QRect geometry(const QWidget* window) const override;
    QRect availableGeometry(const QWidget* window) const override;
};
