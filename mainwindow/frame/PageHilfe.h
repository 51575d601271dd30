#pragma once

#include <QObject>

class PageHost;
class QTextBrowser;

// The help page (page 19): the help document of the current language in a browser.
class PageHilfe : public QObject {
public:
    explicit PageHilfe(PageHost& host);

    void ShowHilfe();
    // Loaded anew at every visit, so a language change shows at the next one.
    void LoadHilfe();
    void HideHilfe();
    void SetDesignHilfe();
    void SetSizes(int W, int H);

private:
    PageHost& m_host;
    QTextBrowser* m_browser;
};
