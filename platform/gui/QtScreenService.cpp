#include "platform/gui/QtScreenService.h"

#include <QGuiApplication>
#include <QScreen>

QSize QtScreenService::size() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

QSize QtScreenService::availableSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}
