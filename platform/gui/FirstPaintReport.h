#pragma once

#include <QObject>

class QWidget;

// For the start-up benchmark: writes "first paint <peak memory in KiB>" to
// standard output when the watched widget is first painted, and ends the
// program that many milliseconds later.
class FirstPaintReport : public QObject {
public:
    FirstPaintReport(QWidget* watched, int delayMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_delayMs;
};
