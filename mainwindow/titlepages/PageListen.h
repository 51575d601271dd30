#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The list-files page (page 4).
class PageListen : public QObject {
public:
    explicit PageListen(MainWindow& main);

    void ShowListen();
    void HideListen();
    void SetDesignListen();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
