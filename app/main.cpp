#include "mainwindow/frame/MainWindow.h"
#include "mainwindow/frame/frmSplash.h"
#include "platform/HttpClient.h"
#include "platform/ProgramFolder.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"
#include "platform/gui/Application.h"
#include "platform/gui/QtColorDialogService.h"
#include "platform/gui/QtFileDialogService.h"
#include "platform/gui/QtMediaPlayerService.h"
#include "platform/gui/QtMessageService.h"
#include "platform/gui/QtPrinterService.h"
#include "platform/gui/QtScreenService.h"
#include "platform/gui/QtSoundService.h"
#include "platform/gui/QtUrlOpener.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QStyleFactory>

#include <exception>

namespace {

// Folders that the program's files live in; resources cannot carry empty ones.
void createFolders()
{
    const QString root = ProgramFolder::path();
    for (const char* folder : {"cover", "designs", "games", "html", "languages", "lists", "longtexts", "portraits",
                               "shelves", "sounds", "trailer", "website"})
        QDir().mkpath(root + u'/' + QLatin1String(folder));
}

} // namespace

int main(int argc, char** argv)
{
    Application app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quordvd"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QtMessageService messages;
    Messages::install(&messages);
    QtFileDialogService fileDialogs;
    FileDialogs::install(&fileDialogs);
    QtColorDialogService colorDialogs;
    ColorDialogs::install(&colorDialogs);
    QtSoundService sounds;
    Sounds::install(&sounds);
    QtScreenService screen;
    Screens::install(&screen);
    QtMediaPlayerService mediaPlayers;
    MediaPlayers::install(&mediaPlayers);
    QtUrlOpener opener;
    Opener::install(&opener);
    QtPrinterService printer;
    Printers::install(&printer);
    QtHttpClient http;
    Http::install(&http);
    MersenneRandomSource random(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    Random::install(&random);

    ProgramFolder::seedDefaults(QStringLiteral(":/defaults"));
    createFolders();

    MainWindow main;
    frmSplash splash(main);
    try {
        splash.Form_Load();
    } catch (const std::exception& e) {
        // A file that stops the start-up (a damaged password file, say) is
        // named instead of ending the program without a word.
        messages.messageBox(QString::fromUtf8(e.what()), MsgButtons::Ok, QStringLiteral("QuorDVD"));
        return 1;
    }
    return app.exec();
}
