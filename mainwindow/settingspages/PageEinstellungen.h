#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The settings and design page (page 16).
class PageEinstellungen : public QObject {
public:
    explicit PageEinstellungen(MainWindow& main);

    void ShowEinstellungen();
    void HideEinstellungen();
    void SetDesignEinstellungen();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
