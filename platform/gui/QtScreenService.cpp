#include "platform/gui/QtScreenService.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

const QScreen* screenOf(const QWidget* window)
{
    if (window) {
        if (const QScreen* s = window->window()->screen())
            return s;
    }
    return QGuiApplication::primaryScreen();
}

} // namespace

QRect QtScreenService::geometry(const QWidget* window) const
{
    const QScreen* screen = screenOf(window);
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QRect QtScreenService::availableGeometry(const QWidget* window) const
{
    const QScreen* screen = screenOf(window);
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}
