#include "controls/ucEntry.h"
#include "controls/ucOption.h"
#include "controls/ucText.h"
#include "controls/ucTitle.h"
#include "data/clsPathFunctions.h"
#include "games/HangMan.h"
#include "games/Quiz.h"
#include "mainwindow/frame/MainWindow.h"
#include "mainwindow/frame/frmSplash.h"
#include "platform/RuntimeError.h"
#include "platform/ProgramFolder.h"
#include "shelf/core/clsRegalCtrl.h"
#include "tests/support/FixedScreen.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/SoundFiles.h"
#include "tests/support/TempProgramFolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSet>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTest>
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

const QString kResources = QStringLiteral(QUORDVD_RESOURCES);
const QString kExecutable = QStringLiteral(QUORDVD_EXECUTABLE);

TEST(ShippedFolder, AFreshFolderShowsTheDemoCollectionWithoutAMessage)
{
    TempProgramFolder folder;
    ASSERT_GT(ProgramFolder::seedDefaults(kResources), 0);
    ScriptedMessages messages; // no box may appear
    RecordingSounds sounds;
    FixedScreen screen{QSize(1920, 1080)};
    MainWindow window;
    window.Form_Load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // Enough titles for both games.
    const int titles = window.session().DVDListe().getListSize();
    EXPECT_GE(titles, 66);
    EXPECT_EQ(window.session().AktuelleDVDNr(), 1);
    EXPECT_EQ(window.findChild<ucTitle*>(QStringLiteral("ucFilmname"))->Caption(), QStringLiteral("A Winter for Foxes"));
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("ImAnzeige"))->isVisible());
    EXPECT_FALSE(window.Statusleiste()->isVisible()); // background, covers and list all found
    // No public title service is known: nothing is sent until the user names one.
    EXPECT_TRUE(window.session().ServerUrl().isEmpty());
    // Every title's cover can be shown.
    for (int i = 2; i <= titles; ++i) {
        window.DVDScreenAufrufen(static_cast<std::int16_t>(i));
        EXPECT_FALSE(window.Statusleiste()->isVisible()) << i;
    }
    // Help in both languages.
    for (int language : {0, 1}) {
        window.session().Options().setLanguage(static_cast<std::uint8_t>(language));
        window.ShowPage(19);
        EXPECT_TRUE(window.findChild<QTextBrowser*>(QStringLiteral("WebBrowser"))->toPlainText().contains(
            QStringLiteral("QuorDVD")))
            << language;
    }
    EXPECT_EQ(sounds.played.size(), 1); // the start sound
    // The name lists offer the demo's people and the genres of the language.
    EXPECT_TRUE(window.session().ActorList().getListSize() > 0);
    EXPECT_TRUE(window.session().DirectorList().getListSize() > 0);
    EXPECT_TRUE(window.session().GenreList().getListSize() > 0);
}

TEST(ShippedFolder, TheDemoListHasItsPeopleLongTextsAndShelf)
{
    TempProgramFolder folder;
    ASSERT_GT(ProgramFolder::seedDefaults(kResources), 0);
    ScriptedMessages messages;
    RecordingSounds sounds;
    FixedScreen screen{QSize(1920, 1080)};
    MainWindow window;
    window.Form_Load();
    const clsDatentraegerList& list = window.session().DVDListe();
    const auto listed = [](clsDefaultListFileHandler& names, const QString& name) {
        for (int i = 1; i <= names.getListSize(); ++i) {
            if (names.getElement(i) == name)
                return true;
        }
        return false;
    };
    clsRegalCtrl shelf;
    ASSERT_TRUE(shelf.Load(window.session().shelfFileOfList()));
    EXPECT_EQ(shelf.MovieCount(), list.getListSize());
    EXPECT_EQ(shelf.Brettcount(), 2);
    for (int i = 1; i <= list.getListSize(); ++i) {
        const clsDatentraeger d = window.session().recordAt(i);
        const QString name = d.GetFilmname();
        if (i > 1) {
            EXPECT_LT(list.getDataString(i - 1, clsDatentraegerList::FieldFilmname).toLower(), name.toLower());
        }
        EXPECT_TRUE(listed(window.session().DirectorList(), d.GetRegie())) << name.toStdString();
        for (const QString& actor : {d.GetSchauspieler1(), d.GetSchauspieler2(), d.GetSchauspieler3(),
                                     d.GetSchauspieler4(), d.GetSchauspieler5()}) {
            if (!actor.isEmpty()) {
                EXPECT_TRUE(listed(window.session().ActorList(), actor)) << actor.toStdString();
            }
        }
        EXPECT_TRUE(clsPathFunctions::checkIfFileExists(d.GetZusatztextPfad(), 4)) << name.toStdString();
        EXPECT_TRUE(shelf.IsFilmInRegal(name)) << name.toStdString();
        // Every spine inside the shelf window.
        const QRect spine = shelf.MovieRect(shelf.IndexOfMovie(name));
        EXPECT_TRUE(QRect(0, 0, window.session().Options().RegalWidth(), window.session().Options().RegalHeight())
                        .contains(spine))
            << name.toStdString();
    }
}

// Files brought from the Windows program end their lines with CR LF; so does
// every text file that ships, whatever the editor that last saved it.
TEST(ShippedFolder, EveryShippedTextFileEndsItsLinesWithCrLf)
{
    const QStringList textEndings{"adl", "aef", "ahp", "arf", "asd", "ass", "html", "txt"};
    int checked = 0;
    QDirIterator it(kResources, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!textEndings.contains(QFileInfo(path).suffix().toLower()))
            continue;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        ++checked;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const bool loneLf = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
            const bool loneCr = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
            ASSERT_FALSE(loneLf || loneCr) << path.toStdString() << " at byte " << i;
        }
        if (!bytes.isEmpty()) {
            EXPECT_TRUE(bytes.endsWith("\r\n")) << path.toStdString();
        }
    }
    EXPECT_GT(checked, 50);
}

TEST(ShippedFolder, BothGamesCanBePlayedOnAFreshStart)
{
    TempProgramFolder folder;
    ASSERT_GT(ProgramFolder::seedDefaults(kResources), 0);
    ScriptedMessages messages; // no box may appear
    RecordingSounds sounds;
    ScriptedRandom random{0.3};
    FixedScreen screen{QSize(1920, 1080)};
    MainWindow window;
    window.Form_Load();

    window.menuAction(QStringLiteral("menue_spieleHangman"))->trigger();
    HangMan* hangman = window.HangManWindow();
    ASSERT_NE(hangman, nullptr);
    EXPECT_TRUE(hangman->Game().IsRunning());
    EXPECT_FALSE(hangman->Game().Hangman().GetCompleteWord().isEmpty());
    QTest::keyClicks(hangman->findChild<QLineEdit*>(QStringLiteral("txtBuchstabe")), QStringLiteral("e"));
    QTest::mouseClick(hangman->findChild<QPushButton*>(QStringLiteral("btCheck")), Qt::LeftButton);

    window.menuAction(QStringLiteral("menue_spieleQuiz"))->trigger();
    Quiz* quiz = window.QuizWindow();
    ASSERT_NE(quiz, nullptr);
    EXPECT_TRUE(quiz->Game().Question().endsWith(u'?'));
    QTest::mouseClick(quiz->findChild<QPushButton*>(QStringLiteral("btOpt1")), Qt::LeftButton);
    EXPECT_EQ(quiz->Game().QuestionsShown(), 2);
    EXPECT_FALSE(window.Statusleiste()->isVisible());
    // The high-score files are made on opening.
    EXPECT_TRUE(QFileInfo::exists(folder.file(QStringLiteral("games/hangmanscore.sco"))));
    EXPECT_TRUE(QFileInfo::exists(folder.file(QStringLiteral("games/quizscore.sco"))));
    messages.expectMessage(MsgAnswer::No); // closing the quiz with an answer not saved
    quiz->close();
}

TEST(ShippedFolder, TheMassChangeSaysInBothLanguagesWhatItWillChangeAndThenHowMuchDid)
{
    TempProgramFolder folder;
    ASSERT_GT(ProgramFolder::seedDefaults(kResources), 0);
    ScriptedMessages messages;
    RecordingSounds sounds;
    FixedScreen screen{QSize(1920, 1080)};
    MainWindow window;
    window.Form_Load();
    const auto child = [&window](const char* name) { return window.findChild<QWidget*>(QString::fromLatin1(name)); };
    const auto ask = [&](MsgAnswer answer) {
        messages.shown.clear();
        messages.expectMessage(answer);
        QTest::mouseClick(static_cast<QPushButton*>(child("btMB")), Qt::LeftButton);
        return messages.shown.value(0);
    };
    const QByteArray longText = folder.read(QStringLiteral("longtexts/a_winter_for_foxes.txt"));

    // The page as it opens: long texts, set, both texts empty.
    window.ShowPage(8);
    EXPECT_EQ(ask(MsgAnswer::No), QStringLiteral("Set the long text of all 66 titles to an empty text?"));
    window.session().Options().setLanguage(0);
    window.SetLanguageAndDesign();
    EXPECT_EQ(ask(MsgAnswer::No), QStringLiteral("Bei allen 66 Titeln den Zusatztext auf einen leeren Text setzen?"));
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/a_winter_for_foxes.txt")), longText);

    int dramas = 0;
    for (int i = 1; i <= window.session().DVDListe().getListSize(); ++i)
        dramas += window.session().DVDListe().getDataString(i, clsDatentraegerList::FieldGenre).contains(
            QStringLiteral("drama"), Qt::CaseInsensitive);
    ASSERT_GT(dramas, 0);
    static_cast<ucOption*>(child("ucOptionMBOrt"))->setSelected(3);
    static_cast<ucOption*>(child("ucOptionMBModus"))->setSelected(2);
    static_cast<ucEntry*>(child("ucEntryMBFind"))->setValue(QStringLiteral("Drama"));
    static_cast<ucEntry*>(child("ucEntryMBReplace"))->setValue(QStringLiteral("Krimi"));
    EXPECT_EQ(ask(MsgAnswer::No),
              QStringLiteral("Bei allen 66 Titeln das Genre \u00e4ndern: das erste \u201eDrama\u201c durch \u201eKrimi\u201c ersetzen?"));
    window.session().Options().setLanguage(1);
    window.SetLanguageAndDesign();
    EXPECT_EQ(ask(MsgAnswer::Yes),
              QStringLiteral("Change the genre of all 66 titles: replace the first \u201cDrama\u201d with \u201cKrimi\u201d?"));
    EXPECT_EQ(window.Statusleiste()->text(), QStringLiteral("Titles changed: %1").arg(dramas));
}

TEST(ShippedFolder, ADamagedPasswordFileStopsTheStartNamingTheFile)
{
    TempProgramFolder folder;
    ASSERT_GT(ProgramFolder::seedDefaults(kResources), 0);
    folder.write(QStringLiteral("password.apw"), "not a password file\r\n");
    ScriptedMessages messages; // no question is asked
    MainWindow window;
    frmSplash splash(window);
    try {
        splash.Form_Load();
        ADD_FAILURE() << "started with a damaged password file";
    } catch (const RuntimeError& e) {
        // The text the program shows before it ends.
        EXPECT_TRUE(e.message().contains(folder.file(QStringLiteral("password.apw")) + QStringLiteral(" is damaged")))
            << e.what();
    }
    EXPECT_FALSE(window.isVisible());
}

// Waits for read-only opens of files in watched folders; false when the time runs out.
class OpenWatch {
public:
    OpenWatch() : m_fd(inotify_init1(IN_NONBLOCK)) {}
    ~OpenWatch() { ::close(m_fd); }
    void watch(const QString& dir) { inotify_add_watch(m_fd, QFile::encodeName(dir).constData(), IN_CLOSE_NOWRITE); }
    bool waitFor(const std::set<std::string>& names, const QProcess& process, int ms)
    {
        std::set<std::string> missing = names;
        QDeadlineTimer deadline(ms);
        while (!missing.empty() && !deadline.hasExpired() && process.state() == QProcess::Running) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0)
                continue;
            alignas(inotify_event) char buffer[4096];
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            for (ssize_t i = 0; i < n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(buffer + i);
                if (e->len)
                    missing.erase(e->name);
                i += ssize_t(sizeof(inotify_event) + e->len);
            }
        }
        return missing.empty();
    }

private:
    int m_fd;
};

// A portable install: the program and a settings file in one folder, the
// program ready to start there on the offscreen platform.
bool preparePortable(const QTemporaryDir& dir, QProcess& program)
{
    const QString exe = dir.filePath(QStringLiteral("quordvd"));
    if (!dir.isValid() || !QFile::copy(kExecutable, exe) ||
        !QFile::copy(kResources + QStringLiteral("/settings.aef"), dir.filePath(QStringLiteral("settings.aef"))))
        return false;
    program.setProgram(exe);
    program.setWorkingDirectory(dir.path());
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    return true;
}

TEST(Executable, StartsPortableReadsTheDemoListAndShowsTheFirstCover)
{
    QTemporaryDir dir;
    QProcess program;
    ASSERT_TRUE(preparePortable(dir, program));
    QDir(dir.path()).mkpath(QStringLiteral("lists"));
    QDir(dir.path()).mkpath(QStringLiteral("cover"));
    OpenWatch opens;
    opens.watch(dir.filePath(QStringLiteral("lists")));
    opens.watch(dir.filePath(QStringLiteral("cover")));

    program.start();
    ASSERT_TRUE(program.waitForStarted(10000));

    // The list is read (not written) at start-up, then the first title's cover.
    const bool loaded = opens.waitFor({"demo.adl", "a_winter_for_foxes.jpg"}, program, 30000);
    // A little longer, through the splash's animation: still running.
    const bool finished = program.waitForFinished(1000);
    program.terminate();
    if (!program.waitForFinished(5000)) {
        program.kill();
        program.waitForFinished(5000);
    }
    EXPECT_TRUE(loaded);
    EXPECT_FALSE(finished) << "the program ended by itself with " << program.exitCode();
    // The shipped files were seeded beside the program.
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("languages/english-style.ass"))));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("portraits"))));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("genre1.txt"))));
}

TEST(Executable, AFileSizeLimitDoesNotEndTheProgram)
{
    // The first start copies covers larger than the limit: each copy fails
    // with its error, and the program goes on.
    QTemporaryDir dir;
    QProcess program;
    ASSERT_TRUE(preparePortable(dir, program));
    program.setChildProcessModifier([] {
        rlimit limit{16 * 1024, 16 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    program.start();
    ASSERT_TRUE(program.waitForStarted(10000));
    const bool finished = program.waitForFinished(3000);
    const QProcess::ExitStatus status = program.exitStatus();
    program.kill();
    program.waitForFinished(5000);
    if (finished) {
        EXPECT_EQ(status, QProcess::NormalExit) << "ended by a signal";
    }
}

// A sound server of the test's own: PulseAudio with one null sink, whose
// monitor gives back what was played into it.
class PrivateSoundServer {
public:
    PrivateSoundServer()
    {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (!m_dir.isValid() || server.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty())
            return;
        m_socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_STATE_HOME"})
            env.insert(QString::fromLatin1(name), m_dir.path());
        m_server.setProcessEnvironment(env);
        m_server.setStandardOutputFile(QProcess::nullDevice());
        m_server.setStandardErrorFile(QProcess::nullDevice());
        m_server.start(server, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                                QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                                QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=test"),
                                QStringLiteral("-L"),
                                QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + m_socket});
        QDeadlineTimer deadline(10000);
        while (m_server.state() != QProcess::NotRunning && !QFileInfo::exists(m_socket) && !deadline.hasExpired())
            m_server.waitForFinished(50);
    }
    ~PrivateSoundServer()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }
    bool running() const { return m_server.state() == QProcess::Running && QFileInfo::exists(m_socket); }
    QString address() const { return QStringLiteral("unix:") + m_socket; }

    // Starts recording what the sink plays, as 16-bit mono samples.
    bool record(QProcess& recorder) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), address());
        recorder.setProcessEnvironment(env);
        recorder.start(QStringLiteral("parec"),
                       {QStringLiteral("-d"), QStringLiteral("test.monitor"), QStringLiteral("--raw"),
                        QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"), QStringLiteral("--rate=22050")});
        return recorder.waitForStarted(10000);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_socket;
};

// The loudest sample, 0 to 32768, of 16-bit samples; an odd byte is kept for the next call.
int peakOf(QByteArray& samples)
{
    int peak = 0;
    const qsizetype whole = samples.size() & ~qsizetype(1);
    for (qsizetype i = 0; i < whole; i += 2) {
        qint16 v;
        std::memcpy(&v, samples.constData() + i, 2);
        peak = std::max(peak, std::abs(int(v)));
    }
    samples.remove(0, whole);
    return peak;
}

// The start sound of the shipped design (WAV) and of a design whose start
// sound is a MIDI file reach a real sound server.
TEST(Executable, TheStartSoundReachesTheSoundServer)
{
    PrivateSoundServer server;
    if (!server.running())
        GTEST_SKIP() << "no sound server could be started (pulseaudio and parec are needed)";
    QSet<QString> heard;
    // A start on a busy machine may miss its sound server's first moments
    // (the MIDI player is made after the first paint): one more start each.
    for (const char* start : {"start.wav", "start.wav", "start.mid", "start.mid"}) {
        SCOPED_TRACE(start);
        if (heard.contains(start))
            continue;
        QTemporaryDir dir;
        QProcess program;
        ASSERT_TRUE(preparePortable(dir, program));
        QDir(dir.path()).mkpath(QStringLiteral("designs"));
        QDir(dir.path()).mkpath(QStringLiteral("sounds"));
        {
            QFile shipped(kResources + QStringLiteral("/designs/Standard.asd"));
            ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
            QByteArray design = shipped.readAll();
            design.replace("sounds\\start.wav", QByteArray("sounds\\") + start);
            QFile own(dir.filePath(QStringLiteral("designs/Standard.asd")));
            ASSERT_TRUE(own.open(QIODevice::WriteOnly));
            own.write(design);
            QFile tune(dir.filePath(QStringLiteral("sounds/start.mid")));
            ASSERT_TRUE(tune.open(QIODevice::WriteOnly));
            tune.write(midiFile());
        }
        QProcessEnvironment env = program.processEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), server.address());
        program.setProcessEnvironment(env);

        QProcess recorder;
        ASSERT_TRUE(server.record(recorder));
        program.start();
        ASSERT_TRUE(program.waitForStarted(10000));
        // Silence is 0 on the sink; the sound is far above a whisper.
        int peak = 0;
        QByteArray samples;
        QDeadlineTimer deadline(30000);
        while (peak < 100 && !deadline.hasExpired() && program.state() == QProcess::Running &&
               recorder.state() == QProcess::Running) {
            recorder.waitForReadyRead(100);
            samples += recorder.readAllStandardOutput();
            peak = std::max(peak, peakOf(samples));
        }
        const bool ended = program.state() != QProcess::Running;
        program.terminate();
        if (!program.waitForFinished(5000)) {
            program.kill();
            program.waitForFinished(5000);
        }
        recorder.kill();
        recorder.waitForFinished(5000);
        EXPECT_FALSE(ended) << "the program ended by itself with " << program.exitCode();
        if (peak >= 100)
            heard << start;
    }
    EXPECT_EQ(heard, (QSet<QString>{"start.wav", "start.mid"}));
}

} // namespace
