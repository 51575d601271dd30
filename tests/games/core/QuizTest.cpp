#include "games/core/clsQuiz.h"
#include "games/core/clsQuizGame.h"
#include "tests/games/core/GameFixture.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList answersOf(const clsQuizGame& game)
{
    return {game.AnswerText(1), game.AnswerText(2), game.AnswerText(3), game.AnswerText(4)};
}

TEST(Quiz, AnswersAreRotatedByTheFirstDraw)
{
    struct Case {
        double r;
        QStringList answers;
    };
    const Case cases[] = {
        {0.0, {"R", "a", "b", "c"}},  {0.1, {"R", "a", "b", "c"}},  {0.2, {"a", "b", "c", "R"}},
        {0.5, {"a", "b", "c", "R"}}, // 2.5 goes to the even neighbour
        {0.6, {"b", "c", "R", "a"}},  {0.85, {"c", "R", "a", "b"}}, {0.99, {"c", "R", "a", "b"}},
    };
    for (const Case& c : cases) {
        ScriptedRandom random{c.r};
        clsQuiz quiz;
        quiz.SetExternQuestion("Q", "R", "a", "b", "c");
        EXPECT_EQ((QStringList{quiz.getRecentAnswer(1), quiz.getRecentAnswer(2), quiz.getRecentAnswer(3),
                               quiz.getRecentAnswer(4)}),
                  c.answers)
            << c.r;
        EXPECT_EQ(quiz.getRecentRightValue(), "R");
        EXPECT_EQ(quiz.getRecentQuestion(), "Q");
        EXPECT_EQ(quiz.getRecentAnswer(0), QString());
        EXPECT_EQ(quiz.getRecentAnswer(5), QString());
    }
}

TEST(Quiz, QuestionListDrawsOnlyNonEmptyLinesAndEndsOnAnEmptyList)
{
    ScriptedRandom random{0.99, 0.0};
    clsQuiz quiz;
    EXPECT_FALSE(quiz.ChooseRandomQuestion());
    quiz.QuestionList().Add("");
    quiz.QuestionList().Add("");
    EXPECT_FALSE(quiz.ChooseRandomQuestion());
    EXPECT_EQ(quiz.getRecentQuestion(), QString());
    quiz.QuestionList().Add("Q#R#W1#W2#W3");
    quiz.QuestionList().Add("");
    EXPECT_TRUE(quiz.ChooseRandomQuestion());
    EXPECT_EQ(quiz.getRecentQuestion(), "Q");
    EXPECT_EQ(quiz.getRecentRightValue(), "R");
    EXPECT_EQ(quiz.getRecentAnswer(1), "R");
    EXPECT_EQ(quiz.getRecentAnswer(4), "W3");
}

// Draws in order: kind, first person, the film line of each person read, the rotation.
TEST(QuizGame, QuestionKindsFromTheFilmographyFolders)
{
    struct Case {
        const char* what;
        int language;
        std::initializer_list<double> draws;
        QString question;
        QStringList answers;
        QString right;
    };
    const Case cases[] = {
        {"directors: person", 1, {0.0, 0.25, 0, 0, 0, 0, 0}, "Directed by bo Carl?", {"Three", "Four", "Five", "Six"},
         "Three"},
        {"directors: film, wrapping to the first file", 0, {0.3, 0.99, 0, 0}, "Regie Sechs?",
         {"Ed Falk", "Alma Berg", "bo Carl", "Cy Dunn"}, "Ed Falk"},
        {"directors: second film line", 1, {0.3, 0.0, 0.99, 0}, "Director of Second?",
         {"Alma Berg", "bo Carl", "Cy Dunn", "Di Eck"}, "Alma Berg"},
        // Three files: the fourth person repeats; a line without "#" has no second title.
        {"actors: person", 1, {0.6, 0.5, 0, 0, 0, 0, 0}, "Starring Gus Hale?", {"", "Eight", "Seven", ""}, ""},
        {"actors: film, rotated", 0, {0.9, 0.0, 0, 0.6}, "Besetzung Sieben?",
         {"Hal Ives", "Fay Gold", "Fay Gold", "Gus Hale"}, "Fay Gold"},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        writeGameSettings(folder, c.language);
        writeFilmographies(folder);
        ScriptedRandom random(c.draws);
        clsQuizGame game;
        ASSERT_TRUE(game.Open()) << c.what;
        EXPECT_EQ(game.Question(), c.question) << c.what;
        EXPECT_EQ(answersOf(game), c.answers) << c.what;
        EXPECT_EQ(game.Quiz().getRecentRightValue(), c.right) << c.what;
        EXPECT_EQ(game.QuestionsShown(), 1);
    }
}

TEST(QuizGame, ScoreCountsRightAnswersAndNeverFallsBelowZero)
{
    TempProgramFolder folder;
    writeGameSettings(folder, 1);
    writeFilmographies(folder);
    // Every question: the film question on bo Carl, the right answer on button 4.
    ScriptedRandom random{0.3};
    clsQuizGame game;
    ASSERT_TRUE(game.Open());
    ASSERT_EQ(game.AnswerText(4), "bo Carl");
    EXPECT_EQ(game.StatusText(), "Questions: 1 - Points: 0");
    EXPECT_EQ(game.Feedback(), QString());
    EXPECT_TRUE(game.Saved());

    struct Step {
        int button;
        int score;
        QString feedback;
    };
    const Step steps[] = {{1, 0, "wrong"}, {4, 1, "right"}, {2, 0, "wrong"}, {3, 0, "wrong"}, {4, 1, "right"},
                          {4, 2, "right"}};
    int shown = 1;
    for (const Step& s : steps) {
        EXPECT_TRUE(game.Answer(s.button));
        EXPECT_EQ(game.Score(), s.score) << "button " << s.button << " after " << shown;
        EXPECT_EQ(game.Feedback(), s.feedback);
        EXPECT_EQ(game.QuestionsShown(), ++shown);
        EXPECT_FALSE(game.Saved());
    }
    EXPECT_EQ(game.StatusText(), "Questions: 7 - Points: 2");

    // Ending stores the count with the question still on display.
    ScriptedMessages boxes;
    boxes.expectInput("#").expectInput("Kim").expectMessage();
    EXPECT_TRUE(game.EndGame());
    EXPECT_EQ(boxes.shown.value(0), "Your points: 2\r\nName please");
    EXPECT_EQ(boxes.shown.value(2), "\r\n1) Kim (7) - 2 P.");
    EXPECT_EQ(boxes.titles.value(2), "Quiz-Highscore");
    EXPECT_EQ(folder.read("games/quizscore.sco"), QByteArray("Kim (7)#2\r\n"));
    EXPECT_EQ(game.StatusText(), "Questions: 1 - Points: 0");
    EXPECT_TRUE(game.Saved());
}

TEST(QuizGame, ClosingAsksOnlyAfterUnsavedAnswers)
{
    struct Case {
        int answers;
        bool end;
        MsgAnswer reply;
        QByteArray file;
    };
    const Case cases[] = {
        {0, false, MsgAnswer::No, ""},
        {1, true, MsgAnswer::No, "Lu (2)#0\r\n"},
        {2, false, MsgAnswer::No, ""},
        {2, false, MsgAnswer::Yes, "Lu (3)#0\r\n"},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        writeGameSettings(folder, 1);
        writeFilmographies(folder);
        ScriptedRandom random{0.3};
        clsQuizGame game;
        ASSERT_TRUE(game.Open());
        for (int i = 0; i < c.answers; ++i)
            game.Answer(1);
        ScriptedMessages boxes;
        if (c.end) {
            boxes.expectInput("Lu").expectMessage();
            game.EndGame();
        } else if (c.answers > 0) {
            boxes.expectMessage(c.reply);
            if (c.reply == MsgAnswer::Yes)
                boxes.expectInput("Lu").expectMessage();
        }
        game.Close();
        if (!c.end && c.answers > 0) {
            EXPECT_EQ(boxes.shown.value(0), "Save?");
            EXPECT_EQ(boxes.titles.value(0), "Quiz");
        }
        EXPECT_EQ(folder.read("games/quizscore.sco"), c.file) << c.answers << " " << c.end;
    }
}

TEST(QuizGame, UnusableFilesAreSkippedAndAMissingFolderGivesItsKindToTheOther)
{
    TempProgramFolder folder;
    writeGameSettings(folder, 1);
    folder.writeLines("games/filmographies/directors/Solo Star.txt", {"", "Einzig#Only"});
    folder.writeLines("games/filmographies/directors/abc", {"Kurz#Short"});
    folder.writeLines("games/filmographies/directors/a.tx", {"Kurz#Short"});
    folder.write("games/filmographies/directors/Aa.txt", "");
    folder.write("games/filmographies/directors/Bb.txt", "\r\n\r\n");
    // A film question on the actors, who have no folder; the first person at the very end of the range.
    ScriptedRandom random{0.9, 0.99, 0.0, 0.6};
    clsQuizGame game;
    ASSERT_TRUE(game.Open());
    EXPECT_EQ(game.Question(), "Director of Only?");
    EXPECT_EQ(answersOf(game), (QStringList{"Solo Star", "Solo Star", "Solo Star", "Solo Star"}));
    // Every button names the right person.
    EXPECT_TRUE(game.Answer(3));
    EXPECT_EQ(game.Score(), 1);

    const auto files = clsQuizGame::ReadFolder(clsQuizGame::DirectorsFolder());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].films, QStringList{"Einzig#Only"});
}

TEST(QuizGame, NoUsableFilmographyEndsWithAMessage)
{
    struct Case {
        const char* what;
        std::function<void(const TempProgramFolder&)> setUp;
    };
    const Case cases[] = {
        {"no games folder", [](const TempProgramFolder&) {}},
        {"empty folders",
         [](const TempProgramFolder& f) {
             QDir().mkpath(f.file("games/filmographies/directors"));
             QDir().mkpath(f.file("games/filmographies/actors"));
         }},
        {"names too short",
         [](const TempProgramFolder& f) {
             f.writeLines("games/filmographies/directors/abc", {"Film#Film"});
             f.writeLines("games/filmographies/actors/a.tx", {"Film#Film"});
         }},
        {"only empty files",
         [](const TempProgramFolder& f) {
             f.write("games/filmographies/directors/Empty One.txt", "");
             f.write("games/filmographies/actors/Empty Two.txt", "\r\n");
         }},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        writeGameSettings(folder, 1);
        c.setUp(folder);
        for (double r : {0.0, 0.99}) {
            ScriptedRandom random{r};
            ScriptedMessages boxes;
            boxes.expectMessage();
            clsQuizGame game;
            EXPECT_FALSE(game.Open()) << c.what;
            EXPECT_EQ(boxes.shown, QStringList{"no filmography"});
            EXPECT_EQ(boxes.titles, QStringList{"Quiz"});
            EXPECT_FALSE(game.HasQuestion());
            EXPECT_FALSE(game.Answer(1));
            EXPECT_EQ(game.Score(), 0);
            game.Close(); // nothing was answered: no question
        }
    }
}

TEST(QuizGame, ScoreThatCannotBeWrittenIsReported)
{
    TempProgramFolder folder;
    writeGameSettings(folder, 1);
    writeFilmographies(folder);
    // A folder where the high-score file belongs.
    QDir().mkpath(folder.file("games/quizscore.sco"));
    ScriptedRandom random{0.3};
    clsQuizGame game;
    ASSERT_TRUE(game.Open());
    game.Answer(4);
    ScriptedMessages boxes;
    boxes.expectInput("Kim").expectMessage().expectMessage();
    EXPECT_FALSE(game.EndGame());
    const QString path = folder.file("games/quizscore.sco");
    EXPECT_EQ(boxes.shown.value(1),
              "not saved:\r\n" + path + "\r\n(cannot write " + path + ": Filename refers to a directory)");
    EXPECT_EQ(boxes.titles.value(1), "Quiz");
    EXPECT_EQ(boxes.shown.value(2), "\r\n1) Kim (2) - 1 P.");
}

} // namespace
