#include "games/GameWindow.h"
#include "games/Quiz.h"
#include "tests/games/core/GameFixture.h"
#include "tests/games/WindowFixture.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempProgramFolder.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class QuizWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeGameSettings(folder, 1, "lists\\t.adl", TestDesign::write(folder));
        writeFilmographies(folder);
    }

    // Opens a window that deletes itself when it is closed.
    void open()
    {
        window = new Quiz;
        ASSERT_TRUE(window->Form_Load());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        status = childOf<QLabel>(*window, "lbStatus");
        feedback = childOf<QLabel>(*window, "lbShow");
        hide = childOf<QTimer>(*window, "timerHide");
    }
    void TearDown() override { delete window.data(); }

    void answer(int k)
    {
        QTest::mouseClick(childOf<QPushButton>(*window, QStringLiteral("btOpt%1").arg(k).toLatin1().constData()),
                          Qt::LeftButton);
    }
    void click(const char* button) { QTest::mouseClick(childOf<QPushButton>(*window, button), Qt::LeftButton); }
    QStringList answers() const
    {
        QStringList a;
        for (int k = 1; k <= 4; ++k)
            a << window->findChild<QPushButton*>(QStringLiteral("btOpt%1").arg(k))->text();
        return a;
    }

    TempProgramFolder folder;
    // Every question: who directed "Three"; the right answer, bo Carl, on button 4.
    ScriptedRandom random{0.3};
    QPointer<Quiz> window;
    QLabel* status = nullptr;
    QLabel* feedback = nullptr;
    QTimer* hide = nullptr;
};

TEST_F(QuizWindow, ControlsStandWhereTheyBelongInTheDesignColours)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Quiz");
    EXPECT_EQ(window->size(), QSize(553, 186));
    expectPlacements(*window, {{"lbStatus", {16, 8, 297, 25}},
                               {"lbShow", {320, 8, 185, 25}},
                               {"txtQuestion", {16, 24, 521, 31}},
                               {"btOpt1", {16, 64, 257, 33}},
                               {"btOpt2", {280, 64, 257, 33}},
                               {"btOpt3", {16, 104, 257, 33}},
                               {"btOpt4", {280, 104, 257, 33}},
                               {"btEnde", {280, 152, 81, 25}},
                               {"btNew", {368, 152, 81, 25}},
                               {"btHighscore", {456, 152, 81, 25}}});
    EXPECT_EQ(childOf<QPushButton>(*window, "btNew")->text(), "New");
    EXPECT_EQ(childOf<QPushButton>(*window, "btEnde")->text(), "End");
    EXPECT_EQ(childOf<QPushButton>(*window, "btHighscore")->text(), "Highscore");
    auto* question = childOf<QPlainTextEdit>(*window, "txtQuestion");
    EXPECT_EQ(question->toPlainText(), "Director of Three?");
    EXPECT_EQ(answers(), (QStringList{"Cy Dunn", "Di Eck", "Ed Falk", "bo Carl"}));
    EXPECT_EQ(status->text(), "Questions: 1 - Points: 0");
    EXPECT_EQ(feedback->text(), QString());
    EXPECT_FALSE(hide->isActive());
    EXPECT_EQ(hide->interval(), 1500);

    EXPECT_EQ(roleOf(window, QPalette::Window), TestDesign::back);
    EXPECT_EQ(roleOf(status, QPalette::WindowText), TestDesign::font);
    EXPECT_EQ(roleOf(feedback, QPalette::WindowText), TestDesign::font);
    EXPECT_EQ(roleOf(question, QPalette::Text), TestDesign::entryFont);
    EXPECT_EQ(roleOf(question, QPalette::Base), TestDesign::entryBack);
    EXPECT_EQ(roleOf(childOf<QPushButton>(*window, "btOpt1"), QPalette::Button), QColor(Qt::white));
    EXPECT_DOUBLE_EQ(status->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(question->font().pointSizeF(), 8.25);
    // The status line lies below the question box where the two meet.
    EXPECT_EQ(window->childAt(20, 28), question->viewport());
}

TEST_F(QuizWindow, AnswersScoreShowFeedbackAndTheEndStoresTheGame)
{
    open();
    struct Step {
        int button;
        QString feedback;
        QString status;
    };
    const Step steps[] = {
        {4, "right", "Questions: 2 - Points: 1"},
        {1, "wrong", "Questions: 3 - Points: 0"},
        {2, "wrong", "Questions: 4 - Points: 0"}, // never below 0
    };
    for (const Step& s : steps) {
        answer(s.button);
        EXPECT_EQ(feedback->text(), s.feedback) << s.button;
        EXPECT_EQ(status->text(), s.status) << s.button;
        EXPECT_TRUE(hide->isActive());
    }
    // The feedback clock: its tick empties the label and stops it.
    window->timerHide_Timer();
    EXPECT_EQ(feedback->text(), QString());
    EXPECT_FALSE(hide->isActive());

    ScriptedMessages boxes;
    boxes.expectInput("").expectInput("Kim").expectMessage();
    click("btEnde");
    EXPECT_EQ(boxes.shown.value(0), "Your points: 0\r\nName please");
    EXPECT_EQ(boxes.shown.value(2), "\r\n1) Kim (4) - 0 P.");
    EXPECT_EQ(boxes.titles.value(2), "Quiz-Highscore");
    EXPECT_EQ(folder.read("games/quizscore.sco"), QByteArray("Kim (4)#0\r\n"));
    EXPECT_EQ(status->text(), "Questions: 1 - Points: 0");

    ScriptedMessages list;
    list.expectMessage();
    click("btHighscore");
    EXPECT_EQ(list.shown, QStringList{"\r\n1) Kim (4) - 0 P."});
}

TEST_F(QuizWindow, NewGameStartsTheCountAgain)
{
    open();
    answer(4);
    answer(4);
    EXPECT_EQ(status->text(), "Questions: 3 - Points: 2");
    click("btNew");
    EXPECT_EQ(status->text(), "Questions: 1 - Points: 0");
    // Nothing to save: closing asks nothing.
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(QuizWindow, ClosingOffersToSaveUnsavedAnswers)
{
    struct Case {
        int answers;
        bool end;
        MsgAnswer reply;
        QByteArray file;
    };
    const Case cases[] = {
        {0, false, MsgAnswer::No, ""},
        {2, true, MsgAnswer::No, "Lu (3)#2\r\n"}, // ended: nothing more to ask
        {1, false, MsgAnswer::No, ""},
        {1, false, MsgAnswer::Yes, "Lu (2)#1\r\n"},
    };
    for (const Case& c : cases) {
        folder.write("games/quizscore.sco", "");
        open();
        for (int i = 0; i < c.answers; ++i)
            answer(4);
        ScriptedMessages boxes;
        if (c.end) {
            boxes.expectInput("Lu").expectMessage();
            click("btEnde");
        } else if (c.answers > 0) {
            boxes.expectMessage(c.reply);
            if (c.reply == MsgAnswer::Yes)
                boxes.expectInput("Lu").expectMessage();
        }
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
        if (!c.end && c.answers > 0) {
            EXPECT_EQ(boxes.shown.value(0), "Save?");
            EXPECT_EQ(boxes.titles.value(0), "Quiz");
        }
        EXPECT_EQ(folder.read("games/quizscore.sco"), c.file) << c.answers << " " << c.end;
    }
}

TEST_F(QuizWindow, QuittingTheProgramAsksWithCancelAndStaysOpenUntilTheListIsWritten)
{
    folder.write("games/quizscore.sco", "");
    open();
    EXPECT_TRUE(window->queryClose()); // nothing answered yet
    answer(4);
    {
        ScriptedMessages boxes;
        boxes.expectMessage(MsgAnswer::Cancel);
        EXPECT_FALSE(window->queryClose());
        EXPECT_EQ(boxes.shown, QStringList{"Save?"});
        EXPECT_EQ(boxes.buttons, std::vector<MsgButtons>{MsgButtons::YesNoCancel});
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(status->text(), "Questions: 2 - Points: 1");
    {
        ScriptedMessages boxes;
        boxes.expectMessage(MsgAnswer::No);
        EXPECT_TRUE(window->queryClose());
        EXPECT_EQ(folder.read("games/quizscore.sco"), QByteArray());
    }

    // Yes on a full disk: the entry is taken, the failure shown, the program stays.
    {
        ScriptedMessages boxes;
        boxes.expectMessage(MsgAnswer::Yes).expectInput("Lu").expectMessage().expectMessage();
        FileSizeLimit full(0);
        EXPECT_FALSE(window->queryClose());
        EXPECT_TRUE(boxes.shown.value(2).startsWith("not saved:")) << boxes.shown.value(2).toStdString();
    }
    EXPECT_EQ(folder.read("games/quizscore.sco"), QByteArray());
    // Asked again, Yes writes the entry without a second name prompt.
    {
        ScriptedMessages boxes;
        boxes.expectMessage(MsgAnswer::Yes);
        EXPECT_TRUE(window->queryClose());
    }
    EXPECT_EQ(folder.read("games/quizscore.sco"), QByteArray("Lu (2)#1\r\n"));
    EXPECT_TRUE(window->queryClose());

    // A window that was closed has asked already.
    answer(4);
    ScriptedMessages boxes;
    boxes.expectMessage(MsgAnswer::No);
    window->close();
    EXPECT_TRUE(window->queryClose());
}

TEST(QuizWindowOpening, AnswersAreShownAsWrittenWithoutShortcutKeys)
{
    TempProgramFolder folder;
    writeGameSettings(folder, 1);
    for (const char* name : {"Ann A", "Ben B", "Cat C", "Dan D"})
        folder.writeLines(QStringLiteral("games/filmographies/directors/%1.txt").arg(QLatin1String(name)),
                          {"Salz & Pfeffer#Salt & Pepper"});
    // Person questions on the directors.
    ScriptedRandom random{0.0};
    Quiz window;
    ASSERT_TRUE(window.Form_Load());
    for (int k = 1; k <= 4; ++k) {
        auto* b = window.findChild<QPushButton*>(QStringLiteral("btOpt%1").arg(k));
        EXPECT_EQ(window.Game().AnswerText(k), "Salt & Pepper");
        EXPECT_TRUE(QKeySequence::mnemonic(b->text()).isEmpty()) << b->text().toStdString();
    }
}

TEST(QuizWindowOpening, NoFilmographyShowsItsMessageAndNoWindow)
{
    TempProgramFolder folder;
    writeGameSettings(folder, 1);
    ScriptedRandom random{0.5};
    ScriptedMessages boxes;
    boxes.expectMessage();
    QPointer<Quiz> window;
    EXPECT_EQ(GameWindow::showGameWindow(window, nullptr), nullptr);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(boxes.shown, QStringList{"no filmography"});
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<Quiz*>(w), nullptr);
}

} // namespace
