#include "tests/mainwindow/frame/StartupFixture.h"

#include "controls/ucEntry.h"
#include "controls/ucZoom.h"
#include "mainwindow/frame/Preview.h"
#include "mainwindow/frame/Trailer.h"
#include "shelf/Regal.h"
#include "shelf/core/clsRegalCtrl.h"
#include "tests/support/RecordingMediaPlayers.h"
#include "tests/support/ScriptedRandom.h"

#include <QAction>
#include <QCoreApplication>

namespace {

TEST_F(FrameTest, PreviewTakesOnlyPicturesItCanRead)
{
    Preview preview;
    EXPECT_FALSE(preview.IsPic());
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::blue);
    img.save(folder.file(QStringLiteral("p.jpg")), "JPG");
    QDir().mkpath(folder.file(QStringLiteral("cover")));
    img.save(folder.file(QStringLiteral("cover/p.bmp")), "BMP");
    img.save(folder.file(QStringLiteral("p.txt")), "BMP"); // a picture, but not by its ending
    folder.write(QStringLiteral("broken.jpg"), "not a picture");

    const std::pair<QString, bool> cases[] = {
        {folder.file(QStringLiteral("p.jpg")), true},
        {QString(), false},
        {folder.file(QStringLiteral("p.txt")), false},
        {folder.file(QStringLiteral("missing.jpg")), false},
        {folder.file(QStringLiteral("broken.jpg")), false},
        {QStringLiteral("cover/p.bmp"), true}, // relative to the program folder
    };
    for (const auto& [path, isPic] : cases) {
        preview.SetPic(path);
        EXPECT_EQ(preview.IsPic(), isPic) << path.toStdString();
    }
    // A failed load keeps the last picture in the control.
    EXPECT_EQ(preview.ucZoom1()->ImagePath(), folder.file(QStringLiteral("cover/p.bmp")));
}

TEST_F(FrameTest, PreviewZoomFillsTheWindowButKeepsItsMinimumLayout)
{
    Preview preview;
    preview.show();
    preview.resize(500, 400);
    EXPECT_EQ(preview.ucZoom1()->geometry(), QRect(0, 0, 500, 400));
    auto* box = preview.ucZoom1()->findChild<QWidget*>(QStringLiteral("btRechts"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->geometry().right() + 1, 500);

    preview.resize(120, 90);
    EXPECT_EQ(preview.ucZoom1()->size(), QSize(120, 90));
    EXPECT_EQ(box->geometry().right() + 1, 200); // laid out for the control's minimum
}

TEST_F(FrameTest, PreviewButtonOfAnEntryOpensThePreviewForAPictureOnly)
{
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::blue);
    img.save(folder.file(QStringLiteral("cover.jpg")), "JPG");
    folder.write(QStringLiteral("notes.txt"), "text");

    // The picture entry of the title entry page.
    window->DVDEntry();
    auto* entry = window->findChild<ucEntry*>(QStringLiteral("ucEntryBild"));
    ASSERT_NE(entry, nullptr);
    entry->setStyle(4);
    entry->resize(400, 25);
    window->show();
    entry->show();
    auto* button = entry->findChild<QPushButton*>(QStringLiteral("btPreview"));
    ASSERT_NE(button, nullptr);

    entry->setValue(folder.file(QStringLiteral("notes.txt")));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(window->PreviewWindow().isVisible());

    entry->setValue(folder.file(QStringLiteral("cover.jpg")));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(window->PreviewWindow().isVisible());
    EXPECT_EQ(window->PreviewWindow().ucZoom1()->ImagePath(), folder.file(QStringLiteral("cover.jpg")));
}

class TrailerTest : public StartupTest {
protected:
    // The window's trailer player must go before the players' log does.
    ~TrailerTest() override { window.reset(); }
    QString video(const char* name) { return folder.write(QStringLiteral("trailer/") + QLatin1String(name), "x"); }
    void showTrailerOf(const QString& path)
    {
        clsDatentraegerList& list = window->session().DVDListe();
        if (list.getListSize() == 0)
            list.AddDVD(clsDatentraeger());
        window->session().selectTitle(1);
        list.setDVDString(1, path, clsDatentraegerList::FieldTrailerpfad);
        window->Statusleiste()->setText(QString());
        window->ShowTrailer();
    }
    void settleDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    RecordingMediaPlayers players;
};

TEST_F(TrailerTest, PlayerIsChosenByTheFileEnding)
{
    // Flash movies have no player here; every other existing file goes to the media player.
    const std::pair<const char*, bool> cases[] = {
        {"a.swf", false}, {"b.SWF", false}, {"c.mpg", true}, {"d.AVI", true}, {"e.wmv", true}, {"f.mp4", true},
    };
    for (const auto& [name, plays] : cases) {
        Trailer trailer;
        players.log.clear();
        const QString path = video(name);
        EXPECT_EQ(trailer.StartPlayer(path), plays) << name;
        if (plays)
            EXPECT_EQ(players.log, QStringList({"stretch", "source " + path, "play"})) << name;
        else
            EXPECT_TRUE(players.log.isEmpty()) << name;
    }
    Trailer trailer;
    EXPECT_FALSE(trailer.StartPlayer(folder.file(QStringLiteral("trailer/missing.mpg"))));
    EXPECT_FALSE(trailer.StartPlayer(QString()));
    EXPECT_EQ(trailer.player(), nullptr);
    players.failOnPlay = true;
    EXPECT_FALSE(trailer.StartPlayer(video("g.avi")));
}

TEST_F(TrailerTest, ButtonsStandInTheBottomRightCornerOverTheVideo)
{
    Trailer trailer;
    ASSERT_TRUE(trailer.StartPlayer(video("a.mpg")));
    trailer.show();
    auto* neustart = trailer.findChild<QPushButton*>(QStringLiteral("Neustart"));
    auto* pausePlay = trailer.findChild<QPushButton*>(QStringLiteral("PausePlay"));
    ASSERT_TRUE(neustart && pausePlay);
    for (const QSize size : {QSize(400, 300), QSize(640, 480)}) {
        trailer.resize(size);
        const int w = size.width(), h = size.height();
        EXPECT_EQ(trailer.player()->view()->geometry(), QRect(0, 0, w, h));
        EXPECT_EQ(pausePlay->geometry().right() + 1, w - 5);
        EXPECT_EQ(pausePlay->x() - (neustart->x() + neustart->width()), 5);
        EXPECT_EQ(neustart->y() + neustart->height(), h - 5);
        EXPECT_EQ(pausePlay->y(), neustart->y());
    }
}

TEST_F(TrailerTest, PauseResumesAndRestartLeavesThePausedFlag)
{
    Trailer trailer;
    ASSERT_TRUE(trailer.StartPlayer(video("a.mpg")));
    trailer.show();
    players.log.clear();
    auto click = [&](const char* name) {
        QTest::mouseClick(trailer.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    };
    EXPECT_FALSE(trailer.Paused());
    click("PausePlay");
    EXPECT_TRUE(trailer.Paused());
    click("Neustart");
    EXPECT_TRUE(trailer.Paused()); // plays from the start, yet still counts as paused
    click("PausePlay");
    EXPECT_FALSE(trailer.Paused());
    click("PausePlay");
    EXPECT_TRUE(trailer.Paused());
    EXPECT_EQ(players.log, QStringList({"pause", "stop", "play", "play", "pause"}));
}

TEST_F(TrailerTest, ShowTrailerOpensAWindowOfTheSettingsSizeOnlyForAPlayableFile)
{
    writeSettings(QStringLiteral("lists/none.adl"));
    start();
    window->session().Options().setTrailerWidth(400);
    window->session().Options().setTrailerHeight(300);

    showTrailerOf(QString());
    EXPECT_EQ(status(), QStringLiteral("Meldung 33"));
    for (const QString& path : {video("a.swf"), folder.file(QStringLiteral("trailer/missing.mpg"))}) {
        showTrailerOf(path);
        EXPECT_EQ(status(), QStringLiteral("Meldung 47")) << path.toStdString();
        EXPECT_EQ(window->TrailerWindow(), nullptr);
    }
    players.failOnPlay = true;
    showTrailerOf(video("b.avi"));
    EXPECT_EQ(status(), QStringLiteral("Meldung 47"));
    EXPECT_EQ(window->TrailerWindow(), nullptr);
    players.failOnPlay = false;

    showTrailerOf(video("c.mpg"));
    Trailer* trailer = window->TrailerWindow();
    ASSERT_NE(trailer, nullptr);
    EXPECT_TRUE(trailer->isVisible());
    EXPECT_EQ(trailer->frameGeometry().size(), QSize(400, 300));
    EXPECT_EQ(status(), QString());

    // A second trailer goes into the open window, sized anew; a refused one leaves it open.
    window->session().Options().setTrailerWidth(320);
    showTrailerOf(video("d.wmv"));
    EXPECT_EQ(window->TrailerWindow(), trailer);
    EXPECT_EQ(players.created, 2); // one of them was for the refused b.avi
    EXPECT_EQ(players.log.last(), QStringLiteral("play"));
    EXPECT_EQ(trailer->frameGeometry().size(), QSize(320, 300));
    showTrailerOf(video("e.swf"));
    EXPECT_EQ(status(), QStringLiteral("Meldung 47"));
    EXPECT_TRUE(trailer->isVisible());
}

TEST_F(TrailerTest, APlaybackErrorIsReportedAndClosesTheWindow)
{
    writeSettings(QStringLiteral("lists/none.adl"));
    start();
    showTrailerOf(video("a.mpg"));
    ASSERT_NE(window->TrailerWindow(), nullptr);
    players.reportError();
    EXPECT_EQ(status(), QStringLiteral("Meldung 47"));
    settleDeletes();
    EXPECT_EQ(window->TrailerWindow(), nullptr);

    // Closing ends playback with the window; the next trailer opens a fresh one.
    showTrailerOf(video("b.mpg"));
    ASSERT_NE(window->TrailerWindow(), nullptr);
    window->TrailerWindow()->PausePlay_Click();
    window->TrailerWindow()->close();
    settleDeletes();
    EXPECT_EQ(window->TrailerWindow(), nullptr);
    showTrailerOf(video("c.mpg"));
    ASSERT_NE(window->TrailerWindow(), nullptr);
    EXPECT_FALSE(window->TrailerWindow()->Paused());
}

TEST_F(TrailerTest, EveryWindowOpensInsideTheFreeAreaOfASmallScreen)
{
    // 1024 x 768 with a 24-pixel panel along the top.
    screen.screen = QSize(1024, 768);
    screen.available = QSize(1024, 744);
    screen.availableTopLeft = QPoint(0, 24);
    const QRect area(0, 24, 1024, 744);
    writeSettings(QStringLiteral("lists/none.adl"));
    start();
    const QRect main = window->frameGeometry();
    EXPECT_EQ(main.size(), QSize(800, 700));
    EXPECT_EQ(main.center(), area.center());

    // Sizes far past the screen give windows of the free area, not of the settings.
    window->SetAllSizes(16000, 16000);
    EXPECT_EQ(window->frameGeometry(), area);
    EXPECT_EQ(window->Statusleiste()->y(), 744 - 75);
    window->session().Options().setTrailerWidth(16000);
    window->session().Options().setTrailerHeight(32767);
    showTrailerOf(video("a.mpg"));
    ASSERT_NE(window->TrailerWindow(), nullptr);
    EXPECT_EQ(window->TrailerWindow()->frameGeometry(), area);

    // Without a place of its own a window opens centred on the main window,
    // moved inside the area where the main window stands near an edge.
    window->SetAllSizes(800, 600);
    window->menuAction(QStringLiteral("admintools"))->trigger();
    auto* admin = window->findChild<QWidget*>(QStringLiteral("Admin"));
    ASSERT_NE(admin, nullptr);
    EXPECT_EQ(admin->frameGeometry().center(), window->frameGeometry().center());
    admin->close();
    window->move(400, 300);
    window->menuAction(QStringLiteral("admintools"))->trigger();
    EXPECT_TRUE(area.contains(admin->frameGeometry()));
    EXPECT_EQ(admin->frameGeometry().right(), area.right());
}

TEST_F(TrailerTest, SizesBelowTheLeastInTheSettingsFileOpenEachWindowAtThatLeast)
{
    screen.screen = screen.available = QSize(1024, 768);
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha"}});
    clsRegalCtrl::WriteNewShelfFile(folder.file(QStringLiteral("shelves/l.arf")));
    // Main window 0 x -5, trailer two empty lines, shelf 1 x -32768.
    QList<QByteArray> lines = folder.read(QStringLiteral("settings.aef")).split('\n');
    const char* sizes[] = {" 0 \r", "-5 \r", "\r", "\r", " 1 \r", "-32768 \r"};
    for (int k = 0; k < 6; ++k)
        lines[4 + k] = sizes[k];
    folder.write(QStringLiteral("settings.aef"), lines.join('\n'));
    start();
    EXPECT_EQ(window->frameGeometry().size(), QSize(700, 666));
    EXPECT_EQ(window->Statusleiste()->y(), 666 - 75);

    showTrailerOf(video("a.mpg"));
    ASSERT_NE(window->TrailerWindow(), nullptr);
    EXPECT_EQ(window->TrailerWindow()->frameGeometry().size(), QSize(400, 400));

    ScriptedRandom random{0.5}; // the shelf's spine colours
    window->ShowRegal();
    ASSERT_NE(window->RegalWindow(), nullptr);
    EXPECT_TRUE(window->RegalWindow()->isVisible());
    EXPECT_EQ(window->RegalWindow()->frameGeometry().size(), QSize(500, 500));
    window->RegalWindow()->close();

    // On a screen smaller than the least size the screen wins, as for any size.
    screen.screen = screen.available = QSize(640, 480);
    window->SetAllSizes(window->session().Options().FormWidth(), window->session().Options().FormHeight());
    EXPECT_EQ(window->frameGeometry().size(), QSize(640, 480));
}

} // namespace
