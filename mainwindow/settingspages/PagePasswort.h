#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;

// The start-up password page (page 18).
class PagePasswort : public QObject {
public:
    explicit PagePasswort(MainWindow& main);

    void ShowPasswort();
    void HidePasswort();
    void SetDesignPasswort();
    void SetSizes(int W, int H);

private:
    MainWindow& m_main;
};
