// Menu commands of the main window whose work belongs to the windows and
// services beside it (printing, shelf, games, favourites, update page).
#include "mainwindow/frame/MainWindow.h"

#include "mainwindow/frame/Preview.h"
#include "mainwindow/frame/Trailer.h"
#include "mainwindow/frame/frmFullScreen.h"
#include "shelf/Regal.h"
#include "controls/WindowPlacement.h"
#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "data/clsPathFunctions.h"
#include "data/clsStringFunctions.h"
#include "controls/WindowPlacement.h"
#include "exchange/Admin.h"
#include "exchange/WebMenu.h"
#include "games/GameWindow.h"
#include "games/HangMan.h"
#include "games/Quiz.h"
#include "host/PageAction.h"
#include "pdf/mPrinter.h"
#include "platform/MessageService.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/RandomSource.h"

#include <QAction>
#include <QImage>
#include <QTimer>

#include <algorithm>

namespace {

// The screen saver's next picture: a title drawn at random from the collection.
void openRandomCover(MainWindow& main)
{
    const int count = main.session().DVDListe().getListSize();
    const int i = std::min(count, static_cast<int>(Numbers::intFloor(Random::get().next() * count)) + 1);
    using L = clsDatentraegerList;
    main.FullScreen().OpenFullscreen(main.session().DVDListe().getDataString(i, L::FieldBildpfad),
                                     main.session().DVDListe().getDataString(i, L::FieldFormat));
}

} // namespace

void MainWindow::menue_dvdCoverDrucken_Click()
{
    HidePopUps();
    if (Messages::get().messageBox(m_session.BoxTexts().MultiWord(BoxText::AskPrintCover), MsgButtons::YesNo, m_session.BoxTexts().MultiWord(BoxText::PrintCoverTitle)) !=
        MsgAnswer::Yes)
        return;
    using L = clsDatentraegerList;
    const int nr = m_session.AktuelleDVDNr();
    const QString path = m_session.DVDListe().getDataString(nr, L::FieldBildpfad);
    QImage picture;
    if (!clsPathFunctions::checkIfFileExists(path, 1) || !picture.load(Paths::resolve(path))) {
        StatusMsg(MessageText::FileUnusable);
        return;
    }
    switch (mPrinter::PrintCoverPicture(picture, m_session.DVDListe().getDataString(nr, L::FieldFormat))) {
    case PrintResult::Printed: break;
    case PrintResult::NoPrinter:
        StatusMsg(MessageText::NotAvailable, causeSuffix(QStringLiteral("no printer was found")));
        break;
    case PrintResult::Failed:
        StatusMsg(MessageText::Failed, causeSuffix(QStringLiteral("the printer did not take the job")));
        break;
    }
}

Regal& MainWindow::RegalFenster()
{
    if (!m_regal) {
        m_regal = new Regal(*this, this);
        connect(m_regal, &Regal::titleChosen, this, &MainWindow::DVDScreenAufrufen);
    }
    m_regal->setWindowTitle(m_regalCaption);
    return *m_regal;
}

Regal* MainWindow::RegalWindow() const { return m_regal.data(); }

void MainWindow::ShowRegal() { RegalFenster().OpenView(); }

void MainWindow::menue_ansichtRegal_Click() { ShowRegal(); }

void MainWindow::menue_ansichtTrailer_Click() { ShowTrailer(); }

void MainWindow::menue_sammlungRegal_Click() { RegalFenster().OpenEditor(); }

void MainWindow::menue_spieleQuiz_Click()
{
    HidePopUps();
    if (m_session.DVDListe().getListSize() < 20)
        StatusMsg(MessageText::TooFewTitles);
    else
        GameWindow::showGameWindow(m_quiz, this);
}

void MainWindow::menue_spieleHangman_Click()
{
    HidePopUps();
    if (m_session.DVDListe().getListSize() < 50)
        StatusMsg(MessageText::TooFewTitles);
    else
        GameWindow::showGameWindow(m_hangman, this, &m_session.DVDListe());
}

// One maintenance window for the run; closing it only hides it.
void MainWindow::admintools_Click()
{
    auto* admin = findChild<Admin*>(QStringLiteral("Admin"), Qt::FindDirectChildrenOnly);
    if (!admin)
        admin = new Admin(this);
    // One maintenance window for the run; closing it only hides it.
    WindowPlacement::show(admin, this);
}

HangMan* MainWindow::HangManWindow() const { return m_hangman.data(); }

Quiz* MainWindow::QuizWindow() const { return m_quiz.data(); }

void MainWindow::ShowTrailer()
{
    HidePopUps();
    const QString path = m_session.AktuelleDVD().GetTrailerpfad();
    if (path.isEmpty()) {
        StatusMsg(MessageText::NotAvailable);
        return;
    }
    const bool fresh = !m_trailer;
    if (fresh) {
        m_trailer = new Trailer(this);
        connect(m_trailer, &Trailer::playbackFailed, this, [this] {
            StatusMsg(MessageText::TrailerUnplayable);
            if (m_trailer)
                m_trailer->close();
        });
    }
    if (!m_trailer->StartPlayer(path)) {
        if (fresh)
            delete m_trailer; // never shown: nothing to leave open
        StatusMsg(MessageText::TrailerUnplayable);
        return;
    }
    // The settings give the outer size; an open window takes the new size where it stands.
    WindowPlacement::show(m_trailer, this,
                          QSize(m_session.Options().TrailerWidth(), m_session.Options().TrailerHeight()));
}

Trailer* MainWindow::TrailerWindow() const { return m_trailer.data(); }

frmFullScreen& MainWindow::FullScreen()
{
    if (!m_fullScreen) {
        m_fullScreen = new frmFullScreen(*this);
        connect(m_fullScreen, &frmFullScreen::dismissed, this, &MainWindow::BreakSchoner);
    }
    return *m_fullScreen;
}

void MainWindow::menue_sammlungSchoner_Click()
{
    if (m_session.DVDListe().getListSize() < 1)
        return;
    HidePopUps();
    openRandomCover(*this);
    m_timerSchoner->start();
    FullScreen().show();
    FullScreen().raise();
}

void MainWindow::TimerSchoner_Timer()
{
    // The collection may have been emptied while the saver ran.
    if (m_session.DVDListe().getListSize() < 1) {
        BreakSchoner();
        FullScreen().hide();
        return;
    }
    openRandomCover(*this);
}

void MainWindow::BreakSchoner() { m_timerSchoner->stop(); }

void MainWindow::ShowCoverVollbild()
{
    if (m_session.hasCurrentTitle()) {
        const int nr = m_session.AktuelleDVDNr();
        using L = clsDatentraegerList;
        if (FullScreen().OpenFullscreen(m_session.DVDListe().getDataString(nr, L::FieldBildpfad),
                                        m_session.DVDListe().getDataString(nr, L::FieldFormat))) {
            FullScreen().show();
            FullScreen().raise();
        }
    } else {
        StatusMsg(MessageText::FileUnusable); // no title, so no cover
    }
    HidePopUps();
}

Preview& MainWindow::PreviewWindow()
{
    if (!m_preview)
        m_preview = new Preview(this);
    return *m_preview;
}

void MainWindow::ShowPreview(const QString& path)
{
    Preview& preview = PreviewWindow();
    preview.SetPic(path);
    if (preview.IsPic()) {
        preview.show();
        preview.raise();
    }
}

WebMenu& MainWindow::webMenu()
{
    if (!m_web) {
        WebMenu::Items items;
        for (size_t k = 0; k < items.size(); ++k)
            items[k] = menuAction(QStringLiteral("menue_internetFavoriten%1").arg(k + 1));
        m_web = new WebMenu(*this, items);
    }
    return *m_web;
}

void MainWindow::RefreshFavoritenMenue() { webMenu().RefreshFavoritenMenue(); }

void MainWindow::menue_internetFavoriten_Click(int k) { webMenu().FavoritClick(k); }

void MainWindow::menue_internetFavoritenLoeschen_Click() { webMenu().menue_internetFavoritenLoeschen_Click(); }

void MainWindow::menue_internetUpdate_Click() { webMenu().menue_internetUpdate_Click(); }
