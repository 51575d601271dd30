#pragma once

#include <QObject>
#include <cstdint>

class PageHost;
class ucBarDiagram;

// The top-30 pages (21 by rating, 22 by running time, 23 by price), drawn
// on the statistics page's bar chart.
class PageTop30 : public QObject {
public:
    // chart is the statistics page's bar chart, which these pages share.
    PageTop30(PageHost& host, ucBarDiagram* chart);

    void ShowTop30(std::uint8_t mode);
    void HideTop30();
    void SetDesignTop30();
    void SetSizes(int W, int H);

private:
    PageHost& m_host;
    ucBarDiagram* m_chart;
};
