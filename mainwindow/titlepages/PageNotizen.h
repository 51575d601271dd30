#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The notes page (page 6).
class PageNotizen : public QObject {
public:
    explicit PageNotizen(MainWindow& main);

    void ShowNotizen();
    void HideNotizen();
    void SetDesignNotizen();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
