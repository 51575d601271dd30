#include "mainwindow/titlepages/PageDVDEntry.h"
#include "tests/mainwindow/titlepages/PagesOnHostFixture.h"
#include "tests/support/FileSizeLimit.h"

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <vector>

namespace {

class DVDEntryTest : public EditPagesOnHostTest {
protected:
    DVDEntryTest() : page(new PageDVDEntry(host))
    {
        page->SetDesignDVDEntry();
        page->SetSizes(800, 600);
        page->SetSizesEditButton(800, 600);
        route({12, 15},
              [this](int shown) {
                  if (shown == 12)
                      page->ShowDVDEntry();
                  else
                      page->ShowDVDEdit();
              },
              [this] {
                  page->HideDVDEntry();
                  page->HideDVDEdit();
              });
        showWindow();
        cover = picture(QStringLiteral("cover/a.bmp"));
        session().setServerUrl(QStringLiteral("http://films.example"));
    }

    // A complete, valid new title on page 12.
    void typeValidTitle(const QString& name = QStringLiteral("Heat"))
    {
        showPage(12);
        type("ucEntryTitel", name);
        type("ucEntryFormat", "BluRay");
        type("ucEntryBewertung", "4");
        type("ucEntryGenre1", "Crime");
        type("ucEntryGenre2", "Drama");
        type("ucEntryLandJahr", "USA 1995");
        type("ucEntryFSK", "16");
        type("ucEntryDauer", "170");
        type("ucEntryPreis", "1999");
        type("ucEntrySonstiges", "two discs");
        type("ucEntryRegie", "Michael Mann");
        type("ucEntrySchauspieler1", "Al Pacino");
        type("ucEntrySchauspieler2", "Robert De Niro");
        type("ucEntryBild", "cover/a.bmp");
    }

    bool save(bool replace) { return page->SaveDVDEntry(replace); }

    PageDVDEntry* page;
    QString cover;
};

TEST_F(DVDEntryTest, TheNewTitlePageStartsClearedAndStyled)
{
    showPage(12);
    type("ucEntryTitel", "Left over");
    session().setWexulUebernommen(true);
    showPage(12);

    EXPECT_EQ(entry("ucEntryTitel")->value(), "");
    for (const char* name : {"ucEntryBewertung", "ucEntryFSK", "ucEntryDauer", "ucEntryPreis"})
        EXPECT_EQ(entry(name)->value(), "0") << name;
    EXPECT_EQ(entry("ucEntryBild")->value(), "cover/");
    EXPECT_EQ(entry("ucEntryTrailer")->value(), "trailer/");
    EXPECT_FALSE(session().WexulUebernommen());

    EXPECT_TRUE(child("btdvdjetzthinzufuegen")->isVisible());
    EXPECT_TRUE(child("btReset")->isVisible());
    EXPECT_FALSE(child("btDVDjetztBearbeiten")->isVisible());
    EXPECT_EQ(entry("ucEntrySchauspieler3")->Caption(), "Stil 11#3");
    EXPECT_EQ(entry("ucEntryGenre2")->Caption(), "Stil 14#2");
    EXPECT_EQ(entry("ucEntrySonstiges")->Caption(), "Extras");
    EXPECT_EQ(entry("ucEntryBild")->Style(), 4);
    EXPECT_EQ(entry("ucEntryTrailer")->Style(), 3);
    EXPECT_EQ(entry("ucEntryTrailer")->DialogFolder(), folder.file("trailer"));
    EXPECT_EQ(entry("ucEntryFormat")->GetComboEntry(2), "HD-DVD");
    EXPECT_EQ(entry("ucEntryBewertung")->ComboCount(), 5);

    // Rows 700 wide at left 50; the reset button flush right with them.
    ucEntry* titel = entry("ucEntryTitel");
    EXPECT_EQ(titel->geometry().left(), 50);
    EXPECT_EQ(titel->width(), 700);
    auto* reset = child("btReset");
    EXPECT_EQ(reset->x() + reset->width(), 750);
    EXPECT_EQ(child("btDVDjetztBearbeiten")->y(), child("btdvdjetzthinzufuegen")->y());

    type("ucEntryTitel", "x");
    click("btReset");
    EXPECT_EQ(entry("ucEntryTitel")->value(), "");
}

TEST_F(DVDEntryTest, AddingStoresTheTitleWritesTheListShowsAndUploadsIt)
{
    addTitles({"Alien", "Zodiac"});
    typeValidTitle();
    type("ucEntryDauer", "99.9"); // the whole part counts
    click("btdvdjetzthinzufuegen");

    EXPECT_EQ(status(), "Meldung 7");
    ASSERT_EQ(session().DVDListe().getListSize(), 3);
    EXPECT_EQ(session().AktuelleDVDNr(), 2);
    EXPECT_EQ(currentPage(), 1);
    EXPECT_EQ(storedNames(), QStringList({"Alien", "Heat", "Zodiac"}));

    const clsDatentraeger d = session().DVDListe().getDVD(2);
    EXPECT_EQ(d.GetFormat(), "BluRay");
    EXPECT_EQ(d.GetBewertung(), 4);
    EXPECT_EQ(d.GetGenre(), "Crime/Drama");
    EXPECT_EQ(d.GetFsk(), 16);
    EXPECT_EQ(d.GetLaenge(), 99);
    EXPECT_EQ(d.GetKaufpreis(), 1999);
    EXPECT_EQ(d.GetSchauspieler2(), "Robert De Niro");
    EXPECT_EQ(d.GetBildpfad(), cover); // the relative path made full
    EXPECT_EQ(d.GetTrailerpfad(), "");
    EXPECT_EQ(entry("ucEntryBild")->value(), cover);
    EXPECT_EQ(entry("ucEntryTrailer")->value(), "");

    ASSERT_EQ(http.requests.size(), 1);
    EXPECT_EQ(http.requests[0], "http://films.example/addMovie.php?l=0&titel=Heat&genre1=Crime&genre2=Drama&genre3="
                                "&landjahr=USA%201995&fsk=16&dauer=99&regie=Michael%20Mann&s1=Al%20Pacino"
                                "&s2=Robert%20De%20Niro&s3=&s4=&s5=");
}

TEST_F(DVDEntryTest, UploadValuesArePercentEncoded)
{
    typeValidTitle(QStringLiteral("Tom & Jerry #2?"));
    type("ucEntryGenre1", "Kinder/Familie");
    type("ucEntryGenre2", "");
    type("ucEntrySchauspieler1", QStringLiteral("Zoë"));
    click("btdvdjetzthinzufuegen");
    ASSERT_EQ(http.requests.size(), 1);
    const QString url = http.requests[0];
    EXPECT_TRUE(url.startsWith("http://films.example/addMovie.php?l=0&titel=Tom%20%26%20Jerry%20%232%3F&genre1=Kinder"
                               "&genre2=Familie&genre3=&"))
        << url.toStdString();
    EXPECT_TRUE(url.contains("&s1=Zo%C3%AB&s2=")) << url.toStdString();
}

TEST_F(DVDEntryTest, OnlyTitlesTypedByHandAreSentAndOnlyToAServer)
{
    typeValidTitle(QStringLiteral("From search"));
    session().setWexulUebernommen(true);
    click("btdvdjetzthinzufuegen");
    EXPECT_EQ(status(), "Meldung 7");

    session().setServerUrl(QString());
    typeValidTitle(QStringLiteral("No server"));
    click("btdvdjetzthinzufuegen");
    EXPECT_EQ(status(), "Meldung 7");
    EXPECT_TRUE(http.requests.isEmpty());
    EXPECT_EQ(session().DVDListe().getListSize(), 2);
}

TEST_F(DVDEntryTest, AFailedUploadIsReportedAsSuchAndTheTitleStaysStored)
{
    http.answer.reset();
    typeValidTitle();
    EXPECT_TRUE(save(false));
    EXPECT_EQ(status(), "Meldung 23 (the title service did not take the title)");
    EXPECT_EQ(storedNames(), QStringList({"Heat"}));
    EXPECT_EQ(session().AktuelleDVDNr(), 1);
    EXPECT_EQ(http.requests.size(), 1);
}

struct CheckCase {
    const char* what;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* message;
};

TEST_F(DVDEntryTest, ChecksRunInOrderAndStoreNothing)
{
    folder.write("cover/notes.txt", "x");
    const CheckCase cases[] = {
        {"cover left at its folder", {{"ucEntryBild", "cover/"}}, "Meldung 11"},
        {"cover folder written the Windows way", {{"ucEntryBild", "cover\\"}}, "Meldung 11"},
        {"cover empty", {{"ucEntryBild", ""}, {"ucEntryBewertung", "9"}}, "Meldung 11"},
        {"cover missing", {{"ucEntryBild", "cover/none.bmp"}, {"ucEntryBewertung", "9"}}, "Meldung 11"},
        {"cover not a picture", {{"ucEntryBild", "cover/notes.txt"}}, "Meldung 11"},
        {"no film name", {{"ucEntryTitel", ""}, {"ucEntryBewertung", "9"}}, "Meldung 11"},
        {"rating 6", {{"ucEntryBewertung", "6"}, {"ucEntryFSK", "99"}}, "Meldung 25 (Stil 5)"},
        {"rating a letter", {{"ucEntryBewertung", "x"}}, "Meldung 25 (Stil 5)"},
        {"age rating 22", {{"ucEntryFSK", "22"}, {"ucEntryDauer", "9999"}}, "Meldung 25 (Stil 7)"},
        {"running time 3001", {{"ucEntryDauer", "3001"}, {"ucEntryPreis", "-1"}}, "Meldung 25 (Stil 8)"},
        {"price 30001", {{"ucEntryPreis", "30001"}}, "Meldung 25 (Stil 9)"},
        {"price with a decimal comma", {{"ucEntryPreis", "12,50"}, {"ucEntrySchauspieler1", "a#b"}},
         "Meldung 24 (Stil 9)"},
        {"price with a point", {{"ucEntryPreis", "12.5"}}, "Meldung 24 (Stil 9)"},
        {"# in an actor", {{"ucEntrySchauspieler3", "Cher#Sonny"}, {"ucEntryTrailer", "trailer/none.avi"}},
         "Meldung 25 (Stil 11#3)"},
        {"trailer missing", {{"ucEntryTrailer", "trailer/none.avi"}}, "Meldung 27"},
    };
    for (const CheckCase& c : cases) {
        typeValidTitle();
        for (const auto& [name, text] : c.typed)
            type(name, QString::fromUtf8(text));
        click("btdvdjetzthinzufuegen");
        EXPECT_EQ(status(), c.message) << c.what;
        EXPECT_EQ(session().DVDListe().getListSize(), 0) << c.what;
        EXPECT_EQ(currentPage(), 12) << c.what;
        EXPECT_FALSE(save(false)) << c.what;
    }
    EXPECT_FALSE(QFile::exists(listPath()));
    EXPECT_FALSE(QFile::exists(folder.file("actor.txt")));
    EXPECT_TRUE(http.requests.isEmpty());
}

TEST_F(DVDEntryTest, GenresAreJoinedWithoutTheEmptyOnesAfterTheFirst)
{
    const std::pair<std::array<const char*, 3>, const char*> cases[] = {
        {{"Drama", "", "Thriller"}, "Drama/Thriller"},
        {{"", "Drama", ""}, "/Drama"},
        {{"A", "B", "C"}, "A/B/C"},
        {{"", "", ""}, ""},
    };
    int n = 0;
    for (const auto& [genres, joined] : cases) {
        typeValidTitle(QStringLiteral("T%1").arg(++n));
        for (int i = 0; i < 3; ++i)
            type(QStringLiteral("ucEntryGenre%1").arg(i + 1), genres[i]);
        ASSERT_TRUE(save(false));
        EXPECT_EQ(session().DVDListe().getDVD(session().AktuelleDVDNr()).GetGenre(), joined);
    }
}

TEST_F(DVDEntryTest, NameFilesTakeTheListsOfTheFirstEntries)
{
    session().ActorList().Add("Old Actor");
    session().DirectorList().Add("Old Director");
    session().LoadLanguages();
    page->SetDesignDVDEntry();
    typeValidTitle();

    auto addToList = [&](const char* entryName, const char* name) {
        type(entryName, name);
        QTest::mouseClick(entry(entryName)->findChild<QPushButton*>("btAdd"), Qt::LeftButton);
    };
    addToList("ucEntrySchauspieler1", "New One");
    addToList("ucEntrySchauspieler3", "Only Third");
    addToList("ucEntryGenre1", "Western");
    addToList("ucEntryRegie", "New Director");
    type("ucEntrySchauspieler1", "Al Pacino");
    ASSERT_TRUE(save(false));

    EXPECT_EQ(folder.read("actor.txt"), "Old Actor\r\nNew One\r\n");
    EXPECT_EQ(folder.read("genre0.txt"), "Western\r\n");
    EXPECT_EQ(folder.read("director.txt"), "Old Director\r\nNew Director\r\n");
    EXPECT_EQ(session().ActorList().getListSize(), 2);
}

TEST_F(DVDEntryTest, AFullCollectionOrAnUnwritableListStoresNothing)
{
    typeValidTitle();
    // The list file's place is taken by a folder.
    QDir().mkpath(listPath());
    EXPECT_FALSE(save(false));
    EXPECT_TRUE(status().startsWith(notWritten(8, listPath()))) << status().toStdString();
    EXPECT_EQ(session().DVDListe().getListSize(), 0); // trying again adds no second copy
    EXPECT_TRUE(http.requests.isEmpty());
    QDir().rmdir(listPath());

    // A disk that fills up: the list file stays as it was, and the message says why.
    folder.write("lists/test.adl", "LIST VERSION#0\r\nCOUNT#0\r\n");
    {
        const FileSizeLimit full(30);
        EXPECT_FALSE(save(false));
    }
    EXPECT_EQ(status(), msg(8) + " (cannot write " + listPath() + ": disk full or file too large)");
    EXPECT_EQ(folder.read("lists/test.adl"), "LIST VERSION#0\r\nCOUNT#0\r\n");
    EXPECT_EQ(session().DVDListe().getListSize(), 0);
    QFile::remove(listPath());

    for (int i = 0; i < clsDatentraegerList::kMaxTitles; ++i)
        session().DVDListe().AddDVD(title(QStringLiteral("T%1").arg(i)));
    EXPECT_FALSE(save(false));
    EXPECT_EQ(status(), "Meldung 8 (a list holds at most 9999 titles)");
    EXPECT_EQ(session().DVDListe().getListSize(), clsDatentraegerList::kMaxTitles);
    EXPECT_FALSE(QFile::exists(listPath()));
}

class DVDEditTest : public DVDEntryTest {
protected:
    DVDEditTest()
    {
        clsDatentraeger d = title("Heat", 5, "USA 1995", 1250);
        d.SetGenre("Crime//Drama");
        d.SetFsk(16);
        d.SetLaenge(170);
        d.SetSchauspieler1("Mary Elizabeth Mastrantonio Jr."); // longer than the entry takes when typing
        d.SetBildpfad(cover);
        d.SetTrailerpfad(folder.write("trailer/heat.avi", "v"));
        addTitles({"Alien", "Brazil"});
        session().DVDListe().AddDVD(d);
        addTitles({"Zodiac"});
        session().SaveDVDList();
    }
};

TEST_F(DVDEditTest, TheEditPageShowsTheTitleAtTheCurrentPositionNow)
{
    session().selectTitle(3);
    showPage(15);

    EXPECT_EQ(entry("ucEntryTitel")->value(), "Heat");
    EXPECT_EQ(entry("ucEntryBewertung")->value(), "5");
    EXPECT_EQ(entry("ucEntryFSK")->value(), "16");
    EXPECT_EQ(entry("ucEntryPreis")->value(), "1250");
    EXPECT_EQ(entry("ucEntryGenre1")->value(), "Crime");
    EXPECT_EQ(entry("ucEntryGenre2")->value(), "");
    EXPECT_EQ(entry("ucEntryGenre3")->value(), "Drama");
    EXPECT_EQ(entry("ucEntrySchauspieler1")->value(), "Mary Elizabeth Mastrantonio Jr.");
    EXPECT_EQ(entry("ucEntryBild")->value(), cover);
    EXPECT_EQ(entry("ucEntryTrailer")->value(), folder.file("trailer/heat.avi"));
    EXPECT_EQ(session().AktuelleDVD().GetFilmname(), "Heat");
    EXPECT_TRUE(child("btDVDjetztBearbeiten")->isVisible());
    EXPECT_FALSE(child("btdvdjetzthinzufuegen")->isVisible());
    EXPECT_FALSE(child("btReset")->isVisible());
    EXPECT_FALSE(child("btInternetImport")->isVisible());
}

TEST_F(DVDEditTest, SavingAChangeReplacesTheTitleAndSendsNothing)
{
    session().selectTitle(3);
    showPage(15);
    type("ucEntryPreis", "999");
    click("btDVDjetztBearbeiten");

    EXPECT_EQ(status(), "Meldung 3");
    EXPECT_EQ(storedNames(), QStringList({"Alien", "Brazil", "Heat", "Zodiac"}));
    const clsDatentraeger d = session().DVDListe().getDVD(3);
    EXPECT_EQ(d.GetKaufpreis(), 999);
    EXPECT_EQ(d.GetSchauspieler1(), "Mary Elizabeth Mastrantonio Jr."); // kept whole
    EXPECT_EQ(d.GetGenre(), "Crime/Drama");
    EXPECT_EQ(session().AktuelleDVDNr(), 3);
    EXPECT_EQ(currentPage(), 1);
    EXPECT_FALSE(child("btDVDjetztBearbeiten")->isVisible());
    EXPECT_EQ(entry("ucEntryTitel")->value(), "");
    EXPECT_TRUE(http.requests.isEmpty());

    // A renamed title moves to its place in the order.
    showPage(15);
    type("ucEntryTitel", "Amadeus");
    click("btDVDjetztBearbeiten");
    EXPECT_EQ(storedNames(), QStringList({"Alien", "Amadeus", "Brazil", "Zodiac"}));
    EXPECT_EQ(session().AktuelleDVDNr(), 2);
}

TEST_F(DVDEditTest, AFailedCheckKeepsThePageAndTheTitle)
{
    session().selectTitle(3);
    showPage(15);
    type("ucEntryDauer", "5000");
    click("btDVDjetztBearbeiten");
    EXPECT_EQ(status(), "Meldung 25 (Stil 8)");
    EXPECT_EQ(currentPage(), 15);
    EXPECT_TRUE(child("btDVDjetztBearbeiten")->isVisible());
    EXPECT_EQ(session().DVDListe().getDVD(3).GetLaenge(), 170);
}

TEST_F(DVDEditTest, AChangeThatCannotBeWrittenKeepsTheOldTitleInPlace)
{
    session().selectTitle(3);
    showPage(15);
    type("ucEntryTitel", "Amadeus");
    QFile::remove(listPath());
    QDir().mkpath(listPath());
    click("btDVDjetztBearbeiten");
    EXPECT_TRUE(status().startsWith(notWritten(4, listPath()))) << status().toStdString();
    EXPECT_EQ(currentPage(), 15);
    ASSERT_EQ(session().DVDListe().getListSize(), 4);
    EXPECT_EQ(session().DVDListe().getDVD(3).GetFilmname(), "Heat");
    EXPECT_EQ(session().DVDListe().getDVD(2).GetFilmname(), "Brazil");
}

TEST_F(DVDEditTest, WithoutACurrentTitleNothingCanBeChanged)
{
    // No title chosen, and a position that the collection has shrunk below.
    for (int position : {0, 4}) {
        ASSERT_TRUE(session().selectTitle(position));
        const int count = position == 0 ? 4 : 3;
        if (position == 4)
            session().DVDListe().RemoveDVD(4);
        showPage(15);
        EXPECT_EQ(status(), "Meldung 29") << position;
        EXPECT_EQ(entry("ucEntryTitel")->value(), "");
        typeValidTitle(QStringLiteral("Typed anyway"));
        EXPECT_FALSE(save(true));
        EXPECT_EQ(status(), "Meldung 29");
        EXPECT_EQ(storedNames(), QStringList({"Alien", "Brazil", "Heat", "Zodiac"}));
        EXPECT_EQ(session().DVDListe().getListSize(), count);
    }
}

} // namespace
