#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The long-text editor (page 14 for the current title, page 17 for the standard text).
class PageZusatztext : public QObject {
public:
    explicit PageZusatztext(MainWindow& main);

    void ShowZusatztext(bool standard);
    void HideZusatztext();
    void SetDesignZusatztext();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
