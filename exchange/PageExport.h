#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The export page (page 10).
class PageExport : public QObject {
public:
    explicit PageExport(MainWindow& main);

    void ShowExport();
    void HideExport();
    void SetDesignExport();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
