#include "tests/mainwindow/frame/FrameFixture.h"

#include "controls/ucPopUpMenu.h"
#include "controls/ucText.h"
#include "mainwindow/frame/PageDVDScreen.h"
#include "tests/support/RecordingPrinter.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>

namespace {

class CoverPrint : public FrameTest {
protected:
    CoverPrint() { window->SetLanguageAndDesign(); }

    // Makes a title of the format with the cover at the relative path and
    // makes it the current one.
    void current(const QString& format, const QString& cover)
    {
        clsDatentraeger d;
        d.SetFilmname(QStringLiteral("Harbour"));
        d.SetFormat(format);
        d.SetBildpfad(cover);
        window->session().DVDListe().ClearList();
        window->session().DVDListe().AddDVD(d);
        window->session().selectTitle(1);
    }

    QString picture(const QString& relative, const char* format = nullptr)
    {
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(Qt::blue);
        img.setPixelColor(0, 0, Qt::red); // the top left corner
        QDir().mkpath(QFileInfo(folder.file(relative)).absolutePath());
        EXPECT_TRUE(img.save(folder.file(relative), format));
        return relative;
    }

    // Answers the confirmation and runs the command; the status line afterwards.
    QString print(MsgAnswer answer = MsgAnswer::Yes)
    {
        ScriptedMessages boxes;
        boxes.expectMessage(answer);
        window->Statusleiste()->setText(QString());
        window->menuAction(QStringLiteral("menue_dvdCoverDrucken"))->trigger();
        EXPECT_EQ(boxes.shown, QStringList{"Box 25"});
        EXPECT_EQ(boxes.titles, QStringList{"Box 26"});
        return window->Statusleiste()->text();
    }

    RecordingPrinter printer;
};

TEST_F(CoverPrint, TheCoverIsStretchedToThePlaceOfItsFormat)
{
    const QString cover = picture(QStringLiteral("cover/harbour.jpg"), "JPG");
    const struct {
        const char* format;
        QRectF area;
    } cases[] = {
        {"DVD", {0.4, 1.7, 27.2, 18.3}},   {"", {0.4, 1.7, 27.2, 18.3}},     {"Laserdisc", {0.4, 1.7, 27.2, 18.3}},
        {"BluRay", {0.5, 3, 26.9, 14.9}},  {"HD-DVD", {0.5, 3, 26.9, 14.9}}, {"hddvd", {0.5, 3, 26.9, 14.9}},
        {"VCD", {2, 4, 24.2, 12}},         {"Cd", {2, 4, 24.2, 12}},         {"VHS", {1, 1.5, 25.8, 19.4}},
        {"Vhs", {1, 1.5, 25.8, 19.4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        current(QString::fromLatin1(c.format), cover);
        printer.pages.clear();
        EXPECT_EQ(print(), QString());
        ASSERT_EQ(printer.pages.size(), 1);
        EXPECT_EQ(printer.pages[0].area, c.area);
        EXPECT_EQ(printer.pages[0].picture.size(), QSize(40, 30));
    }
}

TEST_F(CoverPrint, BitmapAndGifCoversPrintAsWell)
{
    for (const auto& [file, format] : {std::pair{"cover/a.bmp", "BMP"}, std::pair{"cover/b.GIF", "PNG"}}) {
        SCOPED_TRACE(file);
        // A picture is taken by its contents; the name only has to end in bmp, jpg or gif.
        current(QStringLiteral("DVD"), picture(QString::fromLatin1(file), format));
        printer.pages.clear();
        EXPECT_EQ(print(), QString());
        ASSERT_EQ(printer.pages.size(), 1);
        EXPECT_EQ(printer.pages[0].picture.pixelColor(0, 0), QColor(Qt::red));
    }
}

TEST_F(CoverPrint, NothingIsPrintedWithoutAUsableCoverOrPrinter)
{
    folder.write(QStringLiteral("cover/broken.jpg"), "not a picture");
    const struct {
        const char* what;
        QString cover;
        PrintResult printer;
        QString status;
        int calls;
    } cases[] = {
        {"no cover file", QStringLiteral("cover/none.jpg"), PrintResult::Printed, QStringLiteral("Meldung 27"), 0},
        {"not bmp, jpg or gif", picture(QStringLiteral("cover/a.png"), "PNG"), PrintResult::Printed,
         QStringLiteral("Meldung 27"), 0},
        {"a picture that cannot be loaded", QStringLiteral("cover/broken.jpg"), PrintResult::Printed,
         QStringLiteral("Meldung 27"), 0},
        {"no printer", picture(QStringLiteral("cover/b.jpg"), "JPG"), PrintResult::NoPrinter,
         QStringLiteral("Meldung 33 (no printer was found)"), 1},
        {"the printer refuses", QStringLiteral("cover/b.jpg"), PrintResult::Failed,
         QStringLiteral("Meldung 19 (the printer did not take the job)"), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        current(QStringLiteral("DVD"), c.cover);
        printer.answer = c.printer;
        printer.calls = 0;
        EXPECT_EQ(print(), c.status);
        EXPECT_EQ(printer.calls, c.calls);
        EXPECT_TRUE(printer.pages.isEmpty());
    }

    // An empty collection has no cover.
    window->session().DVDListe().ClearList();
    window->session().selectTitle(0);
    printer.answer = PrintResult::Printed;
    EXPECT_EQ(print(), QStringLiteral("Meldung 27"));
    EXPECT_TRUE(printer.pages.isEmpty());
}

TEST_F(CoverPrint, TheCommandClosesThePopUpsAndNoPrintsNothing)
{
    current(QStringLiteral("DVD"), picture(QStringLiteral("cover/c.jpg"), "JPG"));
    auto* popUp = window->findChild<ucPopUpMenu*>(QStringLiteral("ucCoverPopUp"));
    ASSERT_NE(popUp, nullptr);
    window->show();
    window->DVDScreen().ShowCoverPopUp(5, 5);
    ASSERT_TRUE(popUp->isVisible());
    EXPECT_EQ(print(MsgAnswer::No), QString());
    EXPECT_FALSE(popUp->isVisible());
    EXPECT_EQ(printer.calls, 0);
}

} // namespace
