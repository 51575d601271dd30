#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The search page (page 11).
class PageSuche : public QObject {
public:
    explicit PageSuche(MainWindow& main);

    void ShowSuche();
    void HideSuche();
    void SetDesignSuche();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
