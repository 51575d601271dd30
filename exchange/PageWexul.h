#pragma once

#include <QObject>
#include <cstdint>

class PageHost;

// The online search results page (page 7).
class PageWexul : public QObject {
public:
    explicit PageWexul(PageHost& host);

    void ShowWexul();
    void HideWexul();
    void SetDesignWexul();
    void SetSizes(int W, int H);

private:
    PageHost& m_host;
};
