#include "mainwindow/frame/MainWindow.h"
#include "mainwindow/frame/frmSplash.h"
#include "platform/HttpClient.h"
#include "platform/ProgramFolder.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"
#include "platform/gui/Application.h"
#include "platform/gui/FirstPaintReport.h"
#include "platform/gui/QtColorDialogService.h"
#include "platform/gui/QtFileDialogService.h"
#include "platform/gui/QtMediaPlayerService.h"
#include "platform/gui/QtMessageService.h"
#include "platform/gui/QtPrinterService.h"
#include "platform/gui/QtProgressService.h"
#include "platform/gui/QtScreenService.h"
#include "platform/gui/QtSoundService.h"
#include "platform/gui/QtUrlOpener.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QStyleFactory>
#include <QWidget>

#include <csignal>

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
    // Past the file-size limit a write fails with EFBIG and its message
    // instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    Application app(argc, argv);
    Application::setNames();
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
    QtProgressService progress;
    Progress::install(&progress);
    QtHttpClient http;
    Http::install(&http);
    MersenneRandomSource random(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    Random::install(&random);

    ProgramFolder::seedDefaults(QStringLiteral(":/defaults"));
    createFolders();

    MainWindow main;
    frmSplash splash(main);
    // For the start-up benchmark, QUORDVD_EXIT_AFTER_FIRST_PAINT=<ms>.
    if (qEnvironmentVariableIsSet("QUORDVD_EXIT_AFTER_FIRST_PAINT")) {
        if (auto* title = main.findChild<QWidget*>(QStringLiteral("ucFilmname")))
            new FirstPaintReport(title, qEnvironmentVariableIntValue("QUORDVD_EXIT_AFTER_FIRST_PAINT"));
    }
    try {
        // Leaving the password box ends the program before anything was read.
        if (!splash.Form_Load())
            return 0;
    } catch (const RuntimeError& e) {
        // A file that stops the start-up (a damaged password file, say) is
        // named instead of ending the program without a word; a programming
        // error ends it as everywhere else.
        messages.messageBox(QString::fromUtf8(e.what()), MsgButtons::Ok, QStringLiteral("QuorDVD"));
        return 1;
    }
    return app.exec();
}
