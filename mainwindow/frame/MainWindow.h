#pragma once

#include "controls/clsFormFunctions.h"
#include "host/PageHost.h"
#include "session/Session.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSize>

#include <cstdint>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class ucBarDiagram;
class ucText;

class frmFullScreen;
class Preview;
class Regal;
class Trailer;
class HangMan;
class Quiz;

class PageAbout;
class PageDVDEntry;
class PageDVDScreen;
class PageEinstellungen;
class PageExport;
class PageHilfe;
class PageImport;
class PageListen;
class PageLoeschen;
class PageMB;
class PageNotizen;
class PagePasswort;
class PageStatistik;
class PageSuche;
class PageTop30;
class PageWexul;
class PageZusatztext;
class WebMenu;

// The one main window: it switches its 23 pages and dispatches menu commands
// to them in the fixed orders of the program. The program's state lives in
// its Session; the pages see the window only as their PageHost.
class MainWindow : public QMainWindow, public PageHost {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: password, settings, name lists, language and design, layout,
    // the collection, page 1 and the start sound, in this order. False when
    // the password box was left without the password: nothing else was done.
    bool Form_Load();

    Session& session() override { return m_session; }

    int AktuelleSeite() const { return m_aktuelleSeite; }
    int VorherigeSeite() const { return m_vorherigeSeite; }
    void setSeiten(int aktuelle, int vorherige);
    std::uint8_t Maximiert() const { return m_maximiert; }
    void setMaximiert(std::uint8_t v) { m_maximiert = v; }
    clsFormFunctions& FormFunctions() override { return m_formFunctions; }

    // The client area on which every page places its controls.
    QWidget* clientArea() override { return m_client; }
    // A menu item or submenu by its name ("menue_sammlungStatistik", "dvd").
    QAction* menuAction(const QString& name) const;
    // Enables or disables an item, or a submenu with every item in it, so
    // that shortcuts stop with the menu.
    void setMenuEnabled(const QString& name, bool enabled) override;

    // Pages other than the title view are made when first needed.
    PageDVDScreen& DVDScreen() const { return *m_pageDVDScreen; }
    PageDVDEntry& DVDEntry();
    PageSuche& Suche();

    // Page switching.
    void ShowPage(int page) override;
    void HideAllPages() override;
    void zurueck_Click();
    void btClose_Click();
    void DVDScreenAufrufen(std::int16_t pos);
    void HidePopUps() override;
    void JumpToDVD(const QString& name, bool exact) override;

    // Status line and sounds: 1 click, 2 start, 3 alert.
    void StatusMsg(int msgNo, const QString& suffix = QString()) override;
    void StatusTimer_Timer();
    void PlaySound(std::uint8_t kind);
    ucText* Statusleiste() const { return m_statusleiste; }
    QTimer* StatusTimer() const { return m_statusTimer; }

    // Language, design and layout.
    void SetLanguageAndDesign();
    void SetDesignMenue();
    void SetAllSizes(int W, int H);
    // After the settings were saved: the language tables, the design of every
    // page and the layout for the window size follow the settings again.
    void applyLanguageAndDesign();
    QLabel* BGImage() const { return m_bgImage; }
    // The shelf window's caption in the current language.
    const QString& RegalCaption() const { return m_regalCaption; }

    // Menu commands that belong to neighbouring windows.
    void RefreshFavoritenMenue();
    void menue_internetFavoriten_Click(int k);
    void menue_internetFavoritenLoeschen_Click();
    void menue_internetUpdate_Click();
    // The favourites and update commands of the Internet menu, made on first use.
    WebMenu& webMenu();
    void menue_dvdCoverDrucken_Click();
    void ShowRegal();
    void menue_ansichtRegal_Click();
    void menue_sammlungRegal_Click();
    void menue_spieleQuiz_Click();
    void menue_spieleHangman_Click();
    void admintools_Click();
    void ShowTrailer();
    void menue_ansichtTrailer_Click();
    void menue_sammlungSchoner_Click();
    void TimerSchoner_Timer();
    void BreakSchoner();
    void ShowCoverVollbild();
    // The preview button of an entry: the picture in the preview window.
    void ShowPreview(const QString& path);

    // The windows beside the main window; the first two are made on first
    // use, the trailer window is null while it is closed.
    frmFullScreen& FullScreen();
    Preview& PreviewWindow();
    Trailer* TrailerWindow() const;
    // The game windows, null while closed.
    HangMan* HangManWindow() const;
    Quiz* QuizWindow() const;
    // The shelf window; null until it is first opened.
    Regal* RegalWindow() const;
    QTimer* TimerSchoner() const { return m_timerSchoner; }

protected:
    // Maximising lays the window out for its new size, restoring for the
    // settings' size; pages 1 to 3 then fall back to page 1.
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Closing the main window ends the program once every page and window
    // with unsaved changes has had its question answered.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // The steps of Form_Load.
    // False when the user left the password box instead of answering it.
    bool AskPassword();
    // The error when the list file exists but could not be read.
    std::optional<QString> LoadCollection();
    void Form_Resize();
    // Back from maximised: the outer size and place the window had before.
    void restoreNormal();
    // Notes where a window in its normal state stands.
    void noteNormalPlace();
    // Resizes the window so that its outer size, frame included, is m_outerSize,
    // inside the free area of its screen, again once the frame is known.
    void applyOuterSize();
    // Lays every page out for an outer size of W x H.
    void layoutPages(int W, int H);

    void createMenus();
    // Each page is made on first use, with the design and layout the pages
    // already made have, and hidden until it is shown.
    template <class P, class Make, class Prepare>
    P& madePage(P*& page, Make make, Prepare prepare);
    // The same for a page that takes its design, its sizes and its hiding alone.
    template <class P, class Make>
    P& madePage(P*& page, Make make, void (P::*setDesign)(), void (P::*hide)());
    PageLoeschen& pageLoeschen();
    PageNotizen& pageNotizen();
    PageHilfe& pageHilfe();
    PageStatistik& pageStatistik();
    PageTop30& pageTop30();
    PageEinstellungen& pageEinstellungen();
    PageExport& pageExport();
    PageImport& pageImport();
    PageWexul& pageWexul();
    PageListen& pageListen();
    PagePasswort& pagePasswort();
    PageZusatztext& pageZusatztext();
    PageAbout& pageAbout();
    PageMB& pageMB();
    // The shelf window, made on first use, with the caption of the language.
    Regal& RegalFenster();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut = {});
    QMenu* addSubmenu(QMenu* parent, const QString& name, const QString& caption);
    void setItemCaption(const QString& name, int styleLine);

    Session m_session;
    clsFormFunctions m_formFunctions;
    int m_aktuelleSeite = 1;
    int m_vorherigeSeite = 1;
    std::uint8_t m_maximiert = 0;
    QString m_regalCaption;
    QSize m_maximisedLayout;
    // The outer size the settings asked for, and whether the frame was taken off it.
    QSize m_outerSize;
    // The window (without its frame) and its frame the last time it was
    // neither maximised nor minimised. Restoring puts the window back there:
    // the window system tells the restored state before the restored frame,
    // so nothing is measured from the frame the window has at that moment.
    QRect m_normalGeometry;
    QMargins m_normalFrame;
    bool m_restoring = false;
    bool m_applyingSize = false;

    QWidget* m_client;
    QLabel* m_bgImage;
    QPushButton* m_btClose;
    ucText* m_statusleiste;
    QTimer* m_statusTimer;
    QHash<QString, QAction*> m_actions;
    QTimer* m_timerSchoner;
    frmFullScreen* m_fullScreen = nullptr;
    Preview* m_preview = nullptr;
    QPointer<Trailer> m_trailer;
    QPointer<HangMan> m_hangman;
    QPointer<Quiz> m_quiz;
    QPointer<Regal> m_regal;
    WebMenu* m_web = nullptr;

    // Set once the language and design were applied and the pages laid out:
    // a page made later takes them at once.
    bool m_designApplied = false;
    std::optional<QSize> m_layoutSize;

    PageDVDScreen* m_pageDVDScreen;
    PageDVDEntry* m_pageDVDEntry = nullptr;
    PageSuche* m_pageSuche = nullptr;
    PageLoeschen* m_pageLoeschen = nullptr;
    PageNotizen* m_pageNotizen = nullptr;
    PageHilfe* m_pageHilfe = nullptr;
    PageStatistik* m_pageStatistik = nullptr;
    PageTop30* m_pageTop30 = nullptr;
    PageEinstellungen* m_pageEinstellungen = nullptr;
    PageExport* m_pageExport = nullptr;
    PageImport* m_pageImport = nullptr;
    PageWexul* m_pageWexul = nullptr;
    PageListen* m_pageListen = nullptr;
    PagePasswort* m_pagePasswort = nullptr;
    PageZusatztext* m_pageZusatztext = nullptr;
    PageAbout* m_pageAbout = nullptr;
    PageMB* m_pageMB = nullptr;
};
