#include "session/Session.h"
#include "platform/Numbers.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/TempProgramFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <tuple>

namespace {

using L = clsDatentraegerList;

clsDatentraeger title(const QString& name)
{
    clsDatentraeger d;
    d.SetFilmname(name);
    return d;
}

QStringList names(const Session& s)
{
    QStringList n;
    for (int i = 1; i <= s.DVDListe().getListSize(); ++i)
        n << s.DVDListe().getDataString(i, L::FieldFilmname);
    return n;
}

class SessionTest : public ::testing::Test {
protected:
    SessionTest()
    {
        folder.writeLines(QStringLiteral("lists/main.adl"), {"LIST VERSION#0", "COUNT#0"});
        session.Options().setDvdListpath(folder.file(QStringLiteral("lists/main.adl")));
        session.changeCollection([](L& list) {
            list.AddSortedDVD(title(QStringLiteral("Alien")));
            list.AddSortedDVD(title(QStringLiteral("Heat")));
        });
        session.selectTitle(2);
    }
    // The list file can no longer be written: a folder stands in its place.
    void blockListFile()
    {
        const QString blocked = folder.file(QStringLiteral("blocked"));
        folder.write(QStringLiteral("blocked/inner"), "x");
        session.Options().setDvdListpath(blocked);
    }

    TempProgramFolder folder;
    Session session;
};

TEST_F(SessionTest, AChangeIsWrittenAtOnce)
{
    Session other;
    other.Options().setDvdListpath(folder.file(QStringLiteral("lists/main.adl")));
    other.LoadDVDList();
    EXPECT_EQ(names(other), QStringList({"Alien", "Heat"}));
}

TEST_F(SessionTest, AChangeThatFailsIsUndoneWholeAndReported)
{
    const std::vector<std::pair<const char*, std::function<void(L&)>>> changes = {
        {"add", [](L& l) { l.AddSortedDVD(title(QStringLiteral("Brazil"))); }},
        {"remove", [](L& l) { l.RemoveDVD(1); }},
        {"replace", [](L& l) { l.setDVDString(2, QStringLiteral("Ran"), L::FieldFilmname); }},
    };
    blockListFile();
    for (const auto& c : changes) {
        EXPECT_EQ(errorKindOf([&] { session.changeCollection(c.second); }), ErrorKind::InputOutput) << c.first;
        EXPECT_EQ(names(session), QStringList({"Alien", "Heat"})) << c.first;
        EXPECT_EQ(session.AktuelleDVDNr(), 2) << c.first;
    }
    EXPECT_EQ(errorKindOf([&] { session.changeCollection([](L& l) { l.RemoveDVD(2); }, Session::AfterChange::FirstTitle); }),
              ErrorKind::InputOutput);
    EXPECT_EQ(session.AktuelleDVDNr(), 2);
    // A change that fails half-way is undone too, and nothing is written.
    session.Options().setDvdListpath(folder.file(QStringLiteral("lists/main.adl")));
    EXPECT_EQ(errorKindOf([&] {
                  session.changeCollection([](L& l) {
                      l.RemoveDVD(1);
                      l.RemoveDVD(5);
                  });
              }),
              ErrorKind::Index);
    EXPECT_EQ(names(session), QStringList({"Alien", "Heat"}));
}

TEST_F(SessionTest, TheCurrentTitleIsReadFromTheCollectionEachTime)
{
    EXPECT_EQ(session.AktuelleDVD().GetFilmname(), QStringLiteral("Heat"));
    session.DVDListe().setDVDString(2, QStringLiteral("Heat (1995)"), L::FieldFilmname);
    EXPECT_EQ(session.AktuelleDVD().GetFilmname(), QStringLiteral("Heat (1995)"));
    for (int n : {0, -1, 3}) {
        EXPECT_EQ(session.recordAt(n).GetFilmname(), QStringLiteral("Leere Film-Liste")) << n;
        EXPECT_EQ(session.recordAt(n).GetBewertung(), 5) << n;
    }
    session.selectTitle(0);
    EXPECT_EQ(session.AktuelleDVD().GetFilmname(), QStringLiteral("Leere Film-Liste"));
}

TEST_F(SessionTest, OnlyANumberOfTheCollectionOrNoneCanBeChosen)
{
    const std::tuple<int, bool, int> cases[] = {
        {-1, false, 2}, {3, false, 2}, {32767, false, 2}, {0, true, 0}, {1, true, 1}, {2, true, 2},
    };
    for (const auto& [n, taken, after] : cases) {
        ASSERT_TRUE(session.selectTitle(2));
        EXPECT_EQ(session.selectTitle(n), taken) << n;
        EXPECT_EQ(session.AktuelleDVDNr(), after) << n;
        EXPECT_EQ(session.hasCurrentTitle(), after != 0) << n;
    }
}

TEST_F(SessionTest, NextAndPreviousStopAtTheEnds)
{
    EXPECT_FALSE(session.next());
    EXPECT_EQ(session.AktuelleDVDNr(), 2);
    EXPECT_TRUE(session.previous());
    EXPECT_EQ(session.AktuelleDVDNr(), 1);
    EXPECT_FALSE(session.previous());
    EXPECT_EQ(session.AktuelleDVDNr(), 1);
    // From no title the first one is next; there is none before it.
    session.selectTitle(0);
    EXPECT_FALSE(session.previous());
    EXPECT_EQ(session.AktuelleDVDNr(), 0);
    EXPECT_TRUE(session.next());
    EXPECT_EQ(session.AktuelleDVDNr(), 1);
    EXPECT_TRUE(session.next());
    EXPECT_EQ(session.AktuelleDVDNr(), 2);
}

TEST_F(SessionTest, AChangeMovesTheCurrentTitleAsAsked)
{
    // The position stays while it names a title.
    session.changeCollection([](L& l) { l.AddSortedDVD(title(QStringLiteral("Brazil"))); });
    EXPECT_EQ(session.AktuelleDVDNr(), 2);
    // A position the collection has shrunk below goes to the first title.
    session.selectTitle(3);
    session.changeCollection([](L& l) { l.RemoveDVD(3); });
    EXPECT_EQ(session.AktuelleDVDNr(), 1);
    session.selectTitle(2);
    session.changeCollection([](L& l) { l.RemoveDVD(1); }, Session::AfterChange::FirstTitle);
    EXPECT_EQ(session.AktuelleDVDNr(), 1);
    session.changeCollection([](L& l) { l.ClearList(); }, Session::AfterChange::FirstTitle);
    EXPECT_EQ(session.AktuelleDVDNr(), 0);
}

TEST_F(SessionTest, LoadingMakesTheFirstTitleCurrentOrNone)
{
    Session other;
    other.Options().setDvdListpath(folder.file(QStringLiteral("lists/main.adl")));
    other.LoadDVDList();
    EXPECT_EQ(other.AktuelleDVDNr(), 1);

    folder.writeLines(QStringLiteral("lists/bad.adl"), {"LIST VERSION#0", "COUNT#2", "NEWDVD#"});
    session.Options().setDvdListpath(folder.file(QStringLiteral("lists/bad.adl")));
    EXPECT_ANY_THROW(session.LoadDVDList());
    EXPECT_EQ(session.DVDListe().getListSize(), 0);
    EXPECT_EQ(session.AktuelleDVDNr(), 0);
}

TEST_F(SessionTest, TakingAListThatCannotBeReadChangesNothing)
{
    folder.writeLines(QStringLiteral("lists/bad.adl"), {"LIST VERSION#0", "COUNT#2", "NEWDVD#"});
    const QString before = session.Options().DvdListpath();
    EXPECT_ANY_THROW(session.takeList(folder.file(QStringLiteral("lists/bad.adl"))));
    EXPECT_EQ(names(session), QStringList({"Alien", "Heat"}));
    EXPECT_EQ(session.Options().DvdListpath(), before);
    EXPECT_EQ(session.AktuelleDVDNr(), 2);
}

TEST_F(SessionTest, TakingAnOldLayoutListConvertsItAndSaysSo)
{
    QStringList lines{" 1 "};
    lines << QStringList{"Zorro", " 4 ", "Drama", "USA 1999", " 16 ", " 120 ", " 1500 ", "free", "A", "", "", "",
                         "",      "Reg", "cover\\z.jpg", ""};
    const QString path = folder.writeLines(QStringLiteral("lists/old.adl"), lines);
    // Answered for the caller to show, not reported on the way.
    QList<int> reported;
    session.setStatusCallback([&](int n, const QString&) { reported << n; });
    EXPECT_EQ(session.takeList(path), (Session::StatusReports{{37, QString()}}));
    EXPECT_TRUE(reported.isEmpty());
    EXPECT_EQ(names(session), QStringList({"Zorro"}));
    EXPECT_EQ(session.Options().DvdListpath(), path);
    EXPECT_EQ(session.AktuelleDVDNr(), 1);
}

TEST_F(SessionTest, AListThatCouldNotBeReadIsNeverOverwrittenUntilItReads)
{
    const QByteArray damaged = "LIST VERSION#0\r\nCOUNT#3\r\nNEWDVD#\r\n";
    folder.write(QStringLiteral("lists/main.adl"), damaged);
    EXPECT_ANY_THROW(session.LoadDVDList());
    EXPECT_EQ(session.DVDListe().getListSize(), 0);
    EXPECT_EQ(errorKindOf([&] { session.changeCollection([](L& l) { l.AddDVD(title(QStringLiteral("X"))); }); }),
              ErrorKind::InputOutput);
    EXPECT_EQ(folder.read(QStringLiteral("lists/main.adl")), damaged);

    // Taking another list lifts the guard for that list.
    folder.writeLines(QStringLiteral("lists/other.adl"), {"LIST VERSION#0", "COUNT#0"});
    session.takeList(folder.file(QStringLiteral("lists/other.adl")));
    session.changeCollection([](L& l) { l.AddDVD(title(QStringLiteral("X"))); });
    EXPECT_EQ(names(session), QStringList({"X"}));
}

TEST_F(SessionTest, ASettingsChangeIsWrittenAtOnceAndOneThatFailsIsUndoneWhole)
{
    session.changeSettings([](clsOptions& o) {
        o.setFormWidth(900);
        o.setOwnLabelCaption(QStringLiteral("Notiz"));
        o.markSettingsChosen();
    });
    Session other;
    other.LoadEinstellungen();
    EXPECT_EQ(other.Options().FormWidth(), 900);
    EXPECT_EQ(other.Options().OwnLabelCaption(), QStringLiteral("Notiz"));

    // A change that fails half-way leaves settings and file as they were.
    const QByteArray written = folder.read(QStringLiteral("settings.aef"));
    EXPECT_EQ(errorKindOf([&] {
                  session.changeSettings([](clsOptions& o) {
                      o.setFormWidth(1000);
                      Numbers::parse(QStringLiteral("x"));
                  });
              }),
              ErrorKind::Conversion);
    EXPECT_EQ(session.Options().FormWidth(), 900);
    EXPECT_EQ(folder.read(QStringLiteral("settings.aef")), written);

    // So does a settings file that cannot be written: a folder stands in its place.
    QFile::remove(folder.file(QStringLiteral("settings.aef")));
    folder.write(QStringLiteral("settings.aef/inner"), "x");
    EXPECT_EQ(errorKindOf([&] {
                  session.changeSettings([](clsOptions& o) {
                      o.setFormWidth(1000);
                      o.setLanguage(1);
                  });
              }),
              ErrorKind::InputOutput);
    EXPECT_EQ(session.Options().FormWidth(), 900);
    EXPECT_EQ(session.Options().Language(), 0);
    EXPECT_EQ(session.Options().OwnLabelCaption(), QStringLiteral("Notiz"));
}

} // namespace
