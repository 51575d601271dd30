#include "platform/gui/FirstPaintReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include <sys/resource.h>

FirstPaintReport::FirstPaintReport(QWidget* watched, int delayMs) : QObject(watched), m_delayMs(delayMs)
{
    watched->installEventFilter(this);
}

bool FirstPaintReport::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first paint %ld\n", usage.ru_maxrss);
        std::fflush(stdout);
        QTimer::singleShot(m_delayMs, qApp, [] { QCoreApplication::exit(0); });
    }
    return false;
}
