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
    // The search reset: every title of the collection is a hit again.
    void btNewSearch_Click();

private:
    MainWindow& m_main;
};
