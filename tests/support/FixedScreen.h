#pragma once

#include "platform/ScreenService.h"

// A screen of a size the test chooses.
class FixedScreen : public ScreenService {
public:
    explicit FixedScreen(QSize size = QSize(1024, 768)) : screen(size), available(size), m_scope(*this) {}
    QSize size() const override { return screen; }
    QSize availableSize() const override { return available; }
    QSize screen;
    QSize available;

private:
    Screens::Scoped m_scope;
};
