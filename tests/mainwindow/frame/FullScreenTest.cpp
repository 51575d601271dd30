#include "tests/mainwindow/frame/StartupFixture.h"

#include "mainwindow/frame/frmFullScreen.h"
#include "tests/support/FixedScreen.h"
#include "tests/support/ScriptedRandom.h"

#include <QTimer>

namespace {

class FullScreenTest : public StartupTest {
protected:
    frmFullScreen& full() { return window->FullScreen(); }
    QLabel* pic() { return full().imPic(); }
    // The covers of the saver's titles differ in width so the shown one can be told.
    void writeSaverList()
    {
        writeSettings(QStringLiteral("lists/l.adl"));
        makePicture(QStringLiteral("cover/1.jpg"), 10, 15, "JPG");
        makePicture(QStringLiteral("cover/2.jpg"), 20, 15, "JPG");
        makePicture(QStringLiteral("cover/3.jpg"), 30, 15, "JPG");
        writeList({{"Alpha", "DVD", 3, 0, 0, "cover/1.jpg"},
                   {"Beta", "BluRay", 3, 0, 0, "cover/2.jpg"},
                   {"Gamma", "HD-DVD", 3, 0, 0, "cover/3.jpg"}});
    }
    int shownCoverWidth() { return pic()->pixmap().width(); }

    FixedScreen screen;
};

TEST_F(FullScreenTest, CoverFillsTheScreenWidthAtTheHeightOfItsFormat)
{
    const QString path = makePicture(QStringLiteral("cover/c.jpg"), 60, 90, "JPG");
    // screen, format, expected picture geometry (pixels)
    const std::tuple<QSize, const char*, QRect> cases[] = {
        {{1024, 768}, "DVD", {0, 43, 1024, 682}},
        {{1024, 768}, "BluRay", {0, 128, 1024, 512}},
        {{1024, 768}, "VHS", {0, 43, 1024, 682}},
        {{1024, 768}, "VCD", {0, 128, 1024, 512}},
        {{1024, 768}, "dvd", {0, 43, 1024, 682}}, // any other text: the rule of "DVD"
        {{1800, 1000}, "HD-DVD", {0, 0, 1800, 1000}},  // exactly the screen's height
        {{1000, 600}, "DVD", {0, 0, 1000, 600}},       // taller than the screen: stretched
        {{3840, 2160}, "BluRay", {0, 120, 3840, 1920}}, // wider than 16-bit twips allow
        {{3840, 2160}, "DVD", {0, 0, 3840, 2160}},
    };
    for (const auto& [size, format, rect] : cases) {
        screen.screen = size;
        ASSERT_TRUE(full().OpenFullscreen(path, QString::fromLatin1(format))) << format;
        EXPECT_EQ(full().geometry(), QRect(QPoint(0, 0), size)) << format;
        EXPECT_EQ(pic()->geometry(), rect) << format << " " << size.width();
    }
}

TEST_F(FullScreenTest, AMissingOrUndecodablePictureIsReportedAndTheWindowKeepsItsPicture)
{
    writeSettings(QStringLiteral("lists/none.adl"));
    start();
    const QString good = makePicture(QStringLiteral("cover/c.jpg"), 60, 90, "JPG");
    ASSERT_TRUE(full().OpenFullscreen(good, QStringLiteral("DVD")));
    const QRect before = pic()->geometry();
    const QString broken = folder.write(QStringLiteral("cover/broken.jpg"), "not a picture");
    const QString text = folder.write(QStringLiteral("cover/c.txt"), "text");
    for (const QString& path : {broken, text, folder.file(QStringLiteral("cover/missing.jpg")), QString()}) {
        window->Statusleiste()->setText(QString());
        screen.screen = QSize(640, 480);
        EXPECT_FALSE(full().OpenFullscreen(path, QStringLiteral("BluRay"))) << path.toStdString();
        EXPECT_EQ(status(), QStringLiteral("Meldung 27")) << path.toStdString();
        EXPECT_EQ(pic()->geometry(), before) << path.toStdString();
        EXPECT_EQ(pic()->pixmap().size(), QSize(60, 90));
    }
}

TEST_F(FullScreenTest, DoubleClickOnTheCoverShowsItFullScreenUntilClicked)
{
    writeSaverList();
    start();
    QTest::mouseDClick(child("ImAnzeige"), Qt::LeftButton);
    ASSERT_TRUE(full().isVisible());
    EXPECT_EQ(shownCoverWidth(), 10);
    EXPECT_EQ(pic()->geometry(), QRect(0, 43, 1024, 682));
    EXPECT_FALSE(window->TimerSchoner()->isActive());

    QTest::mouseClick(pic(), Qt::LeftButton);
    EXPECT_FALSE(full().isVisible());
    EXPECT_FALSE(window->TimerSchoner()->isActive());

    // A cover deleted since the title was shown: message 27 and no window.
    QFile::remove(folder.file(QStringLiteral("cover/1.jpg")));
    window->ShowCoverVollbild();
    EXPECT_EQ(status(), QStringLiteral("Meldung 27"));
    EXPECT_FALSE(full().isVisible());
}

TEST_F(FullScreenTest, SaverShowsARandomCoverEveryFiveSecondsUntilThePictureIsClicked)
{
    writeSaverList();
    ScriptedRandom random{0.5, 0.999, 0.0};
    start();
    window->menue_sammlungSchoner_Click();
    QTimer* timer = window->TimerSchoner();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 5000);
    ASSERT_TRUE(full().isVisible());
    EXPECT_EQ(shownCoverWidth(), 20); // Int(0.5 x 3) + 1 = title 2
    EXPECT_EQ(pic()->geometry(), QRect(0, 128, 1024, 512));

    window->TimerSchoner_Timer();
    EXPECT_EQ(shownCoverWidth(), 30);
    window->TimerSchoner_Timer();
    EXPECT_EQ(shownCoverWidth(), 10);

    // A title whose cover has gone: message 27, the last picture stays, the saver goes on.
    QFile::remove(folder.file(QStringLiteral("cover/1.jpg")));
    window->TimerSchoner_Timer();
    EXPECT_EQ(status(), QStringLiteral("Meldung 27"));
    EXPECT_EQ(shownCoverWidth(), 10);
    EXPECT_TRUE(timer->isActive());

    QTest::mouseClick(pic(), Qt::LeftButton);
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(full().isVisible());
}

TEST_F(FullScreenTest, SaverNeedsATitleAndEndsWhenTheCollectionEmpties)
{
    writeSettings(QStringLiteral("lists/none.adl"));
    ScriptedRandom random{0.0};
    start();
    window->menue_sammlungSchoner_Click();
    EXPECT_FALSE(window->TimerSchoner()->isActive());
    EXPECT_EQ(window->findChild<frmFullScreen*>(), nullptr);

    makePicture(QStringLiteral("cover/a.jpg"), 6, 9, "JPG");
    window->session().DVDListe().AddDVD(title({"Alpha", "DVD", 3, 0, 0, "cover/a.jpg"}));
    window->menue_sammlungSchoner_Click();
    ASSERT_TRUE(window->TimerSchoner()->isActive());
    window->session().DVDListe().ClearList();
    window->TimerSchoner_Timer();
    EXPECT_FALSE(window->TimerSchoner()->isActive());
    EXPECT_FALSE(full().isVisible());
}

} // namespace
