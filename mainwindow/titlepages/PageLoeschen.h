#pragma once

#include <QObject>
#include <cstdint>

class PageHost;
class QListWidget;
class QPushButton;

// The delete page (page 13): list position p is title p + 1.
class PageLoeschen : public QObject {
public:
    explicit PageLoeschen(PageHost& host);

    void ShowLoeschen();
    void HideLoeschen();
    void SetDesignLoeschen();
    void SetSizes(int W, int H);
    void btdvdjetztloeschen_Click();

private:
    PageHost& m_host;
    QListWidget* m_list;
    QPushButton* m_btLoeschen;
};
