#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

class MainWindow;
class QPushButton;
class ucText;

// The long-text editor (page 14 for the current title, page 17 for the
// standard text). The delete button is visible exactly in per-title mode.
class PageZusatztext : public QObject {
public:
    explicit PageZusatztext(MainWindow& main);

    void ShowZusatztext(bool standard);
    void HideZusatztext();
    void SetDesignZusatztext();
    void SetSizes(int W, int H);

    void btZusatztextSpeichern_Click();
    void btZusatztextLoeschen_Click();

    static QString templatePath();

private:
    MainWindow& m_main;
    ucText* m_ucTextZusatztextBearbeitung;
    QPushButton* m_btZusatztextSpeichern;
    QPushButton* m_btZusatztextLoeschen;
};
