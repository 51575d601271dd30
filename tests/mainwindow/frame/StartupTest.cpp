#include "tests/mainwindow/frame/StartupFixture.h"

#include "data/clsPasswordFunctions.h"
#include "platform/RuntimeError.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/WaitFor.h"

#include <QAction>
#include <QPushButton>

namespace {

TEST_F(StartupTest, WithoutPasswordTheListLoadsAndTheFirstTitleShowsWithTheStartSound)
{
    writeSettings(QStringLiteral("lists/l.adl"), 0, 1, 1);
    writeList({{"Alpha"}, {"Beta"}, {"Gamma"}});
    folder.write(QStringLiteral("serverurl.txt"), "http://service.invalid\r\n");
    ScriptedMessages messages; // fails on any box
    start();

    EXPECT_EQ(window->windowTitle(), QStringLiteral("QuorDVD 4.2"));
    EXPECT_EQ(window->session().ServerUrl(), QStringLiteral("http://service.invalid"));
    EXPECT_EQ(window->session().DVDListe().getListSize(), 3);
    EXPECT_EQ(window->session().AktuelleDVDNr(), 1);
    EXPECT_EQ(window->AktuelleSeite(), 1);
    EXPECT_EQ(window->VorherigeSeite(), 1);
    EXPECT_EQ(filmname(), QStringLiteral("Alpha"));
    EXPECT_EQ(position(), QStringLiteral("1 / 3"));
    EXPECT_EQ(field("ucTextGenre"), QStringLiteral("Drama"));
    EXPECT_TRUE(child("ImAnzeige")->isVisible());
    EXPECT_FALSE(child("ucTextStatusleiste")->isVisible()); // nothing went wrong
    // The name lists are created empty; the genre list follows the language.
    for (const char* f : {"actor.txt", "director.txt", "genre0.txt"})
        EXPECT_TRUE(QFileInfo::exists(folder.file(QString::fromLatin1(f)))) << f;
    EXPECT_EQ(sounds.played, QStringList{folder.file(QStringLiteral("start.wav"))});

    // Previous is off at the first title, and back again after a step forward.
    auto* back = child<QPushButton>("btSkipzurueck");
    EXPECT_FALSE(back->isVisible());
    QTest::mouseClick(child<QPushButton>("btSkipvor"), Qt::LeftButton);
    EXPECT_EQ(filmname(), QStringLiteral("Beta"));
    EXPECT_TRUE(back->isVisible());
    EXPECT_TRUE(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(window->session().AktuelleDVDNr(), 1);
    EXPECT_EQ(sounds.played.count(folder.file(QStringLiteral("click.wav"))), 2);
}

TEST_F(StartupTest, APasswordIsAskedUntilTheExactTextIsGiven)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    {
        ScriptedRandom random{0.3, 0.7};
        clsPasswordFunctions pw;
        pw.SetPassword(QStringLiteral("Secret1"));
        pw.SaveIntoFile(folder.file(QStringLiteral("password.apw")));
    }
    ScriptedMessages messages;
    messages.expectInput(QStringLiteral("secret1")).expectInput(QString()).expectInput(QStringLiteral("Secret1 "))
        .expectInput(QStringLiteral("Secret1"));
    EXPECT_TRUE(window->Form_Load());
    window->show();
    EXPECT_EQ(messages.shown, QStringList(4, QStringLiteral("Password")));
    // What is typed stays hidden, under the program's name.
    EXPECT_EQ(messages.hidden, 4);
    EXPECT_EQ(messages.titles, QStringList(4, QStringLiteral("QuorDVD")));
    EXPECT_EQ(window->session().AktuelleDVDNr(), 1);
}

TEST_F(StartupTest, LeavingThePasswordBoxEndsTheStartWithNothingRead)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    {
        ScriptedRandom random{0.3, 0.7};
        clsPasswordFunctions pw;
        pw.SetPassword(QStringLiteral("Secret1"));
        pw.SaveIntoFile(folder.file(QStringLiteral("password.apw")));
    }
    const QByteArray settings = folder.read(QStringLiteral("settings.aef"));
    ScriptedMessages messages;
    messages.expectInput(QStringLiteral("wrong")).expectInput(QString()).expectCancel();
    EXPECT_FALSE(window->Form_Load());
    EXPECT_EQ(messages.shown.size(), 3); // wrong answers ask again, Cancel ends it
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->session().DVDListe().getListSize(), 0);
    EXPECT_EQ(window->session().Options().DvdListpath(), QString()); // the settings were not read
    EXPECT_EQ(folder.read(QStringLiteral("settings.aef")), settings);
    EXPECT_TRUE(sounds.played.isEmpty());
}

struct ListCase {
    const char* name;
    QByteArray bytes; // empty: no file
    bool write;
    int message;      // the status line's message after start-up
};

TEST_F(StartupTest, AMissingEmptyOrDamagedListStartsWithThePlaceholder)
{
    const ListCase cases[] = {
        {"missing", {}, false, 27},
        {"empty list", "LIST VERSION#0\r\nCOUNT#0\r\n", true, 27},
        {"empty file", "", true, 36},
        {"count too high", "LIST VERSION#0\r\nCOUNT#2\r\nNEWDVD#-\r\nA\r\nDVD\r\n 1 \r\n\r\n\r\n 0 \r\n 90 \r\n 0 \r\n"
                           "\r\n####\r\n\r\n\r\n\r\n",
         true, 36},
        {"bad number", "LIST VERSION#0\r\nCOUNT#x\r\n", true, 36},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        window = std::make_unique<MainWindow>();
        QFile::remove(folder.file(QStringLiteral("lists/l.adl")));
        if (c.write)
            folder.write(QStringLiteral("lists/l.adl"), c.bytes);
        writeSettings(QStringLiteral("lists/l.adl"));
        start();
        EXPECT_EQ(window->session().DVDListe().getListSize(), 0);
        EXPECT_EQ(window->session().AktuelleDVDNr(), 0);
        EXPECT_EQ(filmname(), QStringLiteral("Leere Film-Liste"));
        EXPECT_EQ(position(), QStringLiteral("0 / 0"));
        EXPECT_FALSE(child("ImAnzeige")->isVisible());
        EXPECT_FALSE(child("btSkipvor")->isVisible());
        EXPECT_FALSE(window->menuAction(QStringLiteral("menue_dvdBearbeiten"))->isEnabled());
        EXPECT_FALSE(window->menuAction(QStringLiteral("menue_ansichtZoom"))->isEnabled());
        // An unreadable list is named with the place where reading stopped.
        if (c.message == 36) {
            EXPECT_TRUE(status().startsWith(QStringLiteral("Meldung 36 (lists/l.adl"))) << status().toStdString();
        } else {
            EXPECT_EQ(status(), QStringLiteral("Meldung %1").arg(c.message));
        }
    }
}

TEST_F(StartupTest, AConvertedListIsReportedAfterPageOneWhoseCoverIsMissing)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    // The older layout: the count, then 16 lines a title; its cover is missing.
    folder.writeLines(QStringLiteral("lists/l.adl"), {" 1 ", "Zorro", " 4 ", "Drama", "USA 1999", " 16 ", " 120 ",
                                                      " 1500 ", "", "A", "", "", "", "", "Reg", "cover\\fehlt.jpg", ""});
    start();
    EXPECT_EQ(filmname(), QStringLiteral("Zorro"));
    EXPECT_FALSE(child("ImAnzeige")->isVisible());
    EXPECT_EQ(status(), QStringLiteral("Meldung 37"));
}

// The list is read beside the design and layout of a hidden window; a window
// already shown reads it after them, and either way its messages follow the
// name lists' after page 1.
TEST_F(StartupTest, TheListIsReadAndReportedAlikeForAHiddenAndAShownWindow)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    folder.write(QStringLiteral("director.txt/in-the-way"), "x"); // a folder where the list belongs
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown ? "shown" : "hidden");
        folder.writeLines(QStringLiteral("lists/l.adl"), {" 1 ", "Zorro", " 4 ", "Drama", "USA 1999", " 16 ", " 120 ",
                                                          " 1500 ", "", "A", "", "", "", "", "Reg", "", ""});
        if (shown)
            window->Form_Load();
        else
            start();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(filmname(), QStringLiteral("Zorro"));
        EXPECT_EQ(position(), QStringLiteral("1 / 1"));
        EXPECT_EQ(status(), QStringLiteral("Meldung 37")); // the conversion, after the name list
        EXPECT_EQ(window->session().DirectorList().getListSize(), 0);
    }
}

TEST_F(StartupTest, ANameListThatCannotBeReadIsReportedAndTheProgramStarts)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    folder.write(QStringLiteral("director.txt/in-the-way"), "x"); // a folder where the list belongs
    start();
    EXPECT_EQ(window->session().AktuelleDVDNr(), 1);
    EXPECT_EQ(window->session().DirectorList().getListSize(), 0);
    EXPECT_TRUE(status().startsWith("Meldung 27 (cannot write " + folder.file(QStringLiteral("director.txt")) + ": "))
        << status().toStdString();
}

TEST_F(StartupTest, AnUnreadListIsNotOverwrittenUntilItIsReadAgainOrAnotherIsTaken)
{
    const QByteArray damaged = "LIST VERSION#0\r\nCOUNT#5\r\n";
    folder.write(QStringLiteral("lists/l.adl"), damaged);
    writeSettings(QStringLiteral("lists/l.adl"));
    start();
    EXPECT_TRUE(status().startsWith(QStringLiteral("Meldung 36")));

    window->session().DVDListe().AddDVD(title({"New"}));
    EXPECT_THROW(window->session().SaveDVDList(), RuntimeError);
    EXPECT_EQ(folder.read(QStringLiteral("lists/l.adl")), damaged);

    // Another list may be written.
    const QString other = folder.file(QStringLiteral("lists/other.adl"));
    window->session().Options().setDvdListpath(other);
    window->session().SaveDVDList();
    EXPECT_TRUE(QFileInfo::exists(other));

    // Back to the damaged one, repaired outside and read again: saving works again.
    window->session().Options().setDvdListpath(folder.file(QStringLiteral("lists/l.adl")));
    EXPECT_THROW(window->session().SaveDVDList(), RuntimeError);
    folder.write(QStringLiteral("lists/l.adl"), "LIST VERSION#0\r\nCOUNT#0\r\n");
    window->session().LoadDVDList();
    window->session().DVDListe().AddDVD(title({"New"}));
    window->session().SaveDVDList();
    EXPECT_TRUE(folder.read(QStringLiteral("lists/l.adl")).contains("COUNT#1"));
}

TEST_F(StartupTest, TheServerAddressDropsOnlyTheLastLineEnd)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"http://a.invalid", "http://a.invalid"},
        {"http://a.invalid\n", "http://a.invalid"},
        {"http://a.invalid\r\nsecond\r\n", "http://a.invalid\r\nsecond"},
        {"x", "x"},
        {"", ""},
        {"\r\n", ""},
    };
    writeSettings(QStringLiteral("lists/none.adl"));
    for (const auto& [bytes, url] : cases) {
        window = std::make_unique<MainWindow>();
        folder.write(QStringLiteral("serverurl.txt"), bytes);
        window->Form_Load();
        EXPECT_EQ(window->session().ServerUrl(), url) << bytes.constData();
    }
    QFile::remove(folder.file(QStringLiteral("serverurl.txt")));
    window = std::make_unique<MainWindow>();
    window->Form_Load();
    EXPECT_EQ(window->session().ServerUrl(), QString());
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("serverurl.txt")))); // not created
}

TEST_F(StartupTest, MaximisingAndRestoringLayTheWindowOutAndFallBackToPageOne)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}, {"Beta"}});
    start();
    window->ShowPage(2);
    window->setWindowState(Qt::WindowMaximized);
    EXPECT_EVENTUALLY_EQ(window->Maximiert(), std::uint8_t(1));
    EXPECT_EQ(window->AktuelleSeite(), 1);
    const int H = window->frameGeometry().height();
    EXPECT_EVENTUALLY_EQ(window->Statusleiste()->y(), H - 75);

    window->ShowPage(16);
    window->setWindowState(Qt::WindowNoState);
    EXPECT_EVENTUALLY_EQ(window->Maximiert(), std::uint8_t(0));
    EXPECT_EQ(window->AktuelleSeite(), 16); // other pages stay
    EXPECT_EQ(window->Statusleiste()->y(), 700 - 75);
}

TEST_F(StartupTest, RestoredTheWindowStandsWhereItStoodAtItsOuterSize)
{
    screen.screen = screen.available = QSize(1280, 1024);
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    start();
    const QSize frame = window->frameGeometry().size() - window->size();
    const auto maximise = [this](bool on) {
        window->setWindowState(on ? Qt::WindowMaximized : Qt::WindowNoState);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->Maximiert() == (on ? 1 : 0); }));
        QTest::qWait(20); // what the window system still has to say
    };
    // Placed by the user, then as dragged to another size.
    for (const QRect& before : {QRect(120, 40, 800, 700), QRect(300, 200, 900, 650)}) {
        window->move(before.topLeft());
        window->resize(before.size() - frame);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry() == before; }));
        maximise(true);
        EXPECT_NE(window->frameGeometry(), before);
        maximise(false);
        EXPECT_EQ(window->frameGeometry(), before);
        EXPECT_EQ(window->Statusleiste()->y(), before.height() - 75);
    }

    // Settings saved while maximised give the size it comes back with.
    maximise(true);
    window->session().Options().setFormWidth(950);
    window->applyLanguageAndDesign();
    maximise(false);
    EXPECT_EQ(window->frameGeometry(), QRect(300, 200, 950, 700));

    // Where it stood past the edge of the free area, it comes back inside.
    window->move(1000, 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry().topLeft() == QPoint(1000, 500); }));
    maximise(true);
    maximise(false);
    EXPECT_EQ(window->frameGeometry(), QRect(330, 324, 950, 700));
}

TEST_F(StartupTest, TheSettingsSizeIsTheOuterSizeWithinTheScreen)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    start();
    EXPECT_EQ(window->frameGeometry().size(), QSize(800, 700));

    // Settings far larger than the screen (10000 is the fallback of a missing
    // settings file) give a window that fits the screen's free area.
    screen.available = QSize(1280, 1000);
    window->SetAllSizes(10000, 32767);
    EXPECT_EQ(window->frameGeometry().size(), QSize(1280, 1000));
    EXPECT_EQ(window->Statusleiste()->y(), 1000 - 75);
}

TEST_F(StartupTest, AWindowDraggedToAnotherSizeIsLaidOutForIt)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    start();
    window->ShowPage(2);
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(QSize(1000, 700) - frame); // as the user's drag does
    EXPECT_EVENTUALLY_EQ(window->Statusleiste()->y(), 700 - 75);
    EXPECT_EQ(window->AktuelleSeite(), 1);
    EXPECT_EQ(window->session().Options().FormWidth(), 800); // the settings keep their size
}

TEST_F(StartupTest, EveryPageHasACloseButtonThatLeadsToTheTitle)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    start();
    auto* close = child<QPushButton>("btClose");
    EXPECT_FALSE(close->isVisible());
    for (int page : {4, 5, 6, 11, 16, 19, 20, 23}) {
        window->ShowPage(page);
        ASSERT_TRUE(close->isVisible()) << page;
        // Above the page's controls, made with the page on its first visit.
        EXPECT_EQ(window->clientArea()->childAt(close->geometry().center()), close) << page;
        EXPECT_EQ(close->text(), QStringLiteral("x"));
        QTest::mouseClick(close, Qt::LeftButton);
        EXPECT_EQ(window->AktuelleSeite(), 1) << page;
        EXPECT_FALSE(close->isVisible()) << page;
    }
}

} // namespace
