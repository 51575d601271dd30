#pragma once

#include "controls/clsFormFunctions.h"
#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"
#include "data/clsDefaultListFileHandler.h"
#include "data/clsDefaultTextfileHandler.h"
#include "data/clsOptions.h"
#include "data/clsPasswordFunctions.h"
#include "data/clsPathFunctions.h"
#include "data/clsStatistic.h"
#include "data/clsStringFunctions.h"
#include "data/clsTranslation.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSize>

#include <cstdint>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class ucText;

class frmFullScreen;
class Preview;
class Trailer;

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

// The one main window: it owns the collection, the settings, the language
// tables and the current title, and switches its 23 pages. The pages do the
// work; this class dispatches to them in the fixed orders of the program.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: password, settings, name lists, language and design, layout,
    // the collection, page 1 and the start sound, in this order.
    void Form_Load();

    // Shared state.
    std::int16_t AktuelleDVDNr() const { return m_aktuelleDVDNr; }
    void setAktuelleDVDNr(std::int16_t n) { m_aktuelleDVDNr = n; }
    clsDatentraeger& AktuelleDVD() { return m_aktuelleDVD; }
    int AktuelleSeite() const { return m_aktuelleSeite; }
    int VorherigeSeite() const { return m_vorherigeSeite; }
    void setSeiten(int aktuelle, int vorherige);
    bool WexulUebernommen() const { return m_wexulUebernommen; }
    void setWexulUebernommen(bool v) { m_wexulUebernommen = v; }
    std::uint8_t Maximiert() const { return m_maximiert; }
    void setMaximiert(std::uint8_t v) { m_maximiert = v; }
    const QString& ServerUrl() const { return m_serverUrl; }
    void setServerUrl(const QString& url) { m_serverUrl = url; }
    bool DesignGeschuetzt() const { return m_designGeschuetzt; }
    void setDesignGeschuetzt(bool v) { m_designGeschuetzt = v; }

    clsDatentraegerList& DVDListe() { return m_dvdListe; }
    clsOptions& Options() { return m_options; }
    clsTranslation& StyleTexts() { return m_styleTexts; }
    clsTranslation& MessageTexts() { return m_messageTexts; }
    clsTranslation& BoxTexts() { return m_boxTexts; }
    clsFormFunctions& FormFunctions() { return m_formFunctions; }
    clsPasswordFunctions& PasswordFunctions() { return m_passwordFunctions; }
    clsDefaultListFileHandler& ActorList() { return m_actorList; }
    clsDefaultListFileHandler& DirectorList() { return m_directorList; }
    clsDefaultListFileHandler& GenreList() { return m_genreList; }
    clsDefaultListFileHandler& DesignList() { return m_designList; }

    // The client area on which every page places its controls.
    QWidget* clientArea() const { return m_client; }
    // A menu item or submenu by its name ("menue_sammlungStatistik", "dvd").
    QAction* menuAction(const QString& name) const;
    // Enables or disables an item, or a submenu with every item in it, so
    // that shortcuts stop with the menu.
    void setMenuEnabled(const QString& name, bool enabled);

    PageDVDScreen& DVDScreen() const { return *m_pageDVDScreen; }
    PageDVDEntry& DVDEntry() const { return *m_pageDVDEntry; }
    PageStatistik& Statistik() const { return *m_pageStatistik; }
    PageSuche& Suche() const { return *m_pageSuche; }

    // Page switching.
    void ShowPage(int page);
    void HideAllPages();
    void zurueck_Click();
    void btClose_Click();
    void DVDScreenAufrufen(std::int16_t pos);
    void HidePopUps();

    // The collection and its list file (the settings' DvdListpath).
    void JumpToDVD(const QString& name, bool exact);
    void SaveDVDList();
    void LoadDVDList();

    // Status line and sounds: 1 click, 2 start, 3 alert.
    void StatusMsg(int msgNo, const QString& suffix = QString());
    void StatusTimer_Timer();
    void PlaySound(std::uint8_t kind);
    ucText* Statusleiste() const { return m_statusleiste; }
    QTimer* StatusTimer() const { return m_statusTimer; }

    // Language, design and layout.
    void SetLanguageAndDesign();
    void SetDesignMenue();
    void SetAllSizes(int W, int H);
    QLabel* BGImage() const { return m_bgImage; }
    // The caption the shelf window takes when it opens.
    const QString& RegalCaption() const { return m_regalCaption; }

    // Settings and password files.
    void LoadPassword();
    void LoadEinstellungen();
    void SaveEinstellungen();

    // Menu commands that belong to neighbouring windows.
    void RefreshFavoritenMenue();
    void menue_internetFavoriten_Click(int k);
    void menue_internetFavoritenLoeschen_Click();
    void menue_internetUpdate_Click();
    void menue_dvdCoverDrucken_Click();
    void ShowRegal();
    void menue_sammlungRegal_Click();
    void menue_spieleQuiz_Click();
    void menue_spieleHangman_Click();
    void ShowTrailer();
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
    QTimer* TimerSchoner() const { return m_timerSchoner; }

protected:
    // Maximising lays the window out for its new size, restoring for the
    // settings' size; pages 1 to 3 then fall back to page 1.
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Closing the main window ends the program; nothing is saved.
    void closeEvent(QCloseEvent* event) override;

private:
    // The steps of Form_Load.
    void AskPassword();
    void LoadServerUrl();
    void LoadNameLists();
    // False when the list file exists but could not be read.
    bool LoadCollection();
    void Form_Resize();

    void createMenus();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut = {});
    QMenu* addSubmenu(QMenu* parent, const QString& name, const QString& caption);
    void setItemCaption(const QString& name, int styleLine);
    QString shelfFileOfList() const;

    std::int16_t m_aktuelleDVDNr = 0;
    clsDatentraeger m_aktuelleDVD;
    int m_aktuelleSeite = 1;
    int m_vorherigeSeite = 1;
    bool m_wexulUebernommen = false;
    std::uint8_t m_maximiert = 0;
    QString m_serverUrl;
    bool m_designGeschuetzt = false;
    QString m_regalCaption;
    // A list file that could not be read: no save may overwrite it until it
    // is read again or another list is taken.
    QString m_unreadList;
    QSize m_maximisedLayout;

    clsDatentraegerList m_dvdListe;
    clsOptions m_options;
    clsTranslation m_styleTexts;
    clsTranslation m_messageTexts;
    clsTranslation m_boxTexts;
    clsFormFunctions m_formFunctions;
    clsPasswordFunctions m_passwordFunctions;
    clsDefaultListFileHandler m_actorList;
    clsDefaultListFileHandler m_directorList;
    clsDefaultListFileHandler m_genreList;
    clsDefaultListFileHandler m_designList;

    QWidget* m_client;
    QLabel* m_bgImage;
    ucText* m_statusleiste;
    QTimer* m_statusTimer;
    QHash<QString, QAction*> m_actions;
    QTimer* m_timerSchoner;
    frmFullScreen* m_fullScreen = nullptr;
    Preview* m_preview = nullptr;
    QPointer<Trailer> m_trailer;

    PageDVDScreen* m_pageDVDScreen;
    PageDVDEntry* m_pageDVDEntry;
    PageSuche* m_pageSuche;
    PageLoeschen* m_pageLoeschen;
    PageNotizen* m_pageNotizen;
    PageHilfe* m_pageHilfe;
    PageStatistik* m_pageStatistik;
    PageTop30* m_pageTop30;
    PageEinstellungen* m_pageEinstellungen;
    PageExport* m_pageExport;
    PageImport* m_pageImport;
    PageWexul* m_pageWexul;
    PageListen* m_pageListen;
    PagePasswort* m_pagePasswort;
    PageZusatztext* m_pageZusatztext;
    PageAbout* m_pageAbout;
    PageMB* m_pageMB;
};
