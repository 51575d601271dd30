#pragma once

#include <QObject>

class PageHost;
class QLabel;

// The about page (page 20).
class PageAbout : public QObject {
public:
    explicit PageAbout(PageHost& host);

    void ShowAbout();
    void HideAbout();
    void SetDesignAbout();
    void SetSizes(int W, int H);

private:
    PageHost& m_host;
    QLabel* m_about1;
    QLabel* m_about2;
};
