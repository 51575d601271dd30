#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The mass-change page (page 8).
class PageMB : public QObject {
public:
    explicit PageMB(MainWindow& main);

    void ShowMB();
    void HideMB();
    void SetDesignMB();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
