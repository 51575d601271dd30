#pragma once

#include <QObject>

class MainWindow;
class QLabel;

// The about page (page 20).
class PageAbout : public QObject {
public:
    explicit PageAbout(MainWindow& main);

    void ShowAbout();
    void HideAbout();
    void SetDesignAbout();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
    QLabel* m_about1;
    QLabel* m_about2;
};
