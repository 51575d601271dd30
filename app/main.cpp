#include "mainwindow/frame/MainWindow.h"
#include "mainwindow/frame/frmSplash.h"
#include "platform/HeapPages.h"
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
#include "platform/gui/QtProgressService.h"
#include "platform/gui/QtScreenService.h"
#include "platform/gui/QtSoundService.h"
#include "platform/gui/QtUrlOpener.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <cstdio>

#include <sys/resource.h>

namespace {

// Folders that the program's files live in; resources cannot carry empty ones.
void createFolders()
{
    const QString root = ProgramFolder::path();
    for (const char* folder : {"cover", "designs", "games", "html", "languages", "lists", "longtexts", "portraits",
                               "shelves", "sounds", "trailer", "website"})
        QDir().mkpath(root + u'/' + QLatin1String(folder));
}

// For the start-up benchmark: with QUORDVD_EXIT_AFTER_FIRST_PAINT=<ms> set, the
// program writes "first paint <peak memory in KiB>" to its output when the
// film name is first painted, and ends that many milliseconds later.
class ExitAfterFirstPaint : public QObject {
public:
    ExitAfterFirstPaint(QWidget* watched, int delayMs) : QObject(watched), m_delayMs(delayMs)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("first paint %ld\n", usage.ru_maxrss);
            std::fflush(stdout);
            QTimer::singleShot(m_delayMs, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    int m_delayMs;
};

} // namespace

int main(int argc, char** argv)
{
    // First, so that every start-up allocation is made under it.
    HeapPages::preferLargePages();
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
    if (qEnvironmentVariableIsSet("QUORDVD_EXIT_AFTER_FIRST_PAINT")) {
        if (auto* title = main.findChild<QWidget*>(QStringLiteral("ucFilmname")))
            new ExitAfterFirstPaint(title, qEnvironmentVariableIntValue("QUORDVD_EXIT_AFTER_FIRST_PAINT"));
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
