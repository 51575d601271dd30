#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The top-30 pages (21 by rating, 22 by running time, 23 by price), drawn
// on the statistics page's bar chart.
class PageTop30 : public QObject {
public:
    explicit PageTop30(MainWindow& main);

    void ShowTop30(std::uint8_t mode);
    void HideTop30();
    void SetDesignTop30();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
