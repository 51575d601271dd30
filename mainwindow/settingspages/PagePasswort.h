#pragma once

#include <QObject>
#include <cstdint>

class PageHost;

// The start-up password page (page 18).
class PagePasswort : public QObject {
public:
    explicit PagePasswort(PageHost& host);

    void ShowPasswort();
    void HidePasswort();
    void SetDesignPasswort();
    void SetSizes(int W, int H);

private:
    PageHost& m_host;
};
