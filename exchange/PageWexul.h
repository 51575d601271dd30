#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The online search results page (page 7).
class PageWexul : public QObject {
public:
    explicit PageWexul(MainWindow& main);

    void ShowWexul();
    void HideWexul();
    void SetDesignWexul();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
