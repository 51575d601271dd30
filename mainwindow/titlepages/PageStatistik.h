#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The statistics page (page 5).
class PageStatistik : public QObject {
public:
    explicit PageStatistik(MainWindow& main);

    void ShowStatistik();
    void HideStatistik();
    void SetDesignStatistik();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
