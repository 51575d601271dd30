#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

class PageHost;
class ucBarDiagram;
class ucText;

// The statistics page (page 5): a text report about the collection and the
// name lists. It also holds the bar chart that the top-30 pages fill.
class PageStatistik : public QObject {
public:
    explicit PageStatistik(PageHost& host);

    void ShowStatistik();
    void HideStatistik();
    void SetDesignStatistik();
    void SetSizes(int W, int H);

    // The report for a collection of at least one title.
    QString StatistikText() const;

    // Made when first asked for: the report itself does not show it.
    ucBarDiagram* BarStatistik();

private:
    PageHost& m_host;
    ucText* m_ucTextStatistik;
    ucBarDiagram* m_ucBarStatistik = nullptr;
};
