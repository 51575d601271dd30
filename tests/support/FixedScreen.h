#pragma once

#include "platform/ScreenService.h"

#include <QHash>
#include <QWidget>

// A screen of a size the test chooses. `availableTopLeft` moves the free
// area (a panel above or left of it); `screens` puts single windows (and
// everything inside them) on another screen.
class FixedScreen : public ScreenService {
public:
    explicit FixedScreen(QSize size = QSize(1024, 768)) : screen(size), available(size), m_scope(*this) {}
    QRect geometry(const QWidget* window) const override
    {
        if (const QWidget* w = window ? window->window() : nullptr; w && screens.contains(w))
            return screens.value(w);
        return QRect(QPoint(0, 0), screen);
    }
    QRect availableGeometry(const QWidget* window) const override
    {
        if (const QWidget* w = window ? window->window() : nullptr; w && screens.contains(w))
            return screens.value(w);
        return QRect(availableTopLeft, available);
    }
    QSize screen;
    QSize available;
    QPoint availableTopLeft;
    QHash<const QWidget*, QRect> screens;

private:
    Screens::Scoped m_scope;
};
