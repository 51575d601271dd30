#include "tests/mainwindow/frame/StartupFixture.h"

#include "controls/PictureBox.h"
#include "mainwindow/frame/frmSplash.h"

#include <QTimer>

namespace {

class SplashTest : public StartupTest {
protected:
    SplashTest()
    {
        writeSettings(QStringLiteral("lists/none.adl"));
        makePicture(QStringLiteral("Wexul.bmp"), 20, 30, "BMP");
    }
    QLabel* label(frmSplash& s, const char* name) { return s.findChild<QLabel*>(QString::fromLatin1(name)); }
};

TEST_F(SplashTest, LoadStartsTheMainWindowThenBouncesThePictureAndHidesAfter66Ticks)
{
    frmSplash splash(*window);
    splash.Form_Load();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->AktuelleSeite(), 1);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.Timer()->isActive());
    EXPECT_EQ(splash.Timer()->interval(), 50);
    EXPECT_EQ(label(splash, "Label2")->text(), QStringLiteral("Version 4.2.0"));
    EXPECT_EQ(splash.findChild<PictureBox*>(QStringLiteral("Picture1"))->picture().size(), QSize(20, 30));

    const int heights[] = {21, 13, 6, 0, -5, -9, -12, -14, -15, -15, -14, -12, -9, -5, 0, 6, 13, 21, 30, 40, 30};
    for (int i = 0; i < 21; ++i) {
        splash.Timer_Timer();
        EXPECT_EQ(splash.PicY(), heights[i]) << i;
    }
    EXPECT_EQ(splash.Tick(), 0); // the squeezed frame closed the cycle
    for (int i = 21; i < frmSplash::kTicks - 1; ++i)
        splash.Timer_Timer();
    EXPECT_TRUE(splash.isVisible());
    splash.Timer_Timer();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer()->isActive());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(SplashTest, AClickEndsTheSplashButNotOnTheLetter)
{
    frmSplash splash(*window);
    splash.Form_Load();
    QTest::mouseClick(splash.findChild<QLabel*>(QStringLiteral("Image1")), Qt::LeftButton);
    EXPECT_TRUE(splash.isVisible());
    QTest::mouseClick(label(splash, "Label3"), Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer()->isActive());
}

TEST_F(SplashTest, AKeyHidesTheSplashAndTheTimerRunsOn)
{
    frmSplash splash(*window);
    splash.Form_Load();
    QTest::keyClick(&splash, Qt::Key_Space);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(splash.Timer()->isActive());
}

TEST_F(SplashTest, AMissingPictureGivesAnEmptySplash)
{
    QFile::remove(folder.file(QStringLiteral("Wexul.bmp")));
    frmSplash splash(*window);
    splash.Form_Load();
    EXPECT_TRUE(splash.findChild<PictureBox*>(QStringLiteral("Picture1"))->picture().isNull());
    for (int i = 0; i < frmSplash::kTicks; ++i)
        splash.Timer_Timer();
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
