#pragma once

#include <QObject>
#include <cstdint>

class MainWindow;
class QLabel;
class QPushButton;
class ucEntry;
class ucPopUpMenu;
class ucRating;
class ucText;
class ucTitle;

// The title view (pages 1 to 3): one title with its cover, fields and
// rating, the position row with the skip buttons, and the overlays and
// popups laid over it.
class PageDVDScreen : public QObject {
    Q_OBJECT
public:
    explicit PageDVDScreen(MainWindow& main);

    void DVDScreenAufrufen(std::int16_t pos);
    void ShowDVDScreen();
    void HideDVDScreen();
    void SetDesignDVDScreen();
    void SetSizes(int W, int H);

    // Pages 2 and 3: the cover zoom and the long text over the cover.
    void ShowZoom();
    void HideZoom();
    void ShowZusatzinfo();
    void HideZusatzinfo();

    void HidePopUps();
    void SetDesignCoverPopUp();
    void SetDesignSkipBarPopUp();
    void HidePortrait();

private:
    MainWindow& m_main;

    ucRating* m_rating;
    ucTitle* m_filmname;
    ucText* m_genre;
    ucText* m_landJahr;
    ucText* m_fsk;
    ucText* m_dauer;
    ucText* m_preis;
    ucText* m_regie;
    ucText* m_schauspieler[5];
    ucText* m_sonstiges;
    QLabel* m_anzeige;
    QPushButton* m_skipvor;
    QPushButton* m_skipzurueck;
    QLabel* m_pos;
    ucEntry* m_posJump;
    QPushButton* m_btPosJump;
    QLabel* m_switches[4];
    ucText* m_zusatzinfo;
    ucPopUpMenu* m_coverPopUp;
    ucPopUpMenu* m_skipBarPopUp;
    QLabel* m_portrait;
};
