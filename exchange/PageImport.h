#pragma once

#include <QObject>
#include <cstdint>

class PageHost;

// The import page (page 9).
class PageImport : public QObject {
public:
    explicit PageImport(PageHost& host);

    void ShowImport();
    void HideImport();
    void SetDesignImport();
    void SetSizes(int W, int H);

private:
    PageHost& m_host;
};
