#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"
#include "platform/RuntimeError.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <functional>
#include <QLocale>
#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace {

using L = clsDatentraegerList;

clsDatentraeger title(const QString& name)
{
    clsDatentraeger d;
    d.SetFilmname(name);
    return d;
}

QStringList names(const L& list)
{
    QStringList out;
    for (int i = 1; i <= list.getListSize(); ++i)
        out << list.getDataString(i, L::FieldFilmname);
    return out;
}

TEST(Datentraeger, ClearDerivedValuesAndLongTextPath)
{
    TempProgramFolder folder;
    clsDatentraeger d;
    d.SetFilmname(QStringLiteral("Alien"));
    d.SetLaenge(117);
    d.SetSchauspieler1(QStringLiteral("A"));
    d.SetSchauspieler3(QStringLiteral("B"));
    d.SetSchauspieler5(QStringLiteral("C"));
    EXPECT_EQ(d.GetSchauspielerAll(), QStringLiteral("A, B, C"));
    EXPECT_FALSE(d.IsComplete());
    d.SetBildpfad(QStringLiteral("C:\\films\\cover\\alien.jpg"));
    EXPECT_TRUE(d.IsComplete());
    EXPECT_EQ(d.GetZusatztextPfad(), folder.path() + QStringLiteral("/longtexts/alien.txt"));
    d.Clear();
    EXPECT_EQ(d, clsDatentraeger());
    EXPECT_EQ(d.GetSchauspielerAll(), QString());
    EXPECT_EQ(d.GetZusatztextPfad(), folder.path() + QStringLiteral("/longtexts/.txt"));
    d.SetSchauspieler5(QStringLiteral("E"));
    EXPECT_EQ(d.GetSchauspielerAll(), QStringLiteral("E"));
}

TEST(DatentraegerList, FieldsByNumber)
{
    TempProgramFolder folder;
    L list;
    list.AddDVD(title(QStringLiteral("Alien")));
    list.setDVDString(1, QStringLiteral(" 4 "), L::FieldBewertung);
    list.setDVDString(1, QStringLiteral("-5"), L::FieldLaenge);
    list.setDVDString(1, QStringLiteral("1999"), L::FieldKaufpreis);
    list.setDVDString(1, QStringLiteral("BluRay"), L::FieldFormat);
    list.setDVDString(1, QStringLiteral("Sigourney"), L::FieldSchauspieler2);
    list.setDVDString(1, QStringLiteral("/c/alien.jpg"), L::FieldBildpfad);
    list.setDVDString(1, QStringLiteral("ignored"), L::FieldSchauspielerAll);
    list.setDVDString(1, QStringLiteral("ignored"), 42);
    EXPECT_EQ(list.getDataString(1, L::FieldBewertung), QStringLiteral("4"));
    EXPECT_EQ(list.getDataString(1, L::FieldLaenge), QStringLiteral("-5"));
    EXPECT_EQ(list.getDataString(1, L::FieldKaufpreis), QStringLiteral("1999"));
    EXPECT_EQ(list.getDataString(1, L::FieldFormat), QStringLiteral("BluRay"));
    EXPECT_EQ(list.getDataString(1, L::FieldSchauspielerAll), QStringLiteral("Sigourney"));
    EXPECT_EQ(list.getDataString(1, L::FieldZusatztextPfad), folder.path() + QStringLiteral("/longtexts/alien.txt"));
    EXPECT_EQ(list.getDataString(1, 0), QString());
    EXPECT_EQ(list.getDataString(1, 20), QString());

    EXPECT_EQ(errorKindOf([&] { list.setDVDString(1, QStringLiteral("300"), L::FieldBewertung); }), ErrorKind::Overflow);
    EXPECT_EQ(errorKindOf([&] { list.setDVDString(1, QStringLiteral("abc"), L::FieldFsk); }), ErrorKind::Conversion);
    EXPECT_EQ(errorKindOf([&] { list.setDVDString(1, QStringLiteral("40000"), L::FieldLaenge); }), ErrorKind::Overflow);
    EXPECT_EQ(list.getDataString(1, L::FieldBewertung), QStringLiteral("4")); // kept its value
    EXPECT_EQ(errorKindOf([&] { list.getDataString(10000, 1); }), ErrorKind::Index);
    EXPECT_EQ(errorKindOf([&] { list.getDataString(-1, 1); }), ErrorKind::Index);
    EXPECT_EQ(list.getDataString(9999, L::FieldFilmname), QString()); // never used: empty
}

TEST(DatentraegerList, SortedInsertIgnoresCaseAndGoesBeforeEqualNames)
{
    L list;
    list.AddSortedDVD(title(QStringLiteral("Brazil")));
    list.AddSortedDVD(title(QStringLiteral("Alien")));
    clsDatentraeger lower = title(QStringLiteral("alien"));
    lower.SetGenre(QStringLiteral("new"));
    list.AddSortedDVD(lower);
    list.AddSortedDVD(title(QStringLiteral("Zorro")));
    list.AddSortedDVD(title(QStringLiteral("ärger")));
    EXPECT_EQ(names(list), (QStringList{"alien", "Alien", "ärger", "Brazil", "Zorro"}));
    EXPECT_EQ(list.getDataString(1, L::FieldGenre), QStringLiteral("new"));
}

TEST(DatentraegerList, SortedInsertUsesTheLocaleCollation)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    {
        L list; // Swedish sorts ä after z
        for (const char* n : {"zebra", "ärlig", "apa"})
            list.AddSortedDVD(title(QString::fromUtf8(n)));
        EXPECT_EQ(names(list), (QStringList{"apa", "zebra", "ärlig"}));
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        L list;
        for (const char* n : {"zebra", "ärlig", "apa"})
            list.AddSortedDVD(title(QString::fromUtf8(n)));
        EXPECT_EQ(names(list), (QStringList{"apa", "ärlig", "zebra"}));
    }
    QLocale::setDefault(before);
}

TEST(DatentraegerList, SortedInsertIntoAnUnorderedListWalksFromTheTop)
{
    L list;
    for (const char* n : {"M", "C", "X"})
        list.AddDVD(title(QString::fromUtf8(n)));
    list.AddSortedDVD(title(QStringLiteral("D"))); // first title not below "D" is "M"
    EXPECT_EQ(names(list), (QStringList{"D", "M", "C", "X"}));
    // After a rename the order is checked again before any search by halves.
    L sorted;
    for (const char* n : {"a", "b", "c", "d", "e"})
        sorted.AddSortedDVD(title(QString::fromUtf8(n)));
    sorted.setDVDString(2, QStringLiteral("z"), L::FieldFilmname);
    sorted.AddSortedDVD(title(QStringLiteral("y")));
    EXPECT_EQ(names(sorted), (QStringList{"a", "y", "z", "c", "d", "e"}));
}

// Names with their record, so that equal names show their order.
QStringList namesAndTags(const L& list)
{
    QStringList out;
    for (int i = 1; i <= list.getListSize(); ++i)
        out << list.getDataString(i, L::FieldFilmname) + u'|' + list.getDataString(i, L::FieldGenre);
    return out;
}

// Adding many at once gives exactly the order of one sorted insert after
// another, equal names (in any case) in reverse order, before the equal names
// already held; an unordered list still walks from the top.
TEST(DatentraegerList, SortedBatchKeepsTheOrderOfOneInsertAfterAnother)
{
    const char* pool[] = {"alien", "Alien", "ALIEN", "brazil", "", "ärger", "Ärger", "zorro", "Brazil", "a"};
    std::vector<clsDatentraeger> batch;
    for (int i = 0; i < 200; ++i) {
        clsDatentraeger d = title(QString::fromUtf8(pool[(i * 7 + i / 3) % 10]));
        d.SetGenre(QString::number(i));
        batch.push_back(d);
    }
    struct Case {
        const char* name;
        std::function<void(L&)> before;
    };
    const Case cases[] = {
        {"empty", [](L&) {}},
        {"ordered",
         [](L& l) {
             for (const char* n : {"Alien", "brazil", "m", "", "zorro"})
                 l.AddSortedDVD(title(QString::fromUtf8(n)));
         }},
        {"unordered",
         [](L& l) {
             for (const char* n : {"m", "Alien", "zorro", "b"})
                 l.AddDVD(title(QString::fromUtf8(n)));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        L oneByOne, atOnce;
        c.before(oneByOne);
        c.before(atOnce);
        for (const clsDatentraeger& d : batch)
            oneByOne.AddSortedDVD(d);
        atOnce.AddSortedDVDs(batch);
        EXPECT_EQ(namesAndTags(atOnce), namesAndTags(oneByOne));
        // Later inserts still find their place.
        oneByOne.AddSortedDVD(title(QStringLiteral("Brazil")));
        atOnce.AddSortedDVD(title(QStringLiteral("Brazil")));
        EXPECT_EQ(namesAndTags(atOnce), namesAndTags(oneByOne));
    }

    L full;
    for (int i = 1; i <= L::kMaxTitles - 1; ++i)
        full.AddDVD(title(QStringLiteral("t%1").arg(i, 5, 10, QLatin1Char('0'))));
    EXPECT_EQ(errorKindOf([&] { full.AddSortedDVDs({title(QStringLiteral("a")), title(QStringLiteral("b"))}); }),
              ErrorKind::Capacity);
    EXPECT_EQ(full.getListSize(), L::kMaxTitles - 1);
    EXPECT_EQ(full.getDataString(1, 1), QStringLiteral("t00001"));
}

TEST(DatentraegerList, RemoveAndShiftsKeepSlotsAboveTheCount)
{
    L list;
    for (const char* n : {"a", "b", "c"})
        list.AddDVD(title(QString::fromUtf8(n)));
    list.RemoveDVD(1);
    EXPECT_EQ(names(list), (QStringList{"b", "c"}));
    EXPECT_EQ(list.getDataString(3, L::FieldFilmname), QStringLiteral("c")); // the old last slot stays
    EXPECT_EQ(errorKindOf([&] { list.RemoveDVD(3); }), ErrorKind::Index);
    EXPECT_EQ(errorKindOf([&] { list.RemoveDVD(0); }), ErrorKind::Index);
    EXPECT_EQ(list.getListSize(), 2);

    list.ShiftDVDsUp(1, 2); // slot 3 := slot 2, slot 2 := slot 1; slot 1 stays
    EXPECT_EQ(list.getDataString(1, 1), QStringLiteral("b"));
    EXPECT_EQ(list.getDataString(2, 1), QStringLiteral("b"));
    EXPECT_EQ(list.getDataString(3, 1), QStringLiteral("c"));
    list.ShiftDVDsDown(1, 3); // slot 1 := slot 2, slot 2 := slot 3; slot 3 stays
    EXPECT_EQ(list.getDataString(1, 1), QStringLiteral("b"));
    EXPECT_EQ(list.getDataString(2, 1), QStringLiteral("c"));
    EXPECT_EQ(list.getDataString(3, 1), QStringLiteral("c"));
    // A copy in a slot is its own record.
    list.setDVDString(2, QStringLiteral("changed"), 1);
    EXPECT_EQ(list.getDataString(3, 1), QStringLiteral("c"));
    EXPECT_EQ(errorKindOf([&] { list.ShiftDVDsUp(1, 9999); }), ErrorKind::Index);
}

TEST(DatentraegerList, IndexOfFilmnameFindsTheFirstMatchAmongTheTitlesOnly)
{
    L list;
    EXPECT_EQ(list.indexOfFilmname(QString(), false), 0);
    for (const char* n : {"Alien", "Aliens", "Heat", "Heat", "Brazil", "Straße"})
        list.AddDVD(title(QString::fromUtf8(n)));
    list.RemoveDVD(6); // "Straße" stays in the slot above the count
    const struct {
        const char* name;
        bool exact;
        int index;
    } cases[] = {
        {"alien", false, 1},  {"ALIENS", false, 2}, {"aliens", true, 0}, {"Aliens", true, 2},
        {"Heat", true, 3},    {"he", false, 3},     {"", false, 1},      {"", true, 0},
        {"Brazil ", false, 0}, {"Straße", true, 0},  {"str", false, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(list.indexOfFilmname(QString::fromUtf8(c.name), c.exact), c.index) << c.name << ' ' << c.exact;
}

TEST(DatentraegerList, TenThousandthTitleIsACapacityErrorAndChangesNothing)
{
    L list;
    for (int i = 1; i <= L::kMaxTitles; ++i)
        list.AddDVD(title(QStringLiteral("t%1").arg(i, 5, 10, QLatin1Char('0'))));
    EXPECT_EQ(errorKindOf([&] { list.AddDVD(title(QStringLiteral("x"))); }), ErrorKind::Capacity);
    EXPECT_EQ(errorKindOf([&] { list.AddSortedDVD(title(QStringLiteral("a"))); }), ErrorKind::Capacity);
    EXPECT_EQ(list.getListSize(), L::kMaxTitles);
    EXPECT_EQ(list.getDataString(1, 1), QStringLiteral("t00001"));
    EXPECT_EQ(list.getDataString(L::kMaxTitles, 1), QStringLiteral("t09999"));
}

clsDatentraeger fullTitle()
{
    clsDatentraeger d;
    d.SetFilmname(QStringLiteral("Amélie"));
    d.SetFormat(QStringLiteral("DVD"));
    d.SetBewertung(5);
    d.SetGenre(QStringLiteral("Komödie/Romanze"));
    d.SetLandJahr(QStringLiteral("F 2001"));
    d.SetFsk(12);
    d.SetLaenge(104);
    d.SetKaufpreis(1999);
    d.SetSonstiges(QStringLiteral("Sonder"));
    d.SetSchauspieler1(QStringLiteral("A"));
    d.SetRegie(QStringLiteral("J.-P."));
    d.SetBildpfad(QStringLiteral("D:\\x.jpg"));
    return d;
}

TEST(DatentraegerList, SavesTheListFileLayout)
{
    TempProgramFolder folder;
    L empty;
    empty.Save(QStringLiteral("lists/empty.adl"));
    EXPECT_EQ(folder.read(QStringLiteral("lists/empty.adl")), QByteArray("LIST VERSION#0\r\nCOUNT#0\r\n"));

    L list;
    list.AddDVD(fullTitle());
    list.Save(QStringLiteral("lists/one.adl"));
    const QByteArray expected = "LIST VERSION#0\r\nCOUNT#1\r\n"
                                "NEWDVD#----------------------------------------------\r\n"
                                "Am\xC3\xA9lie\r\nDVD\r\n 5 \r\nKom\xC3\xB6""die/Romanze\r\nF 2001\r\n 12 \r\n 104 \r\n"
                                " 1999 \r\nSonder\r\nA####\r\nJ.-P.\r\nD:\\x.jpg\r\n\r\n";
    EXPECT_EQ(folder.read(QStringLiteral("lists/one.adl")), expected);
}

TEST(DatentraegerList, LoadReadsBackAndCompletesRelativePaths)
{
    TempProgramFolder folder;
    L list;
    clsDatentraeger d = fullTitle();
    d.SetKaufpreis(-250);
    list.AddDVD(d);
    clsDatentraeger rel = title(QStringLiteral("Brazil"));
    rel.SetBildpfad(QStringLiteral("cover\\x.jpg"));
    rel.SetTrailerpfad(QStringLiteral("trailer/b.avi"));
    list.AddDVD(rel);
    list.Save(QStringLiteral("lists/two.adl"));

    L back;
    back.Load(QStringLiteral("lists/two.adl"));
    ASSERT_EQ(back.getListSize(), 2);
    clsDatentraeger first = back.getDVD(1);
    d.SetBildpfad(QStringLiteral("D:/x.jpg")); // kept as a (Windows) full path, in "/" form
    EXPECT_EQ(first, d);
    EXPECT_EQ(back.getDataString(2, L::FieldBildpfad), folder.path() + QStringLiteral("/cover/x.jpg"));
    EXPECT_EQ(back.getDataString(2, L::FieldTrailerpfad), folder.path() + QStringLiteral("/trailer/b.avi"));
    EXPECT_EQ(back.getDataString(1, L::FieldTrailerpfad), QString());
    EXPECT_EQ(back.getDataString(2, L::FieldSchauspieler1), QString());
}

TEST(DatentraegerList, LineBreaksAndHashesCannotShiftTheFile)
{
    TempProgramFolder folder;
    L list;
    clsDatentraeger d = title(QStringLiteral("Two\r\nLines"));
    d.SetSonstiges(QStringLiteral("a\nb\rc"));
    d.SetSchauspieler1(QStringLiteral("Smith # Jones"));
    d.SetSchauspieler2(QStringLiteral("X"));
    list.AddDVD(d);
    list.AddDVD(title(QStringLiteral("Next")));
    list.Save(QStringLiteral("l.adl"));
    L back;
    back.Load(QStringLiteral("l.adl"));
    ASSERT_EQ(back.getListSize(), 2);
    EXPECT_EQ(back.getDataString(1, L::FieldFilmname), QStringLiteral("Two Lines"));
    EXPECT_EQ(back.getDataString(1, L::FieldSonstiges), QStringLiteral("a b c"));
    EXPECT_EQ(back.getDataString(1, L::FieldSchauspieler1), QStringLiteral("Smith   Jones"));
    EXPECT_EQ(back.getDataString(1, L::FieldSchauspieler2), QStringLiteral("X"));
    EXPECT_EQ(back.getDataString(2, L::FieldFilmname), QStringLiteral("Next"));
}

QStringList oldTitle(const QString& name, const QString& cover);

QStringList titleLines(const QString& name, const QString& rating = QStringLiteral(" 3 "))
{
    return {QStringLiteral("NEWDVD#") + QString(46, u'-'), name, "DVD", rating, "Drama", "USA 1999", " 12 ", " 90 ",
            " 999 ", "", "A#B#C#D#E", "R", "", ""};
}

TEST(DatentraegerList, ActorsLineWithMoreOrFewerThanFiveNames)
{
    TempProgramFolder folder;
    const QStringList actorLines{"A#B#C#D#E#F#G", "A#B", "", "#B##D#"};
    QStringList lines{"LIST VERSION#0", QStringLiteral("COUNT#%1").arg(actorLines.size())};
    for (const QString& actors : actorLines) {
        QStringList t = titleLines(actors);
        t[10] = actors;
        lines << t;
    }
    folder.writeLines(QStringLiteral("actors.adl"), lines);
    L list;
    list.Load(QStringLiteral("actors.adl"));
    ASSERT_EQ(list.getListSize(), 4);
    const QStringList expected[] = {
        {"A", "B", "C", "D", "E"}, {"A", "B", "", "", ""}, {"", "", "", "", ""}, {"", "B", "", "D", ""}};
    for (int i = 1; i <= 4; ++i) {
        const clsDatentraeger d = list.getDVD(i);
        EXPECT_EQ((QStringList{d.GetSchauspieler1(), d.GetSchauspieler2(), d.GetSchauspieler3(), d.GetSchauspieler4(),
                               d.GetSchauspieler5()}),
                  expected[i - 1])
            << actorLines[i - 1].toStdString();
    }
}

// Texts that recur from title to title are made once and shared by the
// titles; texts that all differ (more of them than the load keeps at hand,
// so that they take each other's places) must read back just as well, and a
// title changed after the load changes no other.
TEST(DatentraegerList, RecurringAndDistinctTextsLoadAsSaved)
{
    TempProgramFolder folder;
    std::vector<clsDatentraeger> titles;
    for (int i = 0; i < 3000; ++i) {
        clsDatentraeger d;
        d.SetFilmname(QStringLiteral("Film %1").arg(i));
        d.SetFormat(i % 3 == 0 ? QStringLiteral("DVD") : QStringLiteral("Blu-ray"));
        d.SetGenre(i % 2 == 0 ? QStringLiteral("Komödie") : QStringLiteral("Genre %1").arg(i));
        d.SetLandJahr(QStringLiteral("F %1").arg(1950 + i % 70));
        d.SetSonstiges(i % 5 == 0 ? QString() : QStringLiteral("Notiz €%1").arg(i % 1500));
        d.SetSchauspieler1(QStringLiteral("Actor %1").arg(i % 400));
        d.SetSchauspieler2(QStringLiteral("Actor %1").arg(i));
        d.SetSchauspieler3(i % 7 == 0 ? QStringLiteral("Actor %1").arg(i % 400) : QString());
        d.SetSchauspieler5(QStringLiteral("Zoë"));
        d.SetRegie(QStringLiteral("Regie %1").arg(i % 1200));
        d.SetBildpfad(QStringLiteral("/covers/%1.jpg").arg(i));
        titles.push_back(d);
    }
    L list;
    for (const clsDatentraeger& d : titles)
        list.AddDVD(d);
    list.Save(QStringLiteral("lists/many.adl"));

    L back;
    back.Load(QStringLiteral("lists/many.adl"));
    ASSERT_EQ(back.getListSize(), 3000);
    for (int i = 1; i <= 3000; ++i)
        ASSERT_EQ(back.getDVD(i), titles[static_cast<size_t>(i - 1)]) << i;
    // A line's text is empty, not null; an actor the line does not have is null.
    const clsDatentraeger& first = back.titleAt(1);
    EXPECT_FALSE(first.GetSonstiges().isNull());
    EXPECT_FALSE(first.GetSchauspieler4().isNull());
    EXPECT_FALSE(first.GetTrailerpfad().isNull());

    back.setDVDString(1, QStringLiteral("Drama"), L::FieldGenre);
    back.setDVDString(4, QStringLiteral("Actor 9"), L::FieldSchauspieler1);
    EXPECT_EQ(back.getDataString(3, L::FieldGenre), QStringLiteral("Komödie"));
    EXPECT_EQ(back.getDataString(404, L::FieldSchauspieler1), QStringLiteral("Actor 3"));

    // The same titles from a Windows-1252 file.
    QByteArray cp1252 = folder.read(QStringLiteral("lists/many.adl"));
    cp1252.replace("\xC3\xB6", "\xF6").replace("\xC3\xAB", "\xEB").replace("\xE2\x82\xAC", "\x80");
    folder.write(QStringLiteral("lists/old.adl"), cp1252);
    L windows;
    windows.Load(QStringLiteral("lists/old.adl"));
    ASSERT_EQ(windows.getListSize(), 3000);
    for (int i = 1; i <= 3000; ++i)
        ASSERT_EQ(windows.getDVD(i), titles[static_cast<size_t>(i - 1)]) << i;

    // Actors missing from a short line are null, as before.
    QStringList shortTitle = titleLines(QStringLiteral("Short"));
    shortTitle[10] = QStringLiteral("A#");
    folder.writeLines(QStringLiteral("short.adl"), QStringList{"LIST VERSION#0", "COUNT#1"} + shortTitle);
    L shortLine;
    shortLine.Load(QStringLiteral("short.adl"));
    const clsDatentraeger& d = shortLine.titleAt(1);
    EXPECT_FALSE(d.GetSchauspieler2().isNull());
    EXPECT_TRUE(d.GetSchauspieler3().isNull());
    EXPECT_TRUE(d.GetSchauspieler5().isNull());
}

// Cover and trailer lines as lists made here and on Windows spell them.
TEST(DatentraegerList, LoadCompletesEverySpellingOfAPath)
{
    TempProgramFolder folder;
    const QString root = folder.path() + u'/';
    const struct {
        QString line;
        QString kept;
    } cases[] = {
        {"", ""},
        {"cover/a.jpg", root + "cover/a.jpg"},
        {"cover\\b.jpg", root + "cover/b.jpg"},
        {"c.jpg", root + "c.jpg"},
        {"/media/films/d.jpg", "/media/films/d.jpg"},
        {"\\\\server\\e.jpg", "//server/e.jpg"},
        {"D:\\f.jpg", "D:/f.jpg"},
        {"D:/g.jpg", "D:/g.jpg"},
    };
    QStringList lines{"LIST VERSION#0", QStringLiteral("COUNT#%1").arg(std::size(cases))};
    for (const auto& c : cases) {
        QStringList t = titleLines(QStringLiteral("T"));
        t[12] = c.line;
        t[13] = c.line;
        lines << t;
    }
    folder.writeLines(QStringLiteral("lists/paths.adl"), lines);
    L list;
    list.Load(QStringLiteral("lists/paths.adl"));
    ASSERT_EQ(list.getListSize(), static_cast<int>(std::size(cases)));
    for (int i = 1; i <= list.getListSize(); ++i) {
        const auto& c = cases[i - 1];
        EXPECT_EQ(list.getDVD(i).GetBildpfad(), c.kept) << c.line.toStdString();
        EXPECT_EQ(list.getDVD(i).GetTrailerpfad(), c.kept) << c.line.toStdString();
    }
}

TEST(DatentraegerList, LoadFailuresKeepWhatWasRead)
{
    TempProgramFolder folder;
    QStringList shortFile{"LIST VERSION#3", "COUNT#3"};
    shortFile << titleLines("One") << titleLines("Two");
    folder.writeLines(QStringLiteral("short.adl"), shortFile);
    L list;
    EXPECT_EQ(errorKindOf([&] { list.Load(QStringLiteral("short.adl")); }), ErrorKind::EndOfFile);
    EXPECT_EQ(names(list), (QStringList{"One", "Two"}));
    EXPECT_EQ(list.getListVersion(), 3);
    EXPECT_EQ(list.getDataString(2, L::FieldSchauspieler5), QStringLiteral("E"));

    QStringList badNumber{"LIST VERSION#0", "COUNT#2"};
    badNumber << titleLines("One") << titleLines("Two", "x");
    folder.writeLines(QStringLiteral("bad.adl"), badNumber);
    EXPECT_EQ(errorKindOf([&] { list.Load(QStringLiteral("bad.adl")); }), ErrorKind::Conversion);
    EXPECT_EQ(names(list), QStringList{"One"});

    QStringList overRange{"LIST VERSION#0", "COUNT#1"};
    overRange << titleLines("One", " 300 ");
    folder.writeLines(QStringLiteral("range.adl"), overRange);
    EXPECT_EQ(errorKindOf([&] { list.Load(QStringLiteral("range.adl")); }), ErrorKind::Overflow);

    EXPECT_EQ(errorKindOf([&] { list.Load(QStringLiteral("missing.adl")); }), ErrorKind::FileNotFound);
    EXPECT_EQ(list.getListSize(), 0);

    // Lines after the last title are not read.
    QStringList extra{"LIST VERSION#0", "COUNT#1"};
    extra << titleLines("One") << "garbage";
    folder.writeLines(QStringLiteral("extra.adl"), extra);
    list.Load(QStringLiteral("extra.adl"));
    EXPECT_EQ(names(list), QStringList{"One"});
}

TEST(DatentraegerList, LoadErrorsNameTheFileAndTheLine)
{
    TempProgramFolder folder;
    const auto list = [](const QString& count, const QList<QStringList>& titles) {
        QStringList lines{"LIST VERSION#0", count};
        for (const QStringList& t : titles)
            lines << t;
        return lines;
    };
    QStringList badFsk = titleLines("One");
    badFsk[6] = "abc";
    QStringList oldBad{" 1 "};
    oldBad << oldTitle("x", "");
    oldBad[2] = "many";
    QStringList oldShort{" 2 "};
    oldShort << oldTitle("a", "") << oldTitle("b", "").mid(0, 10);
    struct Case {
        const char* file;
        QStringList lines;
        QString message;
    };
    // A title takes 14 lines, the first from line 3 on.
    const Case cases[] = {
        {"lists/rating.adl", list("COUNT#2", {titleLines("One"), titleLines("Two", "x")}),
         "conversion error: lists/rating.adl, line 20: 'x' is not a number"},
        {"lists/range.adl", list("COUNT#1", {titleLines("One", " 300 ")}),
         "overflow: lists/range.adl, line 6: 300 does not fit into a byte"},
        {"lists/fsk.adl", list("COUNT#1", {badFsk}), "conversion error: lists/fsk.adl, line 9: 'abc' is not a number"},
        {"lists/short.adl", list("COUNT#3", {titleLines("One"), titleLines("Two")}),
         "end of file: lists/short.adl, line 31: the file ends before this line"},
        {"lists/count.adl", list("COUNT#10000", {}), "capacity exceeded: lists/count.adl, line 2: 10000 titles, a list holds 0 to 9999"},
        {"lists/version.adl", {"LIST VERSION#x", "COUNT#0"},
         "conversion error: lists/version.adl, line 1: 'x' is not a number"},
        {"lists/empty.adl", {}, "end of file: lists/empty.adl, line 1: the file ends before this line"},
        {"lists/old.adl", oldBad, "conversion error: lists/old.adl, line 3: 'many' is not a number"},
        {"lists/oldshort.adl", oldShort,
         "end of file: lists/oldshort.adl, line 28: the file ends before this line; 2 titles need 33 lines"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        if (c.lines.isEmpty())
            folder.write(QString::fromUtf8(c.file), QByteArray());
        else
            folder.writeLines(QString::fromUtf8(c.file), c.lines);
        L l;
        try {
            l.Load(QString::fromUtf8(c.file));
            ADD_FAILURE() << "loaded";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.message(), c.message);
        }
    }

    // A list outside the program folder is named in full.
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("x.adl"));
    QFile file(outside);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("LIST VERSION#0\r\nCOUNT#x\r\n");
    file.close();
    L l;
    try {
        l.Load(outside);
        ADD_FAILURE() << "loaded";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("conversion error: %1, line 2: 'x' is not a number").arg(outside));
    }
}

TEST(DatentraegerList, CountOutsideTheCapacityFailsBeforeAnyTitle)
{
    TempProgramFolder folder;
    for (const char* count : {"COUNT#10000", "COUNT#-1"}) {
        QStringList lines{"LIST VERSION#0", QString::fromUtf8(count)};
        lines << titleLines("One");
        folder.writeLines(QStringLiteral("c.adl"), lines);
        L list;
        list.AddDVD(title(QStringLiteral("before")));
        EXPECT_EQ(errorKindOf([&] { list.Load(QStringLiteral("c.adl")); }), ErrorKind::Capacity) << count;
        EXPECT_EQ(list.getListSize(), 0);
    }
}

TEST(DatentraegerList, FailedSaveKeepsThePreviousFile)
{
    TempProgramFolder folder;
    folder.writeLines(QStringLiteral("lists/keep.adl"), {"LIST VERSION#0", "COUNT#0"});
    L list;
    list.AddDVD(title(QStringLiteral("x")));
    folder.write(QStringLiteral("lists/dir.adl/inner"), "x");
    EXPECT_EQ(errorKindOf([&] { list.Save(QStringLiteral("lists/dir.adl")); }), ErrorKind::InputOutput);
    EXPECT_EQ(folder.read(QStringLiteral("lists/keep.adl")), QByteArray("LIST VERSION#0\r\nCOUNT#0\r\n"));

    // A small list on a full disk fails in the last flush, not silently.
    {
        FileSizeLimit limit(16);
        EXPECT_EQ(errorKindOf([&] { list.Save(QStringLiteral("lists/keep.adl")); }), ErrorKind::InputOutput);
    }
    EXPECT_EQ(folder.read(QStringLiteral("lists/keep.adl")), QByteArray("LIST VERSION#0\r\nCOUNT#0\r\n"));
}

QStringList oldTitle(const QString& name, const QString& cover)
{
    return {name, " 4 ", "Drama", "USA 1999", " 16 ", " 120 ", " 1500 ", "free", "A", "", "C", "", "E", "Reg", cover,
            ""};
}

TEST(ImportOldList, ConvertsSortsAndReportsThenLoads)
{
    TempProgramFolder folder;
    QStringList lines{" 2 "};
    lines << oldTitle("Zorro", "cover\\z.jpg") << oldTitle("alien", "D:\\a.jpg");
    folder.writeLines(QStringLiteral("lists/old.adl"), lines);

    L list;
    QList<int> messages;
    list.setStatusCallback([&](int n, const QString& suffix) {
        messages << n;
        EXPECT_TRUE(suffix.isEmpty());
    });
    list.Load(QStringLiteral("lists/old.adl"));
    EXPECT_EQ(messages, QList<int>{37});
    EXPECT_EQ(names(list), (QStringList{"alien", "Zorro"}));
    EXPECT_EQ(list.getDataString(2, L::FieldBildpfad), folder.path() + QStringLiteral("/cover/z.jpg"));
    EXPECT_EQ(list.getDataString(1, L::FieldSchauspielerAll), QStringLiteral("A, C, E"));
    EXPECT_EQ(list.getDataString(1, L::FieldFormat), QString());
    EXPECT_EQ(list.getDataString(1, L::FieldKaufpreis), QStringLiteral("1500"));
    const QByteArray written = folder.read(QStringLiteral("lists/old.adl"));
    EXPECT_TRUE(written.startsWith("LIST VERSION#0\r\nCOUNT#2\r\nNEWDVD#")) << written.left(60).constData();
    EXPECT_TRUE(written.contains("\r\ncover\\z.jpg\r\n")); // paths are completed on load, not in the file
}

TEST(ImportOldList, ShortOrDamagedFileStaysAsItWas)
{
    TempProgramFolder folder;
    QStringList shortLines{" 2 "};
    shortLines << oldTitle("Zorro", "") << oldTitle("alien", "").mid(0, 10);
    const QString path = folder.writeLines(QStringLiteral("short.adl"), shortLines);
    const QByteArray before = folder.read(QStringLiteral("short.adl"));
    L list;
    int messages = 0;
    list.setStatusCallback([&](int, const QString&) { ++messages; });
    EXPECT_EQ(errorKindOf([&] { list.Load(path); }), ErrorKind::EndOfFile);
    EXPECT_EQ(folder.read(QStringLiteral("short.adl")), before);

    QStringList bad{" 1 "};
    bad << oldTitle("x", "");
    bad[2] = "many"; // the rating line
    folder.writeLines(QStringLiteral("bad.adl"), bad);
    const QByteArray badBefore = folder.read(QStringLiteral("bad.adl"));
    EXPECT_EQ(errorKindOf([&] { list.Load(QStringLiteral("bad.adl")); }), ErrorKind::Conversion);
    EXPECT_EQ(folder.read(QStringLiteral("bad.adl")), badBefore);
    EXPECT_EQ(messages, 0);
}

TEST(ImportOldList, ConvertsMoreLinesThanTheLineStoreOnceHeld)
{
    TempProgramFolder folder;
    const int n = 2000; // 32001 lines
    QStringList lines{QString::number(n)};
    for (int i = n; i >= 1; --i)
        lines << oldTitle(QStringLiteral("t%1").arg(i, 4, 10, QLatin1Char('0')), "");
    folder.writeLines(QStringLiteral("big.adl"), lines);
    L list;
    list.Load(QStringLiteral("big.adl"));
    ASSERT_EQ(list.getListSize(), n);
    EXPECT_EQ(list.getDataString(1, 1), QStringLiteral("t0001"));
    EXPECT_EQ(list.getDataString(n, 1), QStringLiteral("t2000"));
}

} // namespace

namespace {

// The list knows its file only while neither side has changed since.
TEST(DatentraegerList, KnowsWhetherItsFileIsUnchanged)
{
    TempProgramFolder folder;
    const QString path = QStringLiteral("lists/main.adl");
    L list;
    EXPECT_FALSE(list.isFileUnchanged(path));
    list.AddDVD(title(QStringLiteral("Alien")));
    list.Save(path);
    EXPECT_TRUE(list.isFileUnchanged(path));
    EXPECT_TRUE(list.isFileUnchanged(folder.path() + QStringLiteral("/lists/main.adl")));
    EXPECT_FALSE(list.isFileUnchanged(QStringLiteral("lists/other.adl")));

    const std::function<void(L&)> changes[] = {
        [](L& l) { l.AddDVD(title(QStringLiteral("Brazil"))); },
        [](L& l) { l.setDVDString(1, QStringLiteral("Heat"), L::FieldFilmname); },
        [](L& l) { l.RemoveDVD(1); },
        [](L& l) { l.ClearList(); },
        [](L& l) { l.AddSortedDVD(title(QStringLiteral("Casablanca"))); },
    };
    for (const auto& change : changes) {
        L other;
        other.Load(path);
        EXPECT_TRUE(other.isFileUnchanged(path));
        change(other);
        EXPECT_FALSE(other.isFileUnchanged(path));
    }

    // Another program rewrites or removes the file.
    L other;
    other.AddDVD(title(QStringLiteral("Dune")));
    other.Save(path);
    EXPECT_FALSE(list.isFileUnchanged(path));
    EXPECT_TRUE(other.isFileUnchanged(path));
    QFile::remove(folder.path() + QStringLiteral("/lists/main.adl"));
    EXPECT_FALSE(other.isFileUnchanged(path));

    // A load that fails part-way knows no file.
    folder.write(QStringLiteral("lists/main.adl"), "LIST VERSION#0\r\nCOUNT#2\r\n");
    EXPECT_THROW(other.Load(path), RuntimeError);
    EXPECT_FALSE(other.isFileUnchanged(path));
}

} // namespace
