#pragma once

#include <QObject>
#include <cstdint>

class PageHost;

// The settings and design page (page 16).
class PageEinstellungen : public QObject {
public:
    explicit PageEinstellungen(PageHost& host);

    void ShowEinstellungen();
    void HideEinstellungen();
    void SetDesignEinstellungen();
    void SetSizes(int W, int H);

private:
    PageHost& m_host;
};
