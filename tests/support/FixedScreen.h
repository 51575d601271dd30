#pragma once

#include "platform/ScreenService.h"

// A screen of a size the test chooses.
class FixedScreen : public ScreenService {
public:
    explicit FixedScreen(QSize size = QSize(1024, 768)) : screen(size), m_scope(*this) {}
    QSize size() const override { return screen; }
    QSize screen;

private:
    Screens::Scoped m_scope;
};
