#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The import page (page 9).
class PageImport : public QObject {
public:
    explicit PageImport(MainWindow& main);

    void ShowImport();
    void HideImport();
    void SetDesignImport();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
