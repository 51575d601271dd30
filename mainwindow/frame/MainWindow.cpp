#include "mainwindow/frame/MainWindow.h"

#include "shelf/Regal.h"
#include "games/Quiz.h"

#include "controls/ucBarDiagram.h"

#include "controls/ucEntry.h"
#include "controls/ucText.h"
#include "controls/WindowPlacement.h"
#include "exchange/Admin.h"
#include "exchange/PageExport.h"
#include "exchange/PageImport.h"
#include "exchange/PageWexul.h"
#include "mainwindow/frame/PageAbout.h"
#include "mainwindow/frame/PageDVDScreen.h"
#include "host/DesignSound.h"
#include "mainwindow/frame/PageHilfe.h"
#include "mainwindow/settingspages/PageEinstellungen.h"
#include "mainwindow/settingspages/PagePasswort.h"
#include "mainwindow/titlepages/PageDVDEntry.h"
#include "mainwindow/titlepages/PageListen.h"
#include "mainwindow/titlepages/PageLoeschen.h"
#include "mainwindow/titlepages/PageMB.h"
#include "mainwindow/titlepages/PageNotizen.h"
#include "mainwindow/titlepages/PageStatistik.h"
#include "mainwindow/titlepages/PageSuche.h"
#include "mainwindow/titlepages/PageTop30.h"
#include "mainwindow/titlepages/PageZusatztext.h"
#include "data/MessageTexts.h"
#include "data/StyleTexts.h"
#include "data/clsPathFunctions.h"
#include "data/clsStringFunctions.h"
#include "platform/MessageService.h"
#include "platform/RandomSource.h"
#include "host/PageAction.h"
#include "platform/RuntimeError.h"
#include "data/clsDefaultTextfileHandler.h"
#include "platform/ProgramFolder.h"
#include "platform/QtTranslations.h"
#include "platform/ScreenService.h"
#include "platform/SoundService.h"
#include "platform/UrlOpener.h"
#include "platform/Version.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <future>

namespace {


// The largest window the layout accepts; any size is clamped into 0..this.
constexpr int kMaxLayoutSize = 16000;

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(m_client);

    // Created first, so that it lies behind every page.
    m_bgImage = new QLabel(m_client);
    m_bgImage->setObjectName(QStringLiteral("BGImage"));
    m_bgImage->setScaledContents(true);

    m_btClose = new QPushButton(QStringLiteral("x"), m_client);
    m_btClose->setObjectName(QStringLiteral("btClose"));
    m_btClose->resize(25, 25);
    m_btClose->hide();
    connect(m_btClose, &QPushButton::clicked, this, &MainWindow::btClose_Click);

    m_statusleiste = new ucText(m_client);
    m_statusleiste->setObjectName(QStringLiteral("ucTextStatusleiste"));
    // A long file name gives way before the cause at the end of a message.
    m_statusleiste->setElideMode(Qt::ElideMiddle);
    m_statusleiste->hide();
    m_statusTimer = new QTimer(this);
    m_statusTimer->setObjectName(QStringLiteral("StatusTimer"));
    m_statusTimer->setInterval(5000);
    connect(m_statusTimer, &QTimer::timeout, this, &MainWindow::StatusTimer_Timer);
    m_timerSchoner = new QTimer(this);
    m_timerSchoner->setObjectName(QStringLiteral("TimerSchoner"));
    m_timerSchoner->setInterval(5000);
    connect(m_timerSchoner, &QTimer::timeout, this, &MainWindow::TimerSchoner_Timer);
    // An older-layout list converted when it is taken says so.
    m_session.setStatusCallback([this](int n, const QString& suffix) { StatusMsg(n, suffix); });

    createMenus();

    // The title view shows at start; every other page is made when first needed.
    m_pageDVDScreen = new PageDVDScreen(*this, m_statusleiste, m_bgImage);
    connect(m_pageDVDScreen, &PageDVDScreen::trailerWanted, this, &MainWindow::menue_ansichtTrailer_Click);
    connect(m_pageDVDScreen, &PageDVDScreen::regalWanted, this, &MainWindow::menue_ansichtRegal_Click);
    connect(m_pageDVDScreen, &PageDVDScreen::coverFullScreenWanted, this, &MainWindow::ShowCoverVollbild);

    // The status line stays above every page's controls.
    m_statusleiste->raise();
    setWindowTitle(QStringLiteral("QuorDVD %1.%2").arg(Version::kMajor).arg(Version::kMinor));
}

MainWindow::~MainWindow() = default;

template <class P, class Make, class Prepare>
P& MainWindow::madePage(P*& page, Make make, Prepare prepare)
{
    if (!page) {
        page = make();
        const QSize size = m_layoutSize.value_or(QSize());
        prepare(*page, m_designApplied, m_layoutSize.has_value(), size.width(), size.height());
        // The status line and the close button stay above every page's controls.
        m_statusleiste->raise();
        m_btClose->raise();
    }
    return *page;
}

template <class P, class Make>
P& MainWindow::madePage(P*& page, Make make, void (P::*setDesign)(), void (P::*hide)())
{
    return madePage(page, make, [setDesign, hide](P& p, bool design, bool sized, int W, int H) {
        if (design)
            (p.*setDesign)();
        if (sized)
            p.SetSizes(W, H);
        (p.*hide)();
    });
}

PageDVDEntry& MainWindow::DVDEntry()
{
    return madePage(
        m_pageDVDEntry, [this] { return new PageDVDEntry(*this); },
        [this](PageDVDEntry& p, bool design, bool sized, int W, int H) {
            connect(&p, &PageDVDEntry::previewWanted, this, &MainWindow::ShowPreview);
            if (design)
                p.SetDesignDVDEntry();
            if (sized) {
                p.SetSizes(W, H);
                p.SetSizesEditButton(W, H);
            }
            p.HideDVDEntry();
            p.HideDVDEdit();
        });
}

PageSuche& MainWindow::Suche()
{
    return madePage(m_pageSuche, [this] { return new PageSuche(*this); }, &PageSuche::SetDesignSuche, &PageSuche::HideSuche);
}

PageLoeschen& MainWindow::pageLoeschen()
{
    return madePage(m_pageLoeschen, [this] { return new PageLoeschen(*this); }, &PageLoeschen::SetDesignLoeschen, &PageLoeschen::HideLoeschen);
}

PageNotizen& MainWindow::pageNotizen()
{
    return madePage(m_pageNotizen, [this] { return new PageNotizen(*this); }, &PageNotizen::SetDesignNotizen, &PageNotizen::HideNotizen);
}

PageHilfe& MainWindow::pageHilfe()
{
    return madePage(m_pageHilfe, [this] { return new PageHilfe(*this); }, &PageHilfe::SetDesignHilfe, &PageHilfe::HideHilfe);
}

PageStatistik& MainWindow::pageStatistik()
{
    return madePage(m_pageStatistik, [this] { return new PageStatistik(*this); }, &PageStatistik::SetDesignStatistik,
                    &PageStatistik::HideStatistik);
}

// The ranking fills the statistics page's chart, which is made with it.
PageTop30& MainWindow::pageTop30()
{
    pageStatistik();
    return madePage(m_pageTop30, [this] { return new PageTop30(*this, m_pageStatistik->BarStatistik()); },
                    &PageTop30::SetDesignTop30, &PageTop30::HideTop30);
}

PageEinstellungen& MainWindow::pageEinstellungen()
{
    return madePage(m_pageEinstellungen,
                    [this] { return new PageEinstellungen(*this, [this] { applyLanguageAndDesign(); }); },
                    &PageEinstellungen::SetDesignEinstellungen, &PageEinstellungen::HideEinstellungen);
}

PageExport& MainWindow::pageExport()
{
    return madePage(m_pageExport, [this] { return new PageExport(*this); }, &PageExport::SetDesignExport, &PageExport::HideExport);
}

PageImport& MainWindow::pageImport()
{
    return madePage(m_pageImport, [this] { return new PageImport(*this); }, &PageImport::SetDesignImport, &PageImport::HideImport);
}

PageWexul& MainWindow::pageWexul()
{
    return madePage(
        m_pageWexul,
        [this] {
            auto* p = new PageWexul(*this);
            connect(p, &PageWexul::titleTaken, this,
                    [this](const OnlineTitleEntries& entries) { DVDEntry().takeOnlineTitle(entries); });
            return p;
        },
        &PageWexul::SetDesignWexul, &PageWexul::HideWexul);
}

PageListen& MainWindow::pageListen()
{
    return madePage(
        m_pageListen,
        [this] {
            auto* p = new PageListen(*this);
            connect(p, &PageListen::newSearchWanted, this, [this] { Suche().btNewSearch_Click(); });
            return p;
        },
        &PageListen::SetDesignListen, &PageListen::HideListen);
}

PagePasswort& MainWindow::pagePasswort()
{
    return madePage(m_pagePasswort, [this] { return new PagePasswort(*this); }, &PagePasswort::SetDesignPasswort, &PagePasswort::HidePasswort);
}

PageZusatztext& MainWindow::pageZusatztext()
{
    return madePage(m_pageZusatztext, [this] { return new PageZusatztext(*this); }, &PageZusatztext::SetDesignZusatztext, &PageZusatztext::HideZusatztext);
}

PageAbout& MainWindow::pageAbout()
{
    return madePage(m_pageAbout, [this] { return new PageAbout(*this); }, &PageAbout::SetDesignAbout, &PageAbout::HideAbout);
}

PageMB& MainWindow::pageMB()
{
    return madePage(m_pageMB, [this] { return new PageMB(*this); }, &PageMB::SetDesignMB, &PageMB::HideMB);
}

void MainWindow::setSeiten(int aktuelle, int vorherige)
{
    m_aktuelleSeite = aktuelle;
    m_vorherigeSeite = vorherige;
}

// ---------------------------------------------------------------- menus

QAction* MainWindow::addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* a = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    a->setObjectName(name);
    a->setShortcut(shortcut);
    a->setShortcutContext(Qt::WindowShortcut);
    m_actions.insert(name, a);
    return a;
}

QMenu* MainWindow::addSubmenu(QMenu* parent, const QString& name, const QString& caption)
{
    QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    m_actions.insert(name, m->menuAction());
    return m;
}

QAction* MainWindow::menuAction(const QString& name) const { return m_actions.value(name); }

void MainWindow::setMenuEnabled(const QString& name, bool enabled)
{
    QAction* a = menuAction(name);
    if (!a)
        return;
    a->setEnabled(enabled);
    if (QMenu* m = a->menu()) {
        for (QAction* item : m->actions()) {
            if (item->menu())
                setMenuEnabled(item->objectName(), enabled);
            else
                item->setEnabled(enabled);
        }
    }
}

void MainWindow::createMenus()
{
    auto page = [this](int n) { return [this, n] { ShowPage(n); }; };

    connect(addItem(nullptr, "aktuelledvd", "Aktuelle DVD"), &QAction::triggered, this, page(1));

    QMenu* sammlung = addSubmenu(nullptr, "sammlung", "Sammlung");
    connect(addItem(sammlung, "menue_sammlungAuswahl", "Auswahl"), &QAction::triggered, this, page(4));
    connect(addItem(sammlung, "menue_sammlungStatistik", "Statistik", Qt::Key_F2), &QAction::triggered, this, page(5));
    QMenu* top30 = addSubmenu(sammlung, "menue_sammlungTop30", "Einzelstatistik");
    connect(addItem(top30, "menue_sammlungTop30Bewertung", "Bewertung"), &QAction::triggered, this, page(21));
    connect(addItem(top30, "menue_sammlungTop30Spieldauer", "Spieldauer"), &QAction::triggered, this, page(22));
    connect(addItem(top30, "menue_sammlungTop30Preis", "Preis"), &QAction::triggered, this, page(23));
    connect(addItem(sammlung, "menue_sammlungNotizen", "Notizblock", Qt::Key_F3), &QAction::triggered, this, page(6));
    connect(addItem(sammlung, "menue_sammlungRegal", "DVD-Regal bearbeiten", Qt::Key_F4), &QAction::triggered, this,
            &MainWindow::menue_sammlungRegal_Click);
    connect(addItem(sammlung, "menue_sammlungMehrfach", "Mehrfach-Bearbeitung"), &QAction::triggered, this, page(8));
    connect(addItem(sammlung, "menue_sammlungImport", "Import"), &QAction::triggered, this, page(9));
    connect(addItem(sammlung, "menue_sammlungExport", "Export"), &QAction::triggered, this, page(10));
    connect(addItem(sammlung, "menue_sammlungSchoner", "Bildschirmschoner"), &QAction::triggered, this,
            &MainWindow::menue_sammlungSchoner_Click);

    QMenu* dvd = addSubmenu(nullptr, "dvd", "DVD");
    connect(addItem(dvd, "menue_dvdSuchen", "Suchen", QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered, this,
            page(11));
    connect(addItem(dvd, "menue_dvdHinzufuegen", "Hinzufügen", QKeySequence(Qt::CTRL | Qt::Key_H)),
            &QAction::triggered, this, page(12));
    connect(addItem(dvd, "menue_dvdBearbeiten", "Bearbeiten", QKeySequence(Qt::CTRL | Qt::Key_B)),
            &QAction::triggered, this, page(15));
    connect(addItem(dvd, "menue_dvdZusatzinfosbearbeiten", "Zusatzinfos bearbeiten", QKeySequence(Qt::CTRL | Qt::Key_Z)),
            &QAction::triggered, this, page(14));
    connect(addItem(dvd, "menue_dvdLoeschen", "Löschen", QKeySequence(Qt::CTRL | Qt::Key_L)), &QAction::triggered,
            this, page(13));
    connect(addItem(dvd, "menue_dvdCoverDrucken", "Cover drucken"), &QAction::triggered, this,
            &MainWindow::menue_dvdCoverDrucken_Click);

    QMenu* ansicht = addSubmenu(nullptr, "ansicht", "Ansicht");
    connect(addItem(ansicht, "menue_ansichtZoom", "Vergrößern", Qt::Key_F5), &QAction::triggered, this, page(2));
    connect(addItem(ansicht, "menue_ansichtZusatzinfos", "Zusatzinfos", Qt::Key_F6), &QAction::triggered, this,
            page(3));
    connect(addItem(ansicht, "menue_ansichtTrailer", "Trailer", Qt::Key_F7), &QAction::triggered, this,
            &MainWindow::menue_ansichtTrailer_Click);
    connect(addItem(ansicht, "menue_ansichtRegal", "DVD-Regal", Qt::Key_F8), &QAction::triggered, this,
            &MainWindow::menue_ansichtRegal_Click);

    QMenu* einstellungen = addSubmenu(nullptr, "einstellungen", "Einstellungen");
    connect(addItem(einstellungen, "menue_einstellungenAllgemein", "Allgemein"), &QAction::triggered, this, page(16));
    connect(addItem(einstellungen, "menue_einstellungenZusatzstandard", "Zusatztext-Standard"), &QAction::triggered,
            this, page(17));
    connect(addItem(einstellungen, "menue_einstellungenPasswort", "Passwortschutz"), &QAction::triggered, this,
            page(18));

    QMenu* internet = addSubmenu(nullptr, "internet", "Internet");
    QMenu* favoriten = addSubmenu(internet, "menue_internetFavoriten", "Favoriten");
    for (int k = 1; k <= 5; ++k) {
        connect(addItem(favoriten, QStringLiteral("menue_internetFavoriten%1").arg(k), QString::number(k)),
                &QAction::triggered, this, [this, k] { menue_internetFavoriten_Click(k); });
    }
    connect(addItem(internet, "menue_internetUpdate", "Update"), &QAction::triggered, this,
            &MainWindow::menue_internetUpdate_Click);
    connect(addItem(internet, "menue_internetFavoritenLoeschen", "Favoriten löschen"), &QAction::triggered, this,
            &MainWindow::menue_internetFavoritenLoeschen_Click);

    QMenu* spiele = addSubmenu(nullptr, "spiele", "Spiele");
    connect(addItem(spiele, "menue_spieleQuiz", "Quiz"), &QAction::triggered, this, &MainWindow::menue_spieleQuiz_Click);
    connect(addItem(spiele, "menue_spieleHangman", "Hangman"), &QAction::triggered, this,
            &MainWindow::menue_spieleHangman_Click);
    // Switched off for good: it has nothing to do.
    addItem(spiele, "menue_spieleVideothek", "Videothek-Manager")->setEnabled(false);

    QMenu* sonstiges = addSubmenu(nullptr, "sonstiges", "Sonstiges");
    connect(addItem(sonstiges, "menue_sonstigesHilfe", "Hilfe", Qt::Key_F1), &QAction::triggered, this, page(19));
    connect(addItem(sonstiges, "about", "About"), &QAction::triggered, this, page(20));

    connect(addItem(nullptr, "zurueck", "| Zurück"), &QAction::triggered, this, &MainWindow::zurueck_Click);
    connect(addItem(nullptr, "admintools", "Admin-Tools"), &QAction::triggered, this, &MainWindow::admintools_Click);
}

void MainWindow::setItemCaption(const QString& name, int styleLine)
{
    if (QAction* a = menuAction(name))
        a->setText(m_session.StyleTexts().MultiWord(styleLine));
}

void MainWindow::SetDesignMenue()
{
    static const std::pair<const char*, int> kBeforeFavourites[] = {
        {"aktuelledvd", StyleText::CurrentDvd},
        {"sammlung", StyleText::Collection},
        {"menue_sammlungAuswahl", StyleText::Selection},
        {"menue_sammlungStatistik", StyleText::Statistics},
        {"menue_sammlungTop30", StyleText::DetailedStatistics},
        {"menue_sammlungTop30Bewertung", StyleText::Rating},
        {"menue_sammlungTop30Spieldauer", StyleText::RunningTime},
        {"menue_sammlungTop30Preis", StyleText::Price},
        {"menue_sammlungNotizen", StyleText::Notepad},
        {"menue_sammlungRegal", StyleText::EditShelf},
        {"menue_sammlungMehrfach", StyleText::MassChange},
        {"menue_sammlungImport", StyleText::Import},
        {"menue_sammlungExport", StyleText::Export},
        {"menue_sammlungSchoner", StyleText::ScreenSaver},
        {"dvd", StyleText::Dvd},
        {"menue_dvdSuchen", StyleText::Search},
        {"menue_dvdHinzufuegen", StyleText::Add},
        {"menue_dvdBearbeiten", StyleText::Edit},
        {"menue_dvdZusatzinfosbearbeiten", StyleText::EditLongText},
        {"menue_dvdLoeschen", StyleText::Delete},
        {"menue_dvdCoverDrucken", StyleText::PrintCover},
        {"ansicht", StyleText::View},
        {"menue_ansichtZoom", StyleText::Zoom},
        {"menue_ansichtZusatzinfos", StyleText::ViewLongText},
        {"menue_ansichtTrailer", StyleText::ViewTrailer},
        {"menue_ansichtRegal", StyleText::ViewShelf},
        {"einstellungen", StyleText::Settings},
        {"menue_einstellungenAllgemein", StyleText::General},
        {"menue_einstellungenZusatzstandard", StyleText::LongTextTemplate},
        {"menue_einstellungenPasswort", StyleText::PasswordProtection},
        {"internet", StyleText::Internet},
        {"menue_internetFavoriten", StyleText::Favourites},
    };
    static const std::pair<const char*, int> kAfterFavourites[] = {
        {"menue_internetUpdate", StyleText::Update},
        {"menue_internetFavoritenLoeschen", StyleText::DeleteFavourites},
        {"spiele", StyleText::Games},
        {"sonstiges", StyleText::Miscellaneous},
        {"menue_sonstigesHilfe", StyleText::Help},
        {"about", StyleText::About},
    };
    for (const auto& [name, line] : kBeforeFavourites)
        setItemCaption(QString::fromLatin1(name), line);
    RefreshFavoritenMenue();
    for (const auto& [name, line] : kAfterFavourites)
        setItemCaption(QString::fromLatin1(name), line);
    menuAction(QStringLiteral("zurueck"))->setText(QStringLiteral("| ") + m_session.StyleTexts().MultiWord(StyleText::Back));
}

// ---------------------------------------------------------------- pages

void MainWindow::ShowPage(int page)
{
    m_vorherigeSeite = m_aktuelleSeite;
    m_aktuelleSeite = page;
    HidePopUps();
    if (page >= 1 && page <= 3) {
        DVDScreenAufrufen(m_session.AktuelleDVDNr());
        if (page == 2)
            m_pageDVDScreen->ShowZoom();
        else if (page == 3)
            m_pageDVDScreen->ShowZusatzinfo();
        return;
    }
    if (page < 4 || page > 23)
        return;
    HideAllPages();
    m_btClose->show();
    m_btClose->raise();
    switch (page) {
    case 4: pageListen().ShowListen(); break;
    case 5: pageStatistik().ShowStatistik(); break;
    case 6: pageNotizen().ShowNotizen(); break;
    case 7: pageWexul().ShowWexul(); break;
    case 8: pageMB().ShowMB(); break;
    case 9: pageImport().ShowImport(); break;
    case 10: pageExport().ShowExport(); break;
    case 11: Suche().ShowSuche(); break;
    case 12: DVDEntry().ShowDVDEntry(); break;
    case 13: pageLoeschen().ShowLoeschen(); break;
    case 14: pageZusatztext().ShowZusatztext(false); break;
    case 15: DVDEntry().ShowDVDEdit(); break;
    case 16: pageEinstellungen().ShowEinstellungen(); break;
    case 17: pageZusatztext().ShowZusatztext(true); break;
    case 18: pagePasswort().ShowPasswort(); break;
    case 19: pageHilfe().ShowHilfe(); break;
    case 20: pageAbout().ShowAbout(); break;
    case 21: pageTop30().ShowTop30(1); break;
    case 22: pageTop30().ShowTop30(2); break;
    case 23: pageTop30().ShowTop30(3); break;
    default: break;
    }
}

void MainWindow::HideAllPages()
{
    m_btClose->hide();
    m_pageDVDScreen->HideDVDScreen();
    if (m_pageSuche)
        m_pageSuche->HideSuche();
    if (m_pageEinstellungen)
        m_pageEinstellungen->HideEinstellungen();
    if (m_pageStatistik)
        m_pageStatistik->HideStatistik();
    if (m_pageLoeschen)
        m_pageLoeschen->HideLoeschen();
    if (m_pageDVDEntry)
        m_pageDVDEntry->HideDVDEntry();
    if (m_pageNotizen)
        m_pageNotizen->HideNotizen();
    if (m_pageExport)
        m_pageExport->HideExport();
    if (m_pageHilfe)
        m_pageHilfe->HideHilfe();
    if (m_pageImport)
        m_pageImport->HideImport();
    m_pageDVDScreen->HideZoom();
    m_pageDVDScreen->HideZusatzinfo();
    if (m_pageDVDEntry)
        m_pageDVDEntry->HideDVDEdit();
    if (m_pageListen)
        m_pageListen->HideListen();
    if (m_pagePasswort)
        m_pagePasswort->HidePasswort();
    if (m_pageZusatztext)
        m_pageZusatztext->HideZusatztext();
    if (m_pageAbout)
        m_pageAbout->HideAbout();
    if (m_pageMB)
        m_pageMB->HideMB();
    if (m_pageTop30)
        m_pageTop30->HideTop30();
    if (m_pageWexul)
        m_pageWexul->HideWexul();
    m_pageDVDScreen->HidePortrait();
}

void MainWindow::zurueck_Click()
{
    if (m_vorherigeSeite != m_aktuelleSeite)
        ShowPage(m_vorherigeSeite);
}

void MainWindow::btClose_Click() { ShowPage(1); }

void MainWindow::DVDScreenAufrufen(std::int16_t pos) { m_pageDVDScreen->DVDScreenAufrufen(pos); }

void MainWindow::HidePopUps() { m_pageDVDScreen->HidePopUps(); }


void MainWindow::JumpToDVD(const QString& name, bool exact)
{
    const int found = m_session.DVDListe().indexOfFilmname(name, exact);
    if (found == 0) {
        StatusMsg(MessageText::NotAvailable);
        return;
    }
    m_session.selectTitle(found);
    ShowPage(1);
}

// ---------------------------------------------------------------- status line and sounds

void MainWindow::StatusMsg(int msgNo, const QString& suffix)
{
    m_statusTimer->stop();
    m_statusleiste->setText(m_session.MessageTexts().MultiWord(msgNo) + suffix);
    m_statusleiste->setVisible(true);
    PlaySound(3);
    m_statusTimer->start();
}

void MainWindow::StatusTimer_Timer()
{
    m_statusTimer->stop();
    m_statusleiste->setText(QString());
    m_statusleiste->setVisible(false);
}

void MainWindow::PlaySound(std::uint8_t kind) { playDesignSound(m_session.Options(), kind); }

// ---------------------------------------------------------------- language, design, layout

void MainWindow::SetLanguageAndDesign()
{
    // A picture that cannot be shown keeps the old one, like a missing file.
    bool shown = false;
    if (clsPathFunctions::checkIfFileExists(m_session.Options().BGpath(), 0)) {
        const QPixmap picture(m_session.Options().BGpath());
        if (!picture.isNull()) {
            m_bgImage->setPixmap(picture);
            shown = true;
        }
    }
    if (!shown)
        StatusMsg(MessageText::FileUnusable);

    m_session.LoadLanguages();
    QtTranslations::apply(m_session.Options().Language());

    if (m_pageDVDEntry)
        m_pageDVDEntry->SetDesignDVDEntry();
    if (m_pageSuche)
        m_pageSuche->SetDesignSuche();
    if (m_pageLoeschen)
        m_pageLoeschen->SetDesignLoeschen();
    if (m_pageNotizen)
        m_pageNotizen->SetDesignNotizen();
    if (m_pageHilfe)
        m_pageHilfe->SetDesignHilfe();
    if (m_pageStatistik)
        m_pageStatistik->SetDesignStatistik();
    if (m_pageEinstellungen)
        m_pageEinstellungen->SetDesignEinstellungen();
    m_pageDVDScreen->SetDesignDVDScreen();
    if (m_pageDVDEntry)
        m_pageDVDEntry->SetDesignDVDEntry();
    if (m_pageExport)
        m_pageExport->SetDesignExport();
    if (m_pageImport)
        m_pageImport->SetDesignImport();
    if (m_pageListen)
        m_pageListen->SetDesignListen();
    if (m_pagePasswort)
        m_pagePasswort->SetDesignPasswort();
    if (m_pageZusatztext)
        m_pageZusatztext->SetDesignZusatztext();
    if (m_pageAbout)
        m_pageAbout->SetDesignAbout();
    if (m_pageMB)
        m_pageMB->SetDesignMB();
    SetDesignMenue();
    if (m_pageTop30)
        m_pageTop30->SetDesignTop30();
    if (m_pageWexul)
        m_pageWexul->SetDesignWexul();
    m_pageDVDScreen->SetDesignCoverPopUp();
    m_pageDVDScreen->SetDesignSkipBarPopUp();

    m_regalCaption = m_session.StyleTexts().MultiWord(StyleText::DvdShelf);
    // A shelf window already made (open or hidden) takes it at once.
    if (m_regal)
        m_regal->setWindowTitle(m_regalCaption);
    m_designApplied = true;
}

void MainWindow::SetAllSizes(int W, int H)
{
    // The size is the window's outer size, and never more than the free area
    // of the screen it stands on.
    const QSize area = WindowPlacement::freeArea(this).size();
    W = std::clamp(W, 0, std::min(kMaxLayoutSize, area.width()));
    H = std::clamp(H, 0, std::min(kMaxLayoutSize, area.height()));

    if (!isMinimized() && !isMaximized()) {
        m_outerSize = QSize(W, H);
        applyOuterSize();
    }
    layoutPages(W, H);
}

void MainWindow::applyOuterSize()
{
    // A window still to be shown opens in the middle of the free area; a shown
    // one keeps its place unless the new size would reach past the area.
    const bool opening = !isVisible();
    const auto apply = [this, opening] {
        m_applyingSize = true;
        WindowPlacement::setOuterSize(this, m_outerSize);
        if (layout())
            layout()->activate();
        m_applyingSize = false;
        if (opening)
            WindowPlacement::place(this);
        else
            WindowPlacement::keepInside(this);
    };
    apply();
    WindowPlacement::reapplyWhenFramed(this, [this, apply] {
        apply();
        layoutPages(m_outerSize.width(), m_outerSize.height());
        m_pageDVDScreen->centreCover();
    });
}

void MainWindow::layoutPages(int W, int H)
{
    m_btClose->move(std::max(0, m_client->width() - m_btClose->width() - 5), 5);
    m_bgImage->setGeometry(0, m_bgImage->y(), m_client->width(), m_client->height());
    m_statusleiste->move(0, H - 75);
    m_statusleiste->resize(W, m_statusleiste->height());
    m_layoutSize = QSize(W, H);

    if (m_pageDVDEntry)
        m_pageDVDEntry->SetSizes(W, H);
    if (m_pageSuche)
        m_pageSuche->SetSizes(W, H);
    if (m_pageLoeschen)
        m_pageLoeschen->SetSizes(W, H);
    if (m_pageNotizen)
        m_pageNotizen->SetSizes(W, H);
    if (m_pageHilfe)
        m_pageHilfe->SetSizes(W, H);
    if (m_pageStatistik)
        m_pageStatistik->SetSizes(W, H);
    if (m_pageTop30)
        m_pageTop30->SetSizes(W, H);
    if (m_pageEinstellungen)
        m_pageEinstellungen->SetSizes(W, H);
    m_pageDVDScreen->SetSizes(W, H);
    if (m_pageDVDEntry)
        m_pageDVDEntry->SetSizesEditButton(W, H);
    if (m_pageExport)
        m_pageExport->SetSizes(W, H);
    if (m_pageImport)
        m_pageImport->SetSizes(W, H);
    if (m_pageWexul)
        m_pageWexul->SetSizes(W, H);
    if (m_pageListen)
        m_pageListen->SetSizes(W, H);
    if (m_pagePasswort)
        m_pagePasswort->SetSizes(W, H);
    if (m_pageZusatztext)
        m_pageZusatztext->SetSizes(W, H);
    if (m_pageAbout)
        m_pageAbout->SetSizes(W, H);
    if (m_pageMB)
        m_pageMB->SetSizes(W, H);
}

void MainWindow::applyLanguageAndDesign()
{
    SetLanguageAndDesign();
    // A maximised window keeps its size, and takes the settings' size when
    // restored; any other takes it at once.
    if (isMaximized()) {
        const QSize outer = frameGeometry().size();
        m_maximisedLayout = outer;
        m_normalGeometry.setSize(
            QSize(m_session.Options().FormWidth(), m_session.Options().FormHeight()).shrunkBy(m_normalFrame));
        SetAllSizes(outer.width(), outer.height());
    } else {
        SetAllSizes(m_session.Options().FormWidth(), m_session.Options().FormHeight());
    }
}

// ---------------------------------------------------------------- start-up and life cycle

bool MainWindow::Form_Load()
{
    if (Random::installed())
        Random::get().seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    m_maximiert = 0;
    if (!AskPassword())
        return false;
    m_session.LoadServerUrl();
    setSeiten(1, 1);
    setWindowTitle(QStringLiteral("QuorDVD %1.%2").arg(Version::kMajor).arg(Version::kMinor));
    m_session.LoadEinstellungen();
    const QStringList unreadNameLists = m_session.LoadNameLists();

    // What reading the files has to say comes after page 1, whose own
    // messages would hide it.
    QList<std::pair<int, QString>> pending;
    for (const QString& failure : unreadNameLists)
        pending.append({MessageText::FileUnusable, causeSuffix(failure)});
    m_session.setStatusCallback([&pending](int n, const QString& suffix) { pending.append({n, suffix}); });
    // The collection is read while the hidden window takes its design and
    // size, which need nothing of it. A shown window may show the title on
    // a resize: then it is read after them, in this thread.
    std::future<std::optional<QString>> collection =
        std::async(isVisible() ? std::launch::deferred : std::launch::async, [this] { return LoadCollection(); });
    SetLanguageAndDesign();
    SetAllSizes(m_session.Options().FormWidth(), m_session.Options().FormHeight());
    if (const std::optional<QString> error = collection.get())
        pending.append({MessageText::ErrorOccurred, causeSuffix(*error)});
    m_session.setStatusCallback([this](int n, const QString& suffix) { StatusMsg(n, suffix); });

    m_pageDVDScreen->setSkipzurueckEnabled(false);
    HideAllPages();
    ShowPage(1);
    for (const auto& [n, suffix] : pending)
        StatusMsg(n, suffix);
    PlaySound(2);
    return true;
}

bool MainWindow::AskPassword()
{
    m_session.LoadPassword();
    const QString password = m_session.PasswordFunctions().GetPassword();
    if (password.isEmpty())
        return true;
    // A wrong answer asks again; leaving the box ends the start (nothing is read yet).
    for (;;) {
        const std::optional<QString> answer =
            Messages::get().passwordBox(QStringLiteral("Password"), QStringLiteral("QuorDVD"));
        if (!answer)
            return false;
        if (*answer == password)
            return true;
    }
}

std::optional<QString> MainWindow::LoadCollection()
{
    m_session.selectTitle(0);
    if (!clsPathFunctions::checkIfFileExists(m_session.Options().DvdListpath(), 0))
        return std::nullopt;
    std::optional<QString> failure;
    if (!runAction([&] { m_session.LoadDVDList(); }, [&](const RuntimeError& e) { failure = e.detail(); }))
        return failure;
    return std::nullopt;
}

void MainWindow::Form_Resize()
{
    if (isMaximized()) {
        const QSize outer = frameGeometry().size();
        if (m_maximiert == 1 && outer == m_maximisedLayout)
            return;
        m_maximisedLayout = outer;
        SetAllSizes(outer.width(), outer.height());
        m_maximiert = 1;
        if (m_aktuelleSeite < 4)
            ShowPage(1);
    } else if (!isMinimized() && m_maximiert == 1) {
        m_maximiert = 0;
        m_maximisedLayout = QSize();
        restoreNormal();
        if (m_aktuelleSeite < 4)
            ShowPage(1);
    }
}

void MainWindow::restoreNormal()
{
    if (!m_normalGeometry.isValid()) {
        SetAllSizes(m_session.Options().FormWidth(), m_session.Options().FormHeight());
        return;
    }
    // The outer rectangle it had, cut to the free area and moved into it.
    const QRect area = WindowPlacement::freeArea(this);
    QRect outer = m_normalGeometry.marginsAdded(m_normalFrame);
    outer.setSize(outer.size().boundedTo(area.size()).boundedTo(QSize(kMaxLayoutSize, kMaxLayoutSize)));
    outer = WindowPlacement::inside(outer, area);
    m_outerSize = outer.size();
    // Placed without its frame, which the window measures as the maximised
    // one until the window system has told it the new one: a size or place
    // reapplied from that frame would be off by the difference.
    WindowPlacement::stopReapplying(this);
    m_restoring = true;
    m_applyingSize = true;
    setGeometry(outer.marginsRemoved(m_normalFrame));
    if (layout())
        layout()->activate();
    m_applyingSize = false;
    m_restoring = false;
    layoutPages(outer.width(), outer.height());
}

void MainWindow::noteNormalPlace()
{
    // Not while restoring: the frame measured then may still be the maximised one.
    if (m_restoring || !isVisible() ||
        (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    m_normalGeometry = geometry();
    m_normalFrame = WindowPlacement::frameMargins(this);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    noteNormalPlace();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    noteNormalPlace();
    // The maximised size may arrive after the state change.
    if (isMaximized()) {
        Form_Resize();
    } else if (!m_applyingSize && !isMinimized() && isVisible()) {
        // Dragged to another size by the user: laid out for it, as when maximised;
        // the settings' size stays the one it opens with.
        const QSize outer = frameGeometry().size();
        layoutPages(outer.width(), outer.height());
        if (m_aktuelleSeite < 4)
            ShowPage(1);
    }
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Every page and window with unsaved changes asks in turn; a Cancel or a
    // failed save keeps the program open and asks nothing further.
    const bool mayClose = (!m_pageNotizen || m_pageNotizen->queryClose()) &&
                          (!m_pageZusatztext || m_pageZusatztext->queryClose()) &&
                          (!m_regal || m_regal->queryClose()) && (!m_quiz || m_quiz->queryClose());
    if (!mayClose) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}
