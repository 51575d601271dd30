#pragma once

#include <QApplication>
#include <QCursor>

// The wait cursor for as long as a long exchange blocks the window; it goes
// back on every way out, a thrown error included.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
