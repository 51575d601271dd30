#include "controls/ucOption.h"
#include "mainwindow/titlepages/PageSuche.h"
#include "mainwindow/titlepages/mSearch.h"
#include "tests/mainwindow/titlepages/PagesOnHostFixture.h"
#include "tests/support/ScriptedRandom.h"

#include <QRadioButton>

namespace {

class SucheTest : public EditPagesOnHostTest {
protected:
    SucheTest()
    {
        auto* page = new PageSuche(host);
        page->SetDesignSuche();
        page->SetSizes(800, 600);
        route({11}, [page](int) { page->ShowSuche(); }, [page] { page->HideSuche(); });
        showWindow();

        clsDatentraeger alien = title("Alien", 4, "USA 1979", 1999);
        alien.SetGenre("Horror/SciFi");
        alien.SetFsk(16);
        alien.SetLaenge(117);
        alien.SetRegie("Ridley Scott");
        alien.SetSchauspieler2("Sigourney Weaver");
        alien.SetSonstiges("Director's cut");
        alien.SetBildpfad(folder.file("cover/alien.jpg"));
        alien.SetTrailerpfad(folder.write("trailer/alien.avi", "v"));

        clsDatentraeger brazil = title("Brazil", 5, "GB 1985", 999);
        brazil.SetGenre("SciFi");
        brazil.SetFsk(12);
        brazil.SetLaenge(142);
        brazil.SetRegie("Terry Gilliam");
        brazil.SetSchauspieler1("Jonathan Pryce");
        brazil.SetFormat("BluRay");
        brazil.SetBildpfad(folder.file("cover/brazil.jpg"));
        brazil.SetTrailerpfad(folder.write("trailer/brazil.txt", "not a video"));
        folder.write("longtexts/brazil.txt", "long");

        clsDatentraeger heat = title("Heat", 3, "USA", 2500);
        heat.SetGenre("Crime");
        heat.SetFsk(16);
        heat.SetLaenge(170);
        heat.SetRegie("Michael Mann");
        heat.SetSchauspieler1("Al Pacino");
        heat.SetFormat("VHS");
        heat.SetBildpfad(folder.file("cover/heat.jpg"));

        for (const clsDatentraeger& d : {alien, brazil, heat})
            session().DVDListe().AddDVD(d);
        showPage(11);
    }

    void step(int k, const QString& s)
    {
        child<ucOption>("ucOptionSuche")->option(k - 1)->click();
        type("ucEntrySuche", s);
        click("btDVDjetztsuchen");
    }

    QStringList hits() const { return listItems("ListSuchen"); }
    QString trail() const { return child<ucText>("ucFilter")->text(); }
    QString hitCount() const { return child<ucText>("ucTextSuchergebnisse")->text(); }
};

struct CriterionCase {
    int k;
    const char* s;
    QStringList kept;
};

TEST_F(SucheTest, EveryCriterionKeepsTheTitlesItNames)
{
    const CriterionCase cases[] = {
        {1, "", {"Alien", "Brazil", "Heat"}},
        {1, "EA", {"Heat"}},
        {2, "4", {"Alien"}},
        {2, "4.9", {"Alien"}},
        {3, "4", {"Alien", "Heat"}},
        {4, "4", {"Alien", "Brazil"}},
        {5, "scifi", {"Alien", "Brazil"}},
        {6, "usa", {"Alien", "Heat"}},
        {7, "1979", {"Alien"}},
        {8, "1985", {"Alien", "Brazil"}}, // no year: never kept
        {9, "1980", {"Brazil"}},
        {10, "16", {"Alien", "Heat"}},
        {11, "12", {"Brazil"}},
        {12, "13", {"Alien", "Heat"}},
        {13, "142", {"Brazil"}},
        {14, "150", {"Alien", "Brazil"}},
        {15, "150", {"Heat"}},
        {16, "1999", {"Alien"}}, // hundredths: 19.99
        {17, "1999", {"Alien", "Brazil"}},
        {18, "2000", {"Heat"}},
        {19, "mann", {"Heat"}},
        {20, "CUT", {"Alien"}},
        {21, "weaver", {"Alien"}},
        {22, "blu", {"Brazil"}},
        {23, "", {"Alien"}},
        {24, "", {"Brazil", "Heat"}}, // a file that is no video counts as none
        {25, "", {"Brazil"}},
        {26, "", {"Alien", "Heat"}},
    };
    for (const CriterionCase& c : cases) {
        click("btNewSearch");
        step(c.k, QString::fromUtf8(c.s));
        EXPECT_EQ(hits(), c.kept) << c.k << " " << c.s;
        EXPECT_EQ(hitCount(), QString::number(c.kept.size())) << c.k;
        EXPECT_EQ(status(), "") << c.k;
    }
}

TEST_F(SucheTest, StepsNarrowAndTheTrailRecordsThemUntilTheReset)
{
    EXPECT_EQ(hits(), QStringList({"Alien", "Brazil", "Heat"})); // the first showing resets
    step(5, "scifi");
    step(4, "5");
    EXPECT_EQ(hits(), QStringList({"Brazil"}));
    EXPECT_EQ(trail(), QStringLiteral(" \u00BB Stil 14[scifi] \u00BB Stil 5(=+)[5]"));

    // Only the reset brings titles back; hiding the page keeps the result.
    step(4, "0");
    showPage(1);
    showPage(11);
    EXPECT_EQ(hits(), QStringList({"Brazil"}));
    step(1, "nothing like it");
    EXPECT_TRUE(hits().isEmpty());
    EXPECT_TRUE(trail().endsWith(QStringLiteral("Stil 3[nothing like it]")));

    click("btNewSearch");
    EXPECT_EQ(hits(), QStringList({"Alien", "Brazil", "Heat"}));
    EXPECT_EQ(hitCount(), "3");
    EXPECT_EQ(trail(), "");
}

TEST_F(SucheTest, ALongTrailKeepsItsEnd)
{
    QString full;
    for (const char* s : {"first", "second", "third", "fourth", "fifth"}) {
        step(1, s);
        full += QStringLiteral(" \u00BB Stil 3[") + QLatin1String(s) + u']';
        full = full.size() > 69 ? QStringLiteral("[...]") + full.right(65) : full;
    }
    EXPECT_TRUE(trail().startsWith("[...]"));
    EXPECT_TRUE(trail().endsWith(QStringLiteral("Stil 3[fifth]")));
    EXPECT_EQ(trail(), full);
}

TEST_F(SucheTest, ANonNumericValueFailsTheStepAndChangesNothing)
{
    step(6, "usa");
    const QString before = trail();
    step(2, "four");
    EXPECT_EQ(status(), "Meldung 21 ('four' is not a number)");
    EXPECT_EQ(hits(), QStringList({"Alien", "Heat"}));
    EXPECT_EQ(trail(), before);
}

TEST_F(SucheTest, TheRandomPickShowsOneResult)
{
    ScriptedRandom random({0.5, 0.999});
    step(27, "");
    EXPECT_EQ(session().AktuelleDVDNr(), 2);
    EXPECT_EQ(currentPage(), 1);
    EXPECT_EQ(hits(), QStringList({"Alien", "Brazil", "Heat"})); // picking clears nothing
    EXPECT_TRUE(trail().endsWith(QStringLiteral("Stil 25[]")));

    showPage(11);
    step(27, "");
    EXPECT_EQ(session().AktuelleDVDNr(), 3);

    showPage(11);
    step(19, "gilliam");
    step(27, "");
    EXPECT_EQ(session().AktuelleDVDNr(), 2);
}

TEST_F(SucheTest, AClickShowsTheFirstTitleOfThatName)
{
    clsDatentraeger second = title("Alien", 1);
    session().DVDListe().AddDVD(second);
    click("btNewSearch");
    ASSERT_EQ(hits(), QStringList({"Alien", "Brazil", "Heat", "Alien"}));
    auto* list = child<QListWidget>("ListSuchen");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(session().AktuelleDVDNr(), 1);
    EXPECT_EQ(currentPage(), 1);
}

TEST_F(SucheTest, TitlesDeletedSinceTheResetFailEveryStep)
{
    session().DVDListe().RemoveDVD(3);
    EXPECT_EQ(mSearch::HitCount(), 3);
    step(1, "");
    EXPECT_EQ(hits(), QStringList({"Alien", "Brazil"}));

    // The pick draws only from titles that still exist.
    click("btNewSearch");
    session().DVDListe().RemoveDVD(2);
    ScriptedRandom random({0.99});
    step(27, "");
    EXPECT_EQ(session().AktuelleDVDNr(), 1);
    EXPECT_EQ(hits(), QStringList({"Alien"}));
}

TEST_F(SucheTest, ControlsAreStyledAndLaidOutInTwoColumns)
{
    auto* option = child<ucOption>("ucOptionSuche");
    EXPECT_EQ(option->ListSize(), 27);
    EXPECT_EQ(option->GetCaption(1), "Stil 3");
    EXPECT_EQ(option->GetCaption(8), "Stil 179(=-)");
    EXPECT_EQ(option->GetCaption(20), "Extras");
    EXPECT_EQ(option->GetCaption(27), "Stil 25");
    EXPECT_EQ(child<QPushButton>("btNewSearch")->text(), "Stil 173");

    auto* list = child("ListSuchen");
    auto* entrySuche = child("ucEntrySuche");
    auto* button = child("btDVDjetztsuchen");
    EXPECT_EQ(list->x(), 430);
    EXPECT_EQ(list->width(), 340);
    EXPECT_EQ(list->height(), 500);
    EXPECT_EQ(entrySuche->x(), 30);
    EXPECT_EQ(entrySuche->width(), 340);
    EXPECT_EQ(list->y(), entrySuche->y());
    EXPECT_EQ(button->width(), 235);
    EXPECT_EQ(child("btNewSearch")->x(), 30 + 235 + 5);
    // The option list takes what the list's height leaves in the left column.
    EXPECT_EQ(option->height(), 500 - 3 * 25 - 20);
    EXPECT_EQ(button->y() + button->height(), list->y() + list->height() - 5);
}

} // namespace
