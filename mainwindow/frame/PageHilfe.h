#pragma once

#include <QObject>

class MainWindow;
class QTextBrowser;

// The help page (page 19): the local help document in a browser.
class PageHilfe : public QObject {
public:
    explicit PageHilfe(MainWindow& main);

    void ShowHilfe();
    void HideHilfe();
    void SetDesignHilfe();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
    QTextBrowser* m_browser;
};
