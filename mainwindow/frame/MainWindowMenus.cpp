// Menu commands of the main window whose work belongs to the windows and
// services beside it (printing, shelf, games, favourites, update page).
#include "mainwindow/frame/MainWindow.h"

#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/UrlOpener.h"
#include "platform/Version.h"

#include <QAction>

namespace {

const QString kFavouritesFile = QStringLiteral("favorites.txt");
constexpr int kMaxFavourites = 5;

clsDefaultListFileHandler loadFavourites()
{
    clsDefaultListFileHandler favourites;
    favourites.Load(ProgramFolder::path() + u'/' + kFavouritesFile, false, true);
    return favourites;
}

} // namespace

QString MainWindow::shelfFileOfList() const
{
    return ProgramFolder::path() + QStringLiteral("/shelves/") +
           clsPathFunctions::getFilename(m_options.DvdListpath(), false) + QStringLiteral(".arf");
}

void MainWindow::menue_dvdCoverDrucken_Click()
{
    HidePopUps();
    if (Messages::get().messageBox(m_boxTexts.MultiWord(25), MsgButtons::YesNo, m_boxTexts.MultiWord(26)) !=
        MsgAnswer::Yes)
        return;
    if (!clsPathFunctions::checkIfFileExists(m_dvdListe.getDataString(m_aktuelleDVDNr, 15), 1))
        StatusMsg(27);
}

void MainWindow::ShowRegal()
{
    HidePopUps();
    if (!clsPathFunctions::checkIfFileExists(shelfFileOfList(), 0)) {
        StatusMsg(32);
        return;
    }
    if (!clsPathFunctions::checkIfFileExists(m_options.DvdListpath(), 0))
        StatusMsg(31);
}

void MainWindow::menue_sammlungRegal_Click()
{
    HidePopUps();
    if (!clsPathFunctions::checkIfFileExists(shelfFileOfList(), 0))
        StatusMsg(32);
}

void MainWindow::menue_spieleQuiz_Click()
{
    HidePopUps();
    if (m_dvdListe.getListSize() < 20)
        StatusMsg(20);
}

void MainWindow::menue_spieleHangman_Click()
{
    HidePopUps();
    if (m_dvdListe.getListSize() < 50)
        StatusMsg(20);
}

void MainWindow::ShowTrailer() { HidePopUps(); }

void MainWindow::menue_sammlungSchoner_Click() { HidePopUps(); }

void MainWindow::ShowCoverVollbild() { HidePopUps(); }

void MainWindow::RefreshFavoritenMenue()
{
    const clsDefaultListFileHandler favourites = loadFavourites();
    const int count = std::min(favourites.getListSize(), kMaxFavourites);
    for (int k = 1; k <= kMaxFavourites; ++k) {
        QAction* item = menuAction(QStringLiteral("menue_internetFavoriten%1").arg(k));
        if (k <= count) {
            item->setText(QStringLiteral("%1: ").arg(k) +
                          clsStringFunctions::GetStringPartBySeparator(favourites.getElement(k), 1, QStringLiteral("#")));
            item->setVisible(true);
        } else if (k == count + 1) {
            item->setText(QStringLiteral("(") + m_styleTexts.MultiWord(82) + QStringLiteral(")"));
            item->setVisible(true);
        } else {
            item->setVisible(false);
        }
    }
}

void MainWindow::menue_internetFavoriten_Click(int k)
{
    HidePopUps();
    const clsDefaultListFileHandler favourites = loadFavourites();
    if (k >= 1 && k <= std::min(favourites.getListSize(), kMaxFavourites))
        Opener::get().openUrl(
            clsStringFunctions::GetStringPartBySeparator(favourites.getElement(k), 2, QStringLiteral("#")));
}

void MainWindow::menue_internetFavoritenLoeschen_Click()
{
    HidePopUps();
    if (loadFavourites().getListSize() == 0)
        StatusMsg(33);
}

void MainWindow::menue_internetUpdate_Click()
{
    HidePopUps();
    Opener::get().openUrl(m_serverUrl + QStringLiteral("/update.php?lang=") + QString::number(m_options.Language()) +
                          QStringLiteral("&versmajor=%1&versminor=%2&versrevision=%3")
                              .arg(Version::kMajor)
                              .arg(Version::kMinor)
                              .arg(Version::kRevision));
}
