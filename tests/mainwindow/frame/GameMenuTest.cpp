#include "controls/ucText.h"
#include "games/HangMan.h"
#include "games/Quiz.h"
#include "tests/games/core/GameFixture.h"
#include "tests/mainwindow/frame/FrameFixture.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedRandom.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class GameMenu : public FrameTest {
protected:
    GameMenu()
    {
        writeGameSettings(folder, 1);
        writeFilmographies(folder);
    }

    // The main window's collection, and the list file the games read, with n titles.
    void collection(int n)
    {
        std::vector<TitleNames> titles;
        for (int i = 1; i <= n; ++i)
            titles.push_back({QStringLiteral("Film %1").arg(i), {QStringLiteral("Actor %1").arg(i)}, "Someone"});
        writeTitleList(folder, titles);
        window->session().DVDListe().Load(folder.file("lists/t.adl"));
        ASSERT_EQ(window->session().DVDListe().getListSize(), n);
    }

    void trigger(const char* item) { window->menuAction(QString::fromLatin1(item))->trigger(); }

    // Draws a film name in the Hangman: a value that drew an empty actor
    // every time would draw for ever.
    ScriptedRandom random{0.1};
};

TEST_F(GameMenu, EachGameOpensOnlyFromItsNumberOfTitles)
{
    window->SetLanguageAndDesign();
    struct Case {
        const char* item;
        int titles;
        bool opens;
    };
    const Case cases[] = {
        {"menue_spieleHangman", 0, false}, {"menue_spieleHangman", 49, false}, {"menue_spieleHangman", 50, true},
        {"menue_spieleQuiz", 19, false},   {"menue_spieleQuiz", 20, true},
    };
    for (const Case& c : cases) {
        collection(c.titles);
        window->Statusleiste()->setText(QString());
        trigger(c.item);
        QWidget* game = QString::fromLatin1(c.item).endsWith("Quiz") ? static_cast<QWidget*>(window->QuizWindow())
                                                                       : window->HangManWindow();
        if (c.opens) {
            ASSERT_NE(game, nullptr) << c.item << " " << c.titles;
            EXPECT_TRUE(game->isVisible());
            EXPECT_TRUE(game->isWindow());
            EXPECT_EQ(window->Statusleiste()->text(), QString());
        } else {
            EXPECT_EQ(game, nullptr) << c.item << " " << c.titles;
            EXPECT_EQ(window->Statusleiste()->text(), "Meldung 20") << c.item << " " << c.titles;
        }
    }
    // The third item is there but switched off.
    QAction* videothek = window->menuAction("menue_spieleVideothek");
    EXPECT_EQ(videothek->text(), "Videothek-Manager");
    EXPECT_FALSE(videothek->isEnabled());
    EXPECT_TRUE(videothek->isVisible());
}

TEST_F(GameMenu, OpeningAgainBringsTheRunningGameToTheFront)
{
    collection(50);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    trigger("menue_spieleHangman");
    HangMan* hangman = window->HangManWindow();
    ASSERT_NE(hangman, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(hangman));
    QTest::keyClicks(hangman->findChild<QLineEdit*>("txtBuchstabe"), "#");
    QTest::mouseClick(hangman->findChild<QPushButton*>("btCheck"), Qt::LeftButton);
    ASSERT_EQ(hangman->Game().Misses(), 1);

    trigger("menue_spieleQuiz");
    Quiz* quiz = window->QuizWindow();
    ASSERT_NE(quiz, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(quiz));
    QTest::mouseClick(quiz->findChild<QPushButton*>("btOpt1"), Qt::LeftButton);
    ASSERT_EQ(quiz->Game().QuestionsShown(), 2);

    // The same windows come to the front with their games as they were.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }, 2000));
    trigger("menue_spieleHangman");
    EXPECT_EQ(window->HangManWindow(), hangman);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == hangman; }, 2000));
    EXPECT_EQ(hangman->Game().Misses(), 1);
    trigger("menue_spieleQuiz");
    EXPECT_EQ(window->QuizWindow(), quiz);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == quiz; }, 2000));
    EXPECT_EQ(quiz->Game().QuestionsShown(), 2);

    // Closed, a game is gone: the next opening starts a fresh one.
    hangman->close();
    {
        ScriptedMessages boxes;
        boxes.expectMessage(MsgAnswer::No); // the quiz's unsaved answer
        quiz->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->QuizWindow(), nullptr);
    trigger("menue_spieleHangman");
    ASSERT_NE(window->HangManWindow(), nullptr);
    EXPECT_TRUE(window->HangManWindow()->isVisible());
    EXPECT_EQ(window->HangManWindow()->Game().Misses(), 0);
    trigger("menue_spieleQuiz");
    ASSERT_NE(window->QuizWindow(), nullptr);
    EXPECT_EQ(window->QuizWindow()->Game().QuestionsShown(), 1);
}

TEST_F(GameMenu, ClosedWindowReopensEvenBeforeItIsDeleted)
{
    collection(50);
    trigger("menue_spieleQuiz");
    QPointer<Quiz> first = window->QuizWindow();
    ASSERT_FALSE(first.isNull());
    {
        ScriptedMessages boxes; // nothing answered: no question on closing
        first->close(); // its deletion is still pending
    }
    trigger("menue_spieleQuiz");
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(window->QuizWindow(), nullptr);
    EXPECT_TRUE(window->QuizWindow()->isVisible());
}

// The Hangman window outlives its closing; opening it again loads it as the
// first opening did: settings, design and texts read again, a new game.
TEST_F(GameMenu, ClosedHangmanOpensAgainAsOnItsFirstOpening)
{
    collection(50);
    trigger("menue_spieleHangman");
    HangMan* hangman = window->HangManWindow();
    ASSERT_NE(hangman, nullptr);
    auto* letter = hangman->findChild<QLineEdit*>("txtBuchstabe");
    QTest::keyClicks(letter, "#");
    QTest::mouseClick(hangman->findChild<QPushButton*>("btCheck"), Qt::LeftButton);
    QTest::keyClicks(letter, "q");
    hangman->Timer_Timer();
    ASSERT_EQ(hangman->Game().Misses(), 1);
    EXPECT_EQ(hangman->findChild<QPushButton*>("btNew")->text(), "New");
    hangman->close();
    EXPECT_FALSE(hangman->findChild<QTimer*>("Timer")->isActive());

    // Another language and another design in the meantime. Colours are 0x00BBGGRR.
    folder.writeLines("designs/red.asd", {"", "", "", "", " 65280 ", " 255 ", " 0 ", " 16777215 ", " 0 ", " 0 "});
    writeGameSettings(folder, 0, "lists\\t.adl", "designs\\red.asd");
    trigger("menue_spieleHangman");
    EXPECT_EQ(window->HangManWindow(), hangman);
    EXPECT_TRUE(hangman->isVisible());
    EXPECT_EQ(hangman->Game().Misses(), 0);
    EXPECT_EQ(hangman->Game().Seconds(), 0);
    EXPECT_TRUE(hangman->findChild<QTimer*>("Timer")->isActive());
    EXPECT_EQ(letter->text(), QString());
    EXPECT_EQ(hangman->findChild<QPushButton*>("btNew")->text(), "Neu");
    EXPECT_EQ(hangman->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(hangman->findChild<QLabel*>("lbPoints")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_EQ(letter->palette().color(QPalette::Base), QColor(255, 255, 255));
    for (const char* part : {"lBerg1", "lMast", "lkopf"})
        EXPECT_FALSE(hangman->findChild<QWidget*>(part)->isVisible()) << part;
}

} // namespace
