#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The delete page (page 13).
class PageLoeschen : public QObject {
public:
    explicit PageLoeschen(MainWindow& main);

    void ShowLoeschen();
    void HideLoeschen();
    void SetDesignLoeschen();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
