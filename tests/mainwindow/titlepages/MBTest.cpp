#include "controls/ucEntry.h"
#include "controls/ucOption.h"
#include "mainwindow/titlepages/PageMB.h"
#include "tests/mainwindow/titlepages/PagesOnHostFixture.h"

#include <QDir>
#include <QFile>

namespace {

using L = clsDatentraegerList;

class MBTest : public TitlePagesOnHostTest {
protected:
    MBTest()
    {
        auto* page = new PageMB(host);
        page->SetDesignMB();
        page->SetSizes(800, 600);
        route({8}, [page](int) { page->ShowMB(); }, [page] { page->HideMB(); });
        showWindow();
        // The question's parts in a form a test can read: what changes,
        // the count, the find text and the new text.
        folder.writeLanguageTable("english-box.ass", "Box", "Box",
                                  {{33, "long text"},
                                   {35, "genre"},
                                   {37, "actors"},
                                   {43, "set %1 of %2 to %3"},
                                   {44, "in %1 of %2 replace first %3 with %4"},
                                   {45, "in %1 of %2 replace every %3 with %4"},
                                   {46, "set %1 of %2 to %4 where %3"},
                                   {47, "set %1 of %2 to %3 where not empty"},
                                   {48, "empty"},
                                   {49, "<%1>"}});
        session().LoadLanguages();
    }

    static QString changed(int titles) { return msg(52) + QStringLiteral(" %1").arg(titles); }

    void run(int place, int mode, const QString& find, const QString& replace, MsgAnswer answer = MsgAnswer::Yes)
    {
        showPage(8);
        child<ucOption>("ucOptionMBOrt")->setSelected(static_cast<std::int16_t>(place));
        child<ucOption>("ucOptionMBModus")->setSelected(static_cast<std::int16_t>(mode));
        child<ucEntry>("ucEntryMBFind")->setValue(find);
        child<ucEntry>("ucEntryMBReplace")->setValue(replace);
        clearStatus();
        messages.expectMessage(answer);
        click("btMB");
    }

    QStringList column(int field) const
    {
        QStringList values;
        for (int i = 1; i <= session().DVDListe().getListSize(); ++i)
            values << session().DVDListe().getDataString(i, field);
        return values;
    }

    // The same column as the list file holds it.
    QStringList savedColumn(int field) const
    {
        clsDatentraegerList saved;
        saved.Load(session().Options().DvdListpath());
        QStringList values;
        for (int i = 1; i <= saved.getListSize(); ++i)
            values << saved.getDataString(i, field);
        return values;
    }

    static clsDatentraeger withText(const QString& name, int field, const QString& value)
    {
        clsDatentraegerList one;
        one.AddDVD(title(name));
        one.setDVDString(1, value, field);
        return one.getDVD(1);
    }
};

struct FieldCase {
    int place;
    int field;
    int mode;
    const char* find;
    const char* replace;
    std::vector<const char*> before;
    std::vector<const char*> after;
    int changed; // titles whose value changed
};

TEST_F(MBTest, ModesOnEachPlaceChangeEveryTitleAndSave)
{
    const FieldCase cases[] = {
        {2, L::FieldFilmname, 2, "a", "o", {"Banana", "Alien", "Zorro"}, {"Bonana", "olien", "Zorro"}, 2},
        {2, L::FieldFilmname, 1, "", "Gleich", {"Alien", "Brazil"}, {"Gleich", "Gleich"}, 2},
        {3, L::FieldGenre, 3, "HORROR", "Grusel", {"Horror/SciFi", "Drama", ""}, {"Grusel", "Drama", ""}, 1},
        {4, L::FieldLandJahr, 2, "usa", "GB", {"USA 1979", "F 1980"}, {"GB 1979", "F 1980"}, 1},
        {6, L::FieldRegie, 3, "", "Jemand", {"Ridley Scott", "", "Terry Gilliam"}, {"Jemand", "", "Jemand"}, 2},
        {7, L::FieldFormat, 1, "", "BluRay", {"DVD", "BluRay"}, {"BluRay", "BluRay"}, 1},
        {8, L::FieldSonstiges, 2, "", "x", {"frei", ""}, {"frei", ""}, 0},
        {9, L::FieldBildpfad, 1, "", "neu.jpg", {"/a.jpg", "/b.jpg"}, {"neu.jpg", "neu.jpg"}, 2},
        {10, L::FieldTrailerpfad, 3, "b", "x.avi", {"/a.avi", "/b.avi"}, {"/a.avi", "x.avi"}, 1},
    };
    for (const FieldCase& c : cases) {
        std::vector<clsDatentraeger> titles;
        for (size_t i = 0; i < c.before.size(); ++i)
            titles.push_back(withText(QStringLiteral("T%1").arg(i), c.field, QString::fromUtf8(c.before[i])));
        useCollection(titles);
        const QStringList names = column(L::FieldFilmname);
        run(c.place, c.mode, QString::fromUtf8(c.find), QString::fromUtf8(c.replace));
        QStringList expected;
        for (const char* v : c.after)
            expected << QString::fromUtf8(v);
        EXPECT_EQ(column(c.field), expected) << "place " << c.place << " mode " << c.mode;
        if (c.field == L::FieldBildpfad || c.field == L::FieldTrailerpfad) {
            // Stored as typed; the reader completes relative paths.
            EXPECT_TRUE(folder.read(QStringLiteral("lists/main.adl")).contains(QByteArray("\r\n") + c.replace + "\r\n"));
        } else {
            EXPECT_EQ(savedColumn(c.field), expected) << "place " << c.place;
        }
        if (c.field != L::FieldFilmname) {
            EXPECT_EQ(column(L::FieldFilmname), names); // no title moves
        }
        EXPECT_EQ(status(), changed(c.changed)) << "place " << c.place << " mode " << c.mode;
    }
}

TEST_F(MBTest, ActorsAreChangedOneFieldAfterAnother)
{
    clsDatentraeger a = title(QStringLiteral("Alien"));
    a.SetSchauspieler1(QStringLiteral("Sigourney Weaver"));
    a.SetSchauspieler3(QStringLiteral("Ian Holm"));
    a.SetSchauspieler5(QStringLiteral("John Hurt"));
    clsDatentraeger b = title(QStringLiteral("Brazil"));
    b.SetSchauspieler2(QStringLiteral("Jonathan Pryce"));
    useCollection({a, b});
    run(5, 3, QStringLiteral("i"), QStringLiteral("X"));
    EXPECT_EQ(status(), changed(1)); // two of its actors, one title
    const clsDatentraeger d = session().DVDListe().getDVD(1);
    EXPECT_EQ(d.GetSchauspieler1(), QStringLiteral("X"));
    EXPECT_EQ(d.GetSchauspieler2(), QString());
    EXPECT_EQ(d.GetSchauspieler3(), QStringLiteral("X"));
    EXPECT_EQ(d.GetSchauspieler4(), QString());
    EXPECT_EQ(d.GetSchauspieler5(), QStringLiteral("John Hurt"));
    EXPECT_EQ(savedColumn(L::FieldSchauspieler3), (QStringList{"X", ""}));
}

TEST_F(MBTest, TheQuestionNamesWhatChangesToWhatInHowManyTitles)
{
    useCollection({title(QStringLiteral("Alien")), title(QStringLiteral("Brazil")), title(QStringLiteral("Heat"))});
    struct {
        int place;
        int mode;
        const char* find;
        const char* replace;
        const char* question;
    } const cases[] = {
        // As the page opens: long texts, set, both texts empty.
        {1, 1, "", "", "set long text of 3 to empty"},
        {1, 2, "a", "", "in long text of 3 replace every <a> with empty"},
        {3, 1, "x", "Drama", "set genre of 3 to <Drama>"},
        {3, 2, "Horror", "Grusel", "in genre of 3 replace first <Horror> with <Grusel>"},
        {3, 3, "Horror", "", "set genre of 3 to empty where <Horror>"},
        {3, 3, "", "Drama", "set genre of 3 to <Drama> where not empty"},
        {5, 1, "", "X", "set actors of 3 to <X>"},
        // What the user typed stays as typed, "%2" included.
        {3, 2, "%1", "100%2", "in genre of 3 replace first <%1> with <100%2>"},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        run(c.place, c.mode, QString::fromUtf8(c.find), QString::fromUtf8(c.replace), MsgAnswer::No);
        EXPECT_EQ(messages.shown, QStringList{QString::fromUtf8(c.question)});
    }
    EXPECT_EQ(messages.titles, QStringList(std::size(cases), QStringLiteral("Box 5")));
    EXPECT_EQ(column(L::FieldFilmname), (QStringList{"Alien", "Brazil", "Heat"}));
}

TEST_F(MBTest, DecliningChangesNothing)
{
    useCollection({title(QStringLiteral("Alien"))});
    const QByteArray before = folder.read(QStringLiteral("lists/main.adl"));
    run(2, 1, QString(), QStringLiteral("X"), MsgAnswer::No);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.titles, QStringList{"Box 5"});
    EXPECT_EQ(column(L::FieldFilmname), QStringList{"Alien"});
    EXPECT_EQ(folder.read(QStringLiteral("lists/main.adl")), before);
    EXPECT_EQ(status(), QString());
}

TEST_F(MBTest, LongTextsChangeOnceEachAndOnlyWhereTheyExist)
{
    auto withCover = [this](const QString& name, const QString& cover) {
        clsDatentraeger d = title(name);
        d.SetBildpfad(folder.file(cover));
        return d;
    };
    // Two titles share banana.txt; cherry has no long text.
    useCollection({withCover("A", "cover/banana.jpg"), withCover("B", "other/banana.gif"),
                   withCover("C", "cover/apple.jpg"), withCover("D", "cover/cherry.jpg")});
    const QByteArray list = folder.read(QStringLiteral("lists/main.adl"));

    folder.write(QStringLiteral("longtexts/banana.txt"), "Banana\r\n");
    folder.write(QStringLiteral("longtexts/apple.txt"), "Apple\r\n");
    run(1, 2, QStringLiteral("a"), QStringLiteral("oa"));
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/banana.txt")), QByteArray("Boanoanoa\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/apple.txt")), QByteArray("oapple\r\n"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("longtexts/cherry.txt"))));
    EXPECT_EQ(status(), changed(3)); // A and B share one text
    EXPECT_EQ(folder.read(QStringLiteral("lists/main.adl")), list);

    run(1, 3, QStringLiteral("PPL"), QStringLiteral("Neu"));
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/apple.txt")), QByteArray("Neu\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/banana.txt")), QByteArray("Boanoanoa\r\n"));
    EXPECT_EQ(status(), changed(1));

    run(1, 1, QString(), QStringLiteral("Alle"));
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/banana.txt")), QByteArray("Alle\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/apple.txt")), QByteArray("Alle\r\n"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("longtexts/cherry.txt"))));
    EXPECT_EQ(status(), changed(3));
    run(1, 1, QString(), QStringLiteral("Alle"));
    EXPECT_EQ(status(), changed(0)); // the same text again changes none

    // As the page opens: every long text emptied, and said so.
    run(1, 1, QString(), QString());
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/banana.txt")), QByteArray());
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/apple.txt")), QByteArray());
    EXPECT_EQ(status(), changed(3));
}

TEST_F(MBTest, AListFileThatCannotBeWrittenIsReportedAndTheChangeUndone)
{
    useCollection({title(QStringLiteral("Alien"))});
    const QString blocked = folder.file(QStringLiteral("blocked"));
    QDir().mkpath(blocked);
    session().Options().setDvdListpath(blocked);
    run(2, 1, QString(), QStringLiteral("X"));
    EXPECT_TRUE(status().startsWith(notWritten(4, blocked))) << status().toStdString();
    EXPECT_EQ(column(L::FieldFilmname), QStringList{"Alien"}); // as its file holds it
}

} // namespace

namespace {

TEST_F(MBTest, LayoutAt800By600)
{
    auto* place = child<ucOption>("ucOptionMBOrt");
    auto* mode = child<ucOption>("ucOptionMBModus");
    const int rowH = place->OptionFieldHeight();
    EXPECT_EQ(place->geometry(), QRect(30, 100, 740, 10 * rowH));
    EXPECT_EQ(mode->geometry(), QRect(30, 110 + 10 * rowH, 740, 3 * rowH));
    QWidget* find = child("ucEntryMBFind");
    QWidget* replace = child("ucEntryMBReplace");
    EXPECT_EQ(find->geometry(), QRect(30, 120 + 13 * rowH, 740, 25));
    EXPECT_EQ(replace->geometry(), QRect(30, find->y() + 25, 740, 25));
    EXPECT_EQ(child("btMB")->geometry(), QRect(30, replace->y() + 35, 740, 25));
}

} // namespace
