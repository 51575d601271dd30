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
    }

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
};

TEST_F(MBTest, ModesOnEachPlaceChangeEveryTitleAndSave)
{
    const FieldCase cases[] = {
        {2, L::FieldFilmname, 2, "a", "o", {"Banana", "Alien", "Zorro"}, {"Bonana", "olien", "Zorro"}},
        {2, L::FieldFilmname, 1, "", "Gleich", {"Alien", "Brazil"}, {"Gleich", "Gleich"}},
        {3, L::FieldGenre, 3, "HORROR", "Grusel", {"Horror/SciFi", "Drama", ""}, {"Grusel", "Drama", ""}},
        {4, L::FieldLandJahr, 2, "usa", "GB", {"USA 1979", "F 1980"}, {"GB 1979", "F 1980"}},
        {6, L::FieldRegie, 3, "", "Jemand", {"Ridley Scott", "", "Terry Gilliam"}, {"Jemand", "", "Jemand"}},
        {7, L::FieldFormat, 1, "", "BluRay", {"DVD", "VHS"}, {"BluRay", "BluRay"}},
        {8, L::FieldSonstiges, 2, "", "x", {"frei", ""}, {"frei", ""}},
        {9, L::FieldBildpfad, 1, "", "neu.jpg", {"/a.jpg", "/b.jpg"}, {"neu.jpg", "neu.jpg"}},
        {10, L::FieldTrailerpfad, 3, "b", "x.avi", {"/a.avi", "/b.avi"}, {"/a.avi", "x.avi"}},
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
        EXPECT_EQ(status(), msg(3));
    }
}

TEST_F(MBTest, ActorsAreChangedOneFieldAfterAnother)
{
    clsDatentraeger a = title(QStringLiteral("Alien"));
    a.SetSchauspieler1(QStringLiteral("Sigourney Weaver"));
    a.SetSchauspieler3(QStringLiteral("Ian Holm"));
    a.SetSchauspieler5(QStringLiteral("John Hurt"));
    useCollection({a});
    run(5, 3, QStringLiteral("i"), QStringLiteral("X"));
    const clsDatentraeger d = session().DVDListe().getDVD(1);
    EXPECT_EQ(d.GetSchauspieler1(), QStringLiteral("X"));
    EXPECT_EQ(d.GetSchauspieler2(), QString());
    EXPECT_EQ(d.GetSchauspieler3(), QStringLiteral("X"));
    EXPECT_EQ(d.GetSchauspieler4(), QString());
    EXPECT_EQ(d.GetSchauspieler5(), QStringLiteral("John Hurt"));
    EXPECT_EQ(savedColumn(L::FieldSchauspieler3), QStringList{"X"});
}

TEST_F(MBTest, DecliningChangesNothing)
{
    useCollection({title(QStringLiteral("Alien"))});
    const QByteArray before = folder.read(QStringLiteral("lists/main.adl"));
    run(2, 1, QString(), QStringLiteral("X"), MsgAnswer::No);
    EXPECT_EQ(messages.shown, QStringList{"Box 17"});
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
    EXPECT_EQ(status(), QString());
    EXPECT_EQ(folder.read(QStringLiteral("lists/main.adl")), list);

    run(1, 3, QStringLiteral("PPL"), QStringLiteral("Neu"));
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/apple.txt")), QByteArray("Neu\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/banana.txt")), QByteArray("Boanoanoa\r\n"));

    run(1, 1, QString(), QStringLiteral("Alle"));
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/banana.txt")), QByteArray("Alle\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("longtexts/apple.txt")), QByteArray("Alle\r\n"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("longtexts/cherry.txt"))));
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
