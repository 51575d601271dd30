#include "tests/mainwindow/frame/StartupFixture.h"

#include "platform/RandomSource.h"
#include "session/Session.h"
#include "shelf/Regal.h"
#include "shelf/ShelfCanvas.h"

#include <QAction>

namespace {

// The main window started on a list of three titles, each with its spine on
// the shelf, the language files naming their lines.
class ShelfInWindow : public StartupTest {
protected:
    ShelfInWindow()
    {
        folder.writeLanguageTable("english-shelf.ass", "Regal", "Shelf");
        writeSettings(QStringLiteral("lists/l.adl"));
        writeList({{"A Winter for Foxes"}, {"Brazil"}, {"Casablanca"}});
        makePicture(QStringLiteral("shelf.gif"), 20, 10, "BMP");
        folder.writeLines(QStringLiteral("shelves/l.arf"),
                          {"shelf.gif", "3", "0", "100", "A Winter for Foxes", "0#0#7#100", "Brazil", "10#0#7#100",
                           "Casablanca", "20#0#7#100"});
        start();
    }

    Regal* openView()
    {
        window->menuAction(QStringLiteral("menue_ansichtRegal"))->trigger();
        Regal* regal = window->RegalWindow();
        EXPECT_NE(regal, nullptr);
        EXPECT_TRUE(regal && regal->isVisible());
        return regal;
    }
    void clickSpine(Regal* regal, int i)
    {
        ShelfCanvas* canvas = regal->canvas();
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->movieRect(i).center());
    }
    void addTitle(const QString& name)
    {
        clsDatentraeger d;
        d.SetFilmname(name);
        window->session().changeCollection([&](clsDatentraegerList& list) { list.AddSortedDVD(d); });
    }

    MersenneRandomSource random{7};
    Random::Scoped randomScope{random};
};

TEST_F(ShelfInWindow, ASpineShowsItsOwnTitleAfterATitleWasAddedBeforeIt)
{
    Regal* regal = openView();
    addTitle(QStringLiteral("A 000"));
    clickSpine(regal, 1);
    EXPECT_FALSE(regal->isVisible());
    EXPECT_EQ(filmname(), QStringLiteral("A Winter for Foxes"));
    EXPECT_EQ(window->session().AktuelleDVDNr(), 2);

    // A title deleted while the view is open jumps nowhere and says so.
    regal = openView();
    window->session().changeCollection([](clsDatentraegerList& list) { list.RemoveDVD(3); }); // Brazil
    clickSpine(regal, 2);
    EXPECT_TRUE(regal->isVisible());
    EXPECT_EQ(status(), QStringLiteral("Meldung 33"));
    EXPECT_EQ(filmname(), QStringLiteral("A Winter for Foxes"));
}

TEST_F(ShelfInWindow, AnOpenShelfWindowTakesTheCaptionOfANewLanguageAtOnce)
{
    Regal* regal = openView();
    EXPECT_EQ(regal->windowTitle(), QStringLiteral("Stil 2"));

    // The settings saved in the other language.
    window->session().Options().setLanguage(1);
    window->applyLanguageAndDesign();
    EXPECT_EQ(regal->windowTitle(), QStringLiteral("Style 2"));

    // Hidden by a spine's click, and opened again, it keeps the new one.
    clickSpine(regal, 2);
    ASSERT_FALSE(regal->isVisible());
    window->session().Options().setLanguage(0);
    window->applyLanguageAndDesign();
    EXPECT_EQ(regal->windowTitle(), QStringLiteral("Stil 2"));
    EXPECT_EQ(openView()->windowTitle(), QStringLiteral("Stil 2"));
}

} // namespace
