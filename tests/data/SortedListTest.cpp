#include "data/clsDatentraegerList.h"
#include "data/clsSortedDiskList.h"
#include "data/clsSortedList.h"
#include "platform/RuntimeError.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

QStringList linesOf(const clsSortedList& list)
{
    QStringList out;
    for (int i = 1; i <= list.getListSize(); ++i)
        out << list.ListItemName(i) + u'#' + QString::number(list.ListItemNumber(i));
    return out;
}

clsSortedList listOf(const TempProgramFolder& folder, const QStringList& lines)
{
    clsSortedList list;
    list.Load(folder.writeLines("rank.sco", lines));
    return list;
}

} // namespace

TEST(SortedList, AddGoesAfterEntriesOfEqualNumber)
{
    TempProgramFolder folder;
    struct Case {
        QStringList before;
        QString name;
        int number;
        bool descending;
        QStringList after;
    };
    const Case cases[] = {
        {{"A#80", "B#50"}, "C", 50, true, {"A#80", "B#50", "C#50"}},
        {{"A#80", "B#50"}, "C", 60, true, {"A#80", "C#60", "B#50"}},
        {{"A#80", "B#50"}, "C", 90, true, {"C#90", "A#80", "B#50"}},
        {{"A#5", "B#10", "C#20"}, "D", 10, false, {"A#5", "B#10", "D#10", "C#20"}},
        {{"A#5", "B#10", "C#20"}, "D", -3, false, {"D#-3", "A#5", "B#10", "C#20"}},
        {{}, "Solo", 7, true, {"Solo#7"}},
        // A line without a number counts as 0.
        {{"A#9", "X#abc"}, "B", 1, true, {"A#9", "B#1", "X#0"}},
    };
    for (const Case& c : cases) {
        clsSortedList list = listOf(folder, c.before);
        list.Add(c.name, static_cast<std::int16_t>(c.number), c.descending);
        EXPECT_EQ(linesOf(list), c.after) << c.before.join(' ').toStdString() << " + " << c.name.toStdString();
    }
}

TEST(SortedList, InsertsWhereAWalkFromTheTopWouldWhateverTheOrderOfTheEntries)
{
    // The reference: walk from the top to the first entry with a smaller
    // (descending) or greater (ascending) number, else append.
    using Entry = std::pair<QString, int>;
    const auto walkInsert = [](std::vector<Entry>& ranking, const Entry& e, bool descending) {
        auto it = std::find_if(ranking.begin(), ranking.end(), [&](const Entry& held) {
            return descending ? held.second < e.second : held.second > e.second;
        });
        ranking.insert(it, e);
    };
    const auto asLines = [](const std::vector<Entry>& ranking) {
        QStringList out;
        for (const auto& [name, number] : ranking)
            out << name + u'#' + QString::number(number);
        return out;
    };
    struct Start {
        const char* what;
        QStringList file;
    };
    const Start starts[] = {
        {"empty", {}},
        {"highest first", {"A#9", "B#7", "C#7", "D#2"}},
        {"lowest first", {"A#1", "B#4", "C#4", "D#8"}},
        {"no order", {"A#5", "B#9", "C#1", "D#5", "E#0"}},
        {"one value", {"A#3", "B#3"}},
    };
    for (const Start& start : starts) {
        for (unsigned seed : {1u, 2u, 3u}) {
            SCOPED_TRACE(std::string(start.what) + " seed " + std::to_string(seed));
            TempProgramFolder folder;
            clsSortedList list = listOf(folder, start.file);
            std::vector<Entry> expected;
            for (const QString& line : start.file)
                expected.emplace_back(line.section(u'#', 0, 0), line.section(u'#', 1).toInt());
            std::mt19937 rng(seed);
            for (int step = 0; step < 400; ++step) {
                const unsigned pick = rng() % 10;
                if (pick == 0 && !expected.empty()) {
                    const int i = static_cast<int>(rng() % expected.size()) + 1;
                    list.Remove(i);
                    expected.erase(expected.begin() + (i - 1));
                    continue;
                }
                // Mostly one direction, now and then the other, as a file may be used.
                const bool descending = seed == 3 ? pick % 2 == 0 : pick != 9;
                const Entry e{QStringLiteral("n%1").arg(step), static_cast<int>(rng() % 12) - 2};
                list.Add(e.first, static_cast<std::int16_t>(e.second), descending);
                walkInsert(expected, e, descending);
                ASSERT_EQ(linesOf(list), asLines(expected)) << "step " << step;
            }
        }
    }
}

TEST(SortedList, ItemsBeyondTheListAndLinesWithoutNumbers)
{
    TempProgramFolder folder;
    clsSortedList list = listOf(folder, {"X#abc", "Y", "Z#12.5"});
    EXPECT_EQ(list.ListItemNumber(1), 0);
    EXPECT_EQ(list.ListItemName(2), "Y");
    EXPECT_EQ(list.ListItemNumber(2), 0);
    EXPECT_EQ(list.ListItemNumber(3), 12);
    EXPECT_EQ(list.ListItemName(5), QString());
    EXPECT_EQ(list.ListItemNumber(5), 0);
}

TEST(SortedList, NameHoldingHashKeepsItsPoints)
{
    TempProgramFolder folder;
    clsSortedList list;
    list.Add("C#3 Fan", 70, true);
    list.Add("Anna", 80, true);
    list.Add("#", 75, true);
    EXPECT_EQ(list.ListItemName(3), "C#3 Fan");
    EXPECT_EQ(list.ListItemNumber(3), 70);
    list.Save(folder.file("rank.sco"));
    EXPECT_EQ(folder.read("rank.sco"), QByteArray("Anna#80\r\n##75\r\nC#3 Fan#70\r\n"));

    clsSortedList back;
    back.Load(folder.file("rank.sco"));
    EXPECT_EQ(back.ListItemName(2), "#");
    EXPECT_EQ(back.ListItemNumber(2), 75);
    EXPECT_EQ(back.ListItemNumber(3), 70);
    back.Add("Ben", 72, true);
    EXPECT_EQ(back.ListItemName(3), "Ben");
}

TEST(SortedList, RemoveClearAndLoadOfAMissingFile)
{
    TempProgramFolder folder;
    clsSortedList list = listOf(folder, {"A#9", "B#5", "C#1"});
    list.Remove(7);
    EXPECT_EQ(list.getListSize(), 3);
    list.Remove(1);
    EXPECT_EQ(linesOf(list), QStringList({"B#5", "C#1"}));
    list.Add("D", 3, true); // the remaining numbers still place it
    EXPECT_EQ(linesOf(list), QStringList({"B#5", "D#3", "C#1"}));
    EXPECT_THROW(list.Remove(0), RuntimeError);
    list.Clear();
    EXPECT_EQ(list.getListSize(), 0);

    const QString missing = folder.file("games/hangmanscore.sco");
    folder.write("games/.keep", {});
    list.Add("old", 1, true);
    list.Load(missing);
    EXPECT_EQ(list.getListSize(), 0);
    EXPECT_TRUE(QFile::exists(missing));
}

TEST(SortedList, MessageListShowsTheFirstEntries)
{
    TempProgramFolder folder;
    clsSortedList list = listOf(folder, {"Anna#120", "Ben#95", "Carl#10"});
    clsSortedList empty;
    ScriptedMessages boxes;
    boxes.expectMessage().expectMessage().expectMessage().expectMessage();

    list.ShowMessageList("Hangman", 10);
    list.ShowMessageList("Quiz", 2);
    list.ShowMessageList("Quiz", 0);
    empty.ShowMessageList("Hangman", 10);

    EXPECT_EQ(boxes.shown[0], "\r\n1) Anna - 120 P.\r\n2) Ben - 95 P.\r\n3) Carl - 10 P.");
    EXPECT_EQ(boxes.titles[0], "Hangman");
    EXPECT_EQ(boxes.shown[1], "\r\n1) Anna - 120 P.\r\n2) Ben - 95 P.");
    EXPECT_EQ(boxes.titles[1], "Quiz");
    EXPECT_EQ(boxes.shown[2], QString());
    EXPECT_EQ(boxes.shown[3], QString());
}

TEST(SortedList, NamesAreShownAsTheyAre)
{
    clsSortedList list;
    list.Add("%2 and %3", 5, true);
    ScriptedMessages boxes;
    boxes.expectMessage();
    list.ShowMessageList("Hangman", 1);
    EXPECT_EQ(boxes.shown[0], "\r\n1) %2 and %3 - 5 P.");
}

namespace {

QString writeList(const TempProgramFolder& folder, const QList<std::pair<QString, int>>& titles)
{
    clsDatentraegerList list;
    for (const auto& [name, rating] : titles) {
        clsDatentraeger d;
        d.SetFilmname(name);
        d.SetBewertung(static_cast<std::uint8_t>(rating));
        d.SetLaenge(static_cast<std::int16_t>(rating * 30));
        d.SetFormat("DVD");
        list.AddDVD(d);
    }
    const QString path = folder.file("lists/a.adl");
    folder.write("lists/.keep", {});
    list.Save(path);
    return path;
}

} // namespace

TEST(SortedDiskList, RanksByTheFieldHighestFirstTiesInListOrder)
{
    TempProgramFolder folder;
    const QString path = writeList(folder, {{"Alpha", 3}, {"Beta", 5}, {"Gamma", 5}, {"Delta", 0}});
    clsSortedDiskList ranking;
    ranking.loadDiskList(path, clsDatentraegerList::FieldBewertung);
    EXPECT_EQ(ranking.getListSize(), 4);
    const QStringList expected = {"Beta", "Gamma", "Alpha", "Delta"};
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(ranking.getElementTitle(i), expected[i - 1]);
    EXPECT_EQ(ranking.getElementValue(1), 5);
    EXPECT_EQ(ranking.getElementValue(3), 3);

    ranking.loadDiskList(path, clsDatentraegerList::FieldLaenge); // a new load starts afresh
    EXPECT_EQ(ranking.getElementTitle(1), "Beta");
    EXPECT_EQ(ranking.getElementValue(1), 150);
    EXPECT_EQ(ranking.getElementTitle(5), QString());

    ScriptedMessages boxes;
    boxes.expectMessage();
    ranking.ShowMessageList(2);
    EXPECT_EQ(boxes.shown[0], "\r\n1) Beta - 150\r\n2) Gamma - 150");
    EXPECT_EQ(boxes.titles[0], QStringLiteral("Datensätze"));

    ranking.Clear();
    EXPECT_EQ(ranking.getListSize(), 0);
    EXPECT_EQ(ranking.getElementTitle(1), QString());
}

TEST(SortedDiskList, FieldThatIsNoNumberFails)
{
    TempProgramFolder folder;
    const QString path = writeList(folder, {{"Alpha", 3}});
    clsSortedDiskList ranking;
    try {
        ranking.loadDiskList(path, clsDatentraegerList::FieldFilmname);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Conversion);
    }
}

TEST(SortedDiskList, FullCollectionRanksInOneGo)
{
    TempProgramFolder folder;
    QList<std::pair<QString, int>> titles;
    for (int i = 0; i < clsDatentraegerList::kMaxTitles; ++i)
        titles.append({QStringLiteral("T%1").arg(i, 4, 10, QChar(u'0')), i % 6});
    const QString path = writeList(folder, titles);
    clsSortedDiskList ranking;
    ranking.loadDiskList(path, clsDatentraegerList::FieldBewertung);
    EXPECT_EQ(ranking.getListSize(), clsDatentraegerList::kMaxTitles);
    EXPECT_EQ(ranking.getElementTitle(1), "T0005");
    EXPECT_EQ(ranking.getElementTitle(2), "T0011");
    EXPECT_EQ(ranking.getElementTitle(clsDatentraegerList::kMaxTitles), "T9996");
}

namespace {

TEST(SortedDiskList, RankingOfTitlesInMemoryKeepsItsFirstPlaces)
{
    TempProgramFolder folder;
    QList<std::pair<QString, int>> titles;
    for (int i = 0; i < 200; ++i)
        titles.append({QStringLiteral("T%1").arg(i, 3, 10, QChar(u'0')), (i * 7) % 6});
    const QString path = writeList(folder, titles);
    clsSortedDiskList fromFile;
    fromFile.loadDiskList(path, clsDatentraegerList::FieldBewertung);
    clsDatentraegerList list;
    list.Load(path);
    clsSortedDiskList fromMemory;
    fromMemory.rankTitles(list, clsDatentraegerList::FieldBewertung, 30);
    EXPECT_EQ(fromMemory.getListSize(), 200);
    for (int i = 1; i <= 30; ++i) {
        EXPECT_EQ(fromMemory.getElementTitle(i), fromFile.getElementTitle(i)) << i;
        EXPECT_EQ(fromMemory.getElementValue(i), fromFile.getElementValue(i)) << i;
    }
    EXPECT_EQ(fromMemory.getElementTitle(31), QString());
}

} // namespace
