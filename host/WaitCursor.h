#pragma once

#include <QCursor>
#include <QGuiApplication>

// The wait cursor for as long as the object lives: around work that blocks
// the window (online requests, exports), so that it ends on every path out.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
