#pragma once

#include "platform/ScreenService.h"

// The primary screen of the desktop.
class QtScreenService : public ScreenService {
public:
    QSize size() const override;
    QSize availableSize() const override;
};
