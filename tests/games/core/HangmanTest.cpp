#include "games/core/clsHangman.h"
#include "games/core/clsHangmanGame.h"
#include "tests/games/core/GameFixture.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempProgramFolder.h"

#include <QFileInfo>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(Hangman, MasksAllButPunctuationAndBlanks)
{
    struct Case {
        QString word;
        QString masked;
    };
    const Case cases[] = {
        // The opening parenthesis stays, the closing one and the digits do not.
        {"Harbour Lights (2009)", "_______ ______ (_____"},
        {"Don't Stop!", "___'_ ____!"},
        {"- _#(!?/\\&+[]${},.;:'*%~<>", "- _#(!?/\\&+[]${},.;:'*%~<>"},
        {"\"Q\")", "____"},
        {"\u00C9t\u00E9 2", "___ _"},
        {"", ""},
    };
    for (const Case& c : cases) {
        clsHangman h;
        h.Start(c.word);
        EXPECT_EQ(h.GetRecentWord(), c.masked) << c.word.toStdString();
        EXPECT_EQ(h.GetCompleteWord(), c.word);
        EXPECT_EQ(h.GetHangmanCount(), "0");
    }
    clsHangman h;
    h.Start("Up (1)");
    // The visible blank shows as two blanks on the label.
    EXPECT_EQ(h.GetRecentWordWithBlanks(), "_ _   ( _ _ ");
}

TEST(Hangman, GuessesRevealEveryOccurrenceAsWrittenAndCountMisses)
{
    clsHangman h;
    h.Start("Anna (Banana)");
    struct Step {
        QString guess;
        bool found;
        QString masked;
        QString misses;
    };
    const Step steps[] = {
        {"a", true, "A__a (_a_a_a_", "0"},
        {"A", true, "A__a (_a_a_a_", "0"},  // again: costs nothing
        {"x", false, "A__a (_a_a_a_", "1"},
        {"x", false, "A__a (_a_a_a_", "2"}, // a wrong character costs every time
        {"(", true, "A__a (_a_a_a_", "2"},  // visible and in the word
        {"?", false, "A__a (_a_a_a_", "3"}, // visible but not in the word
        {"nb", false, "A__a (_a_a_a_", "4"}, // more than one character never matches
        {"N", true, "Anna (_anana_", "4"},
        {"b", true, "Anna (Banana_", "4"},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(h.GiveChar(s.guess), s.found) << s.guess.toStdString();
        EXPECT_EQ(h.GetRecentWord(), s.masked) << s.guess.toStdString();
        EXPECT_EQ(h.GetHangmanCount(), s.misses) << s.guess.toStdString();
        EXPECT_EQ(h.GameStatus(), clsHangman::kRunning);
    }
    EXPECT_TRUE(h.GiveChar(")"));
    EXPECT_EQ(h.GameStatus(), clsHangman::kWon);
    EXPECT_TRUE(h.CheckWord("anna (BANANA)"));
}

TEST(Hangman, TenthMissLosesBeforeAnythingElse)
{
    clsHangman h;
    h.Start("Zz");
    for (int i = 1; i <= 9; ++i) {
        h.GiveChar("q");
        EXPECT_EQ(h.GameStatus(), clsHangman::kRunning) << i;
    }
    h.GiveChar("q");
    EXPECT_EQ(h.GameStatus(), clsHangman::kLost);

    // A text of visible characters only is won at once; ten misses still lose it.
    h.Start("-.-");
    EXPECT_EQ(h.GameStatus(), clsHangman::kWon);
    for (int i = 0; i < 10; ++i)
        h.IncHangmanCount();
    EXPECT_EQ(h.GameStatus(), clsHangman::kLost);
}

TEST(Hangman, PointsFallWithMissesAndSecondsButNeverBelowZero)
{
    struct Case {
        int misses;
        int seconds;
        int points;
    };
    const Case cases[] = {
        {0, 0, 10000}, {1, 0, 9500}, {0, 1, 9990}, {3, 25, 8250}, {9, 549, 10},
        {9, 550, 0},   {0, 1000, 0}, {0, 5000, 0}, {10, 0, 5000}, {0, 2147483647, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(clsHangmanGame::PointsFor(c.misses, c.seconds), c.points) << c.misses << " " << c.seconds;
}

// Every pass draws index, kind and actor, in that order and whatever the
// kind, each rounded half to even; an empty text starts a new pass.
TEST(HangmanGame, DrawsIndexKindAndActorOnEveryPassUntilATextComesUp)
{
    TempProgramFolder folder;
    // Three titles: index = r * 3 + 1, kind = r * 3 + 1, actor = r * 5 + 1.
    writeTitleList(folder, {{"Alpha", {"Bea", "", "Cid", "", "Fay"}, ""}, {"Delta", {}, "Eve"}, {"", {}, ""}});
    struct Case {
        const char* what;
        std::initializer_list<double> draws; // the last one repeats
        QString expected;
    };
    const Case cases[] = {
        {"film of title 1", {0.0, 0.0, 0.0}, "Alpha"},
        {"index 2.5 rounds to 2", {0.5, 0.0, 0.0}, "Delta"},
        {"kind 2.5 rounds to 2: an actor", {0.0, 0.5, 0.4}, "Cid"},
        {"actor 5.5 rounds to 6: no actor, then the film", {0.0, 0.5, 0.9, 0.0}, "Alpha"},
        {"actor 5", {0.0, 0.5, 0.85}, "Fay"},
        {"kind 3: the director", {0.34, 0.6, 0.0}, "Eve"},
        {"kind 3 on a title without director, then title 2's film", {0.0, 0.6, 0.0, 0.34, 0.0, 0.0}, "Delta"},
        {"kind 4 is empty", {0.0, 0.99, 0.0, 0.34, 0.0, 0.0}, "Delta"},
        {"actor 2.5 rounds to 2: an empty actor", {0.0, 0.5, 0.3, 0.34, 0.0, 0.0}, "Delta"},
        {"an empty film name", {0.7, 0.0, 0.0, 0.34, 0.0, 0.0}, "Delta"},
        // Past the last title kind and actor are drawn all the same.
        {"index n + 1", {0.99, 0.0, 0.0, 0.34, 0.0, 0.0}, "Delta"},
        {"index n + 1 at the very end of the source", {1.0, 1.0, 1.0, 0.0}, "Alpha"},
    };
    for (const Case& c : cases) {
        ScriptedRandom random(c.draws);
        clsHangmanGame game;
        game.LoadTitleList(folder.file("lists/t.adl"));
        ASSERT_TRUE(game.NewGame()) << c.what;
        EXPECT_EQ(game.Hangman().GetCompleteWord(), c.expected) << c.what;
    }
    clsHangmanGame game;
    game.LoadTitleList(folder.file("lists/t.adl"));
    EXPECT_EQ(game.WordCount(), 6);
}

// The collection in memory stands in for its list file only while the file
// is the one it last read or wrote; a game loaded again keeps its words only
// while the file is the one they were taken from.
TEST(HangmanGame, TakesTheWordsOfTheCollectionWhileItsFileIsUnchanged)
{
    TempProgramFolder folder;
    writeTitleList(folder, {{"Alpha", {"Bea"}, "Cid"}, {"Delta", {}, ""}});
    clsDatentraegerList current;
    current.Load(folder.file("lists/t.adl"));
    {
        ScriptedRandom random({0.5, 0.0, 0.0}); // title 2, its film
        clsHangmanGame game;
        game.LoadTitleList(folder.file("lists/t.adl"), &current);
        EXPECT_EQ(game.WordCount(), 4);
        ASSERT_TRUE(game.NewGame());
        EXPECT_EQ(game.Hangman().GetCompleteWord(), "Delta");
    }
    writeTitleList(folder, {{"Omega", {}, ""}});
    ScriptedRandom random({0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    clsHangmanGame game;
    game.LoadTitleList(folder.file("lists/t.adl"), &current);
    EXPECT_EQ(game.WordCount(), 1);
    ASSERT_TRUE(game.NewGame());
    EXPECT_EQ(game.Hangman().GetCompleteWord(), "Omega");

    // Loaded again after the file changed, and again after it went.
    writeTitleList(folder, {{"Sigma", {}, ""}});
    game.LoadTitleList(folder.file("lists/t.adl"), &current);
    ASSERT_TRUE(game.NewGame());
    EXPECT_EQ(game.Hangman().GetCompleteWord(), "Sigma");
    ASSERT_TRUE(QFile::remove(folder.file("lists/t.adl")));
    game.LoadTitleList(folder.file("lists/t.adl"), &current);
    EXPECT_EQ(game.WordCount(), 0);
}

TEST(HangmanGame, ListWithoutWordsEndsTheDrawWithAMessage)
{
    TempProgramFolder folder;
    writeGameSettings(folder, 1);
    writeTitleList(folder, {}, "lists/empty.adl");
    writeTitleList(folder, {{"", {"", "", "", "", ""}, ""}, {"", {}, ""}}, "lists/blank.adl");
    folder.writeLines("lists/broken.adl", {"LIST VERSION#0", "COUNT#3", "NEWDVD#", "Only"});
    const QString lists[] = {"lists/missing.adl", "lists/empty.adl", "lists/blank.adl", "lists/broken.adl"};
    for (const QString& list : lists) {
        writeGameSettings(folder, 1, list);
        ScriptedRandom random{0.5};
        ScriptedMessages boxes;
        boxes.expectMessage();
        clsHangmanGame game;
        EXPECT_FALSE(game.Open()) << list.toStdString();
        EXPECT_EQ(boxes.shown, QStringList{"no word"});
        EXPECT_EQ(boxes.titles, QStringList{"Hangman"});
        EXPECT_EQ(game.WordCount(), 0);
        // Nothing runs: no guess, no clock.
        EXPECT_EQ(game.Guess("a"), clsHangmanGame::Outcome::Ignored);
        game.Tick();
        EXPECT_EQ(game.Seconds(), 0);
        EXPECT_FALSE(game.FinishGame());
    }
}

class HangmanRound : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeGameSettings(folder, 1);
        writeTitleList(folder, {{"Ab", {}, ""}});
    }
    void open()
    {
        ASSERT_TRUE(game.Open());
        ASSERT_EQ(game.Hangman().GetCompleteWord(), "Ab");
    }

    TempProgramFolder folder;
    ScriptedRandom random{0.0};
    clsHangmanGame game;
};

TEST_F(HangmanRound, WinnerNamesThemselvesAndTheListIsSavedAndShown)
{
    open();
    // The games folder did not exist: the empty high-score file is made.
    EXPECT_TRUE(QFileInfo(folder.file("games/hangmanscore.sco")).isFile());
    EXPECT_EQ(game.PointsText(), "10000 P.");
    for (int i = 0; i < 3; ++i)
        game.Tick();
    EXPECT_EQ(game.Guess(""), clsHangmanGame::Outcome::Ignored);
    EXPECT_EQ(game.Guess("a"), clsHangmanGame::Outcome::Running);
    EXPECT_EQ(game.Guess("x"), clsHangmanGame::Outcome::Running);
    EXPECT_EQ(game.RecentWordText(), "A _ ");
    EXPECT_EQ(game.Guess("B"), clsHangmanGame::Outcome::Won);
    game.Tick(); // the clock has stopped
    EXPECT_EQ(game.GetPoints(), 9470);
    EXPECT_EQ(game.Guess("c"), clsHangmanGame::Outcome::Ignored);

    ScriptedMessages boxes;
    boxes.expectInput("").expectInput("Ann#1").expectInput("Twenty characters!!!").expectInput("Ann").expectMessage();
    EXPECT_TRUE(game.FinishGame());
    EXPECT_EQ(boxes.shown.value(0), "Your points: 9470\r\nName please");
    EXPECT_EQ(boxes.titles.value(0), "Name title");
    EXPECT_EQ(boxes.shown.value(4), "\r\n1) Ann (2) - 9470 P.");
    EXPECT_EQ(boxes.titles.value(4), "Best of");
    EXPECT_EQ(folder.read("games/hangmanscore.sco"), QByteArray("Ann (2)#9470\r\n"));

    // A new game runs from the start.
    EXPECT_TRUE(game.IsRunning());
    EXPECT_EQ(game.Seconds(), 0);
    EXPECT_EQ(game.Misses(), 0);
    EXPECT_EQ(game.Hangman().GetRecentWord(), "__");
}

TEST_F(HangmanRound, TenthMissShowsTheWordAndStoresNothing)
{
    open();
    for (int i = 1; i < 10; ++i)
        ASSERT_EQ(game.Guess("z"), clsHangmanGame::Outcome::Running) << i;
    EXPECT_EQ(game.Guess("z"), clsHangmanGame::Outcome::Lost);
    EXPECT_EQ(game.Misses(), 10);
    EXPECT_EQ(game.Guess("z"), clsHangmanGame::Outcome::Ignored);
    EXPECT_EQ(game.Misses(), 10);

    ScriptedMessages boxes;
    boxes.expectMessage();
    EXPECT_TRUE(game.FinishGame());
    EXPECT_EQ(boxes.shown, QStringList{"lost:\r\nAb"});
    EXPECT_EQ(boxes.titles, QStringList{""});
    EXPECT_EQ(folder.read("games/hangmanscore.sco"), QByteArray());
    EXPECT_EQ(game.Misses(), 0);
}

TEST_F(HangmanRound, WinWithoutPointsAsksNoNameButSavesAndShowsTheList)
{
    folder.writeLines("games/hangmanscore.sco", {"Old (5)#300"});
    open();
    for (int i = 0; i < 1000; ++i)
        game.Tick();
    game.Guess("a");
    EXPECT_EQ(game.Guess("b"), clsHangmanGame::Outcome::Won);
    ScriptedMessages boxes;
    boxes.expectMessage().expectMessage();
    EXPECT_TRUE(game.FinishGame());
    EXPECT_EQ(boxes.shown, (QStringList{"no points", "\r\n1) Old (5) - 300 P."}));
    EXPECT_EQ(boxes.titles, (QStringList{"Hangman", "Best of"}));
    EXPECT_EQ(folder.read("games/hangmanscore.sco"), QByteArray("Old (5)#300\r\n"));
}

TEST_F(HangmanRound, ScoreThatCannotBeWrittenIsReported)
{
    // A file where the games folder belongs: neither the list nor the folder can be made.
    folder.write("games", "not a folder");
    open();
    game.Guess("a");
    ASSERT_EQ(game.Guess("b"), clsHangmanGame::Outcome::Won);
    ScriptedMessages boxes;
    boxes.expectInput("Ann").expectMessage().expectMessage();
    game.FinishGame();
    const QString path = folder.file("games/hangmanscore.sco");
    EXPECT_EQ(boxes.shown.value(1), "not saved:\r\n" + path + "\r\n(cannot write " + path + ": Not a directory)");
    // The score is still shown for this session.
    EXPECT_EQ(boxes.shown.value(2), "\r\n1) Ann (2) - 10000 P.");
    EXPECT_EQ(folder.read("games"), QByteArray("not a folder"));
}

} // namespace
