#pragma once

#include <QObject>
#include <cstdint>

class PageHost;

// The export page (page 10).
class PageExport : public QObject {
public:
    explicit PageExport(PageHost& host);

    void ShowExport();
    void HideExport();
    void SetDesignExport();
    void SetSizes(int W, int H);

private:
    PageHost& m_host;
};
