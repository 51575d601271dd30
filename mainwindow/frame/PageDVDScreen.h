#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <optional>

class PageHost;
class QLabel;
class QPushButton;
class QTimer;
class ucEntry;
class ucPopUpMenu;
class ucRating;
class ucText;
class ucTitle;
class ucZoom;
class QWidget;

// The title view (pages 1 to 3): one title with its cover, fields and
// rating, the position row with the skip buttons, and the overlays and
// popups laid over it.
class PageDVDScreen : public QObject {
    Q_OBJECT
public:
    // statusLine and backgroundImage are the main window's: the page designs
    // the one and takes clicks on the other.
    PageDVDScreen(PageHost& host, ucText* statusLine, QWidget* backgroundImage);

    void DVDScreenAufrufen(std::int16_t pos);
    void ShowDVDScreen();
    void HideDVDScreen();
    void SetDesignDVDScreen();
    void SetSizes(int W, int H);

    // Fills the page with the session's current title.
    void FillDVDScreen();
    void ShowPosition();
    // Centres the cover and its side switches in the client area's width.
    void centreCover();
    // Start-up switches the previous-title button off.
    void setSkipzurueckEnabled(bool enabled);
    static std::int16_t GetCoverBreite(const QString& format, std::int16_t height);
    // Hundredths as shown: 1234 "12.34", 50 ".50", 5 ".05", 0 "0".
    static QString PreisText(std::int16_t price);

    // Navigation.
    void btSkipvor_Click();
    void btSkipzurueck_Click();
    void btPosJump_Click();
    void lbPos_MouseDown(Qt::MouseButton button, const QPoint& globalPos);
    void BGImage_Click();
    void sw_zoom_Click();
    void sw_zusatz_Click();
    void sw_trailer_Click();
    void sw_regal_Click();

    // Pages 2 and 3: the cover zoom and the long text over the cover.
    void ShowZoom();
    void HideZoom();
    void ShowZusatzinfo();
    void HideZusatzinfo();

    // The cover and skip-bar popups.
    void HidePopUps();
    void SetDesignCoverPopUp();
    void SetDesignSkipBarPopUp();
    void ShowCoverPopUp(int x, int y);
    void ShowSkipBarPopUp(int x, int y);
    void ImAnzeige_MouseDown(Qt::MouseButton button, const QPoint& globalPos);
    void ImAnzeige_DblClick();
    void ucCoverPopUp_element1Clicked();
    void ucCoverPopUp_element2Clicked();
    void ucCoverPopUp_element3Clicked();
    void ucCoverPopUp_element4Clicked();
    void ucCoverPopUp_element5Clicked();
    void ucSkipBarPopUp_element1Clicked();
    void ucSkipBarPopUp_element2Clicked();

    // A portrait of an actor or the director over the cover for 1.5 s.
    void ShowPortrait(int x, int y, const QString& name);
    void ucTextRegie_ucLeftClicked();
    void ucTextSchauspieler1_ucLeftClicked() { ucTextSchauspieler_ucLeftClicked(1); }
    void ucTextSchauspieler2_ucLeftClicked() { ucTextSchauspieler_ucLeftClicked(2); }
    void ucTextSchauspieler3_ucLeftClicked() { ucTextSchauspieler_ucLeftClicked(3); }
    void ucTextSchauspieler4_ucLeftClicked() { ucTextSchauspieler_ucLeftClicked(4); }
    void ucTextSchauspieler5_ucLeftClicked() { ucTextSchauspieler_ucLeftClicked(5); }
    // The portrait of actor k (1 to 5).
    void ucTextSchauspieler_ucLeftClicked(int k);
    void picTimer_Timer();
    void HidePortrait();

signals:
    void trailerWanted();
    void regalWanted();
    void coverFullScreenWanted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The popup's place for a right click at globalPos: from the window's
    // outer corner, raised by `rise` pixels.
    QPoint popUpPlace(const QPoint& globalPos, int rise) const;
    void showPositionEntry();
    // The position entry and its button, made when first shown: they take
    // the design and the place they would have had from the start.
    ucEntry& positionEntry();
    void designPositionEntry();
    void placePositionEntry(int W);
    // The portrait of the person a field names, at the cover's corner.
    void portraitOf(const ucText* field);
    // Lays an overlay exactly over the cover, which it hides with the side switches.
    void coverOverlay(QWidget* overlay);

    PageHost& m_host;
    ucText* m_statusLine;
    QWidget* m_backgroundImage;

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
    ucEntry* m_posJump = nullptr;
    QPushButton* m_btPosJump = nullptr;
    bool m_designed = false;
    std::optional<int> m_layoutWidth;
    QLabel* m_switches[4]; // sw_zoom, sw_zusatz, sw_trailer, sw_regal
    ucText* m_zusatzinfo;
    ucZoom* m_zoom;
    ucPopUpMenu* m_coverPopUp;
    ucPopUpMenu* m_skipBarPopUp;
    QLabel* m_portrait;
    QTimer* m_picTimer;
};
