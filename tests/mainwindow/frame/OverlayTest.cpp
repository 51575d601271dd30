#include "tests/mainwindow/frame/StartupFixture.h"

#include "controls/ucZoom.h"
#include "mainwindow/frame/PageDVDScreen.h"

namespace {

const char* const kSwitches[] = {"sw_zoom", "sw_zusatz", "sw_trailer", "sw_regal"};

TEST_F(StartupTest, ZoomLiesExactlyOverTheCoverUntilTheNextTitleIsShown)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha", "BluRay"}, {"Beta", "HD-DVD", 3, 0, 0, "cover/b.jpg"}});
    start();
    auto* cover = child("ImAnzeige");
    auto* zoom = child<ucZoom>("ucZoom");

    window->ShowPage(2);
    EXPECT_EQ(window->AktuelleSeite(), 2);
    EXPECT_TRUE(zoom->isVisible());
    EXPECT_EQ(zoom->geometry(), cover->geometry());
    EXPECT_EQ(zoom->width(), 2 * zoom->height()); // the width the format gave the cover
    EXPECT_FALSE(cover->isVisible());
    for (const char* s : kSwitches)
        EXPECT_FALSE(child(s)->isVisible()) << s;
    EXPECT_EQ(zoom->ImagePath(), folder.file(QStringLiteral("cover/a.jpg")));
    EXPECT_NE(zoom->zoomControl(), nullptr);

    // The next title brings its plain cover back, and the overlay follows its size.
    QTest::mouseClick(child("btSkipvor"), Qt::LeftButton);
    EXPECT_FALSE(zoom->isVisible());
    EXPECT_TRUE(cover->isVisible());
    window->ShowPage(2);
    EXPECT_EQ(zoom->geometry(), cover->geometry());
    EXPECT_EQ(zoom->ImagePath(), folder.file(QStringLiteral("cover/b.jpg")));
}

TEST_F(StartupTest, ZoomWithoutAReadableCoverReportsAndKeepsTheTitleView)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha", "DVD", 3, 0, 0, ""}, {"Beta", "DVD", 3, 0, 0, "cover/b.jpg"}});
    start();
    auto* zoom = child("ucZoom");

    window->Statusleiste()->setText(QString());
    window->ShowPage(2);
    EXPECT_EQ(status(), QStringLiteral("Meldung 27"));
    EXPECT_FALSE(zoom->isVisible());
    EXPECT_EQ(filmname(), QStringLiteral("Alpha"));

    // A file that is there but no picture opens no empty zoom.
    folder.write(QStringLiteral("cover/b.jpg"), "not a picture");
    window->DVDScreenAufrufen(2);
    window->Statusleiste()->setText(QString());
    window->DVDScreen().ShowZoom();
    EXPECT_EQ(status(), QStringLiteral("Meldung 27"));
    EXPECT_FALSE(zoom->isVisible());
}

TEST_F(StartupTest, LongTextLiesOverTheCoverOrIsReportedMissing)
{
    writeSettings(QStringLiteral("lists/l.adl"));
    writeList({{"Alpha", "VCD"}, {"Beta", "DVD", 3, 0, 0, "cover/b.jpg"}});
    folder.writeLines(QStringLiteral("longtexts/a.txt"), {QStringLiteral("Line one"), QStringLiteral("Line two")});
    start();
    auto* cover = child("ImAnzeige");
    auto* text = child<ucText>("ucTextZusatzinfo");

    window->ShowPage(3);
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->geometry(), cover->geometry());
    EXPECT_EQ(text->text(), QStringLiteral("Line one\r\nLine two\r\n"));
    EXPECT_FALSE(cover->isVisible());
    EXPECT_FALSE(child("sw_zusatz")->isVisible());

    // Zoom and long text replace each other.
    window->DVDScreen().ShowZoom();
    EXPECT_FALSE(text->isVisible());
    EXPECT_TRUE(child("ucZoom")->isVisible());

    // Beta has a cover but no long text: message 33, page 1 as it was.
    window->DVDScreenAufrufen(2);
    window->ShowPage(3);
    EXPECT_EQ(status(), QStringLiteral("Meldung 33"));
    EXPECT_FALSE(text->isVisible());
    EXPECT_TRUE(cover->isVisible());
    for (const char* s : kSwitches)
        EXPECT_TRUE(child(s)->isVisible()) << s;
}

} // namespace
