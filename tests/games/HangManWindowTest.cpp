#include "games/GameWindow.h"
#include "games/HangMan.h"
#include "tests/games/core/GameFixture.h"
#include "tests/games/WindowFixture.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempProgramFolder.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A point in the middle of each part of the gallows, in window pixels, by
// the miss count that shows it.
struct PartPoint {
    const char* name;
    int misses;
    QPoint middle;
};
const PartPoint kParts[] = {
    {"lBerg1", 1, {128, 180}}, {"lBerg2", 1, {196, 208}}, {"lBerg3", 1, {164, 184}}, {"lBerg4", 1, {96, 204}},
    {"lMast", 2, {144, 96}},   {"lBalken", 3, {180, 24}}, {"lSeil", 4, {216, 40}},   {"lkopf", 5, {200, 72}},
    {"lRumpf", 6, {216, 120}}, {"lArm1", 7, {204, 108}},  {"lArm2", 8, {228, 108}},  {"lBein1", 9, {208, 152}},
    {"lBein2", 10, {224, 152}},
};

class HangManWindow : public ::testing::Test {
protected:
    // One title whose film name "Ab" is the only word to guess.
    void SetUp() override
    {
        writeGameSettings(folder, 1, "lists\\t.adl", TestDesign::write(folder));
        writeTitleList(folder, {{"Ab", {}, ""}});
    }

    void open()
    {
        ASSERT_TRUE(window.Form_Load());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        letter = childOf<QLineEdit>(window, "txtBuchstabe");
        check = childOf<QPushButton>(window, "btCheck");
        word = childOf<QLabel>(window, "lbRecentWord");
        points = childOf<QLabel>(window, "lbPoints");
        clock = childOf<QTimer>(window, "Timer");
    }

    // Types the character into the letter box and presses ">".
    void guess(const char* c)
    {
        QTest::keyClicks(letter, QString::fromLatin1(c));
        QTest::mouseClick(check, Qt::LeftButton);
    }

    void tick(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            window.Timer_Timer();
    }

    // The parts shown on the window for each miss count up to misses, no others.
    void expectGallows(int misses)
    {
        for (const PartPoint& p : kParts)
            EXPECT_EQ(childOf<QWidget>(window, p.name)->isVisible(), p.misses <= misses) << p.name << " at " << misses;
    }

    TempProgramFolder folder;
    ScriptedRandom random{0.0};
    HangMan window;
    QLineEdit* letter = nullptr;
    QPushButton* check = nullptr;
    QLabel* word = nullptr;
    QLabel* points = nullptr;
    QTimer* clock = nullptr;
};

TEST_F(HangManWindow, ControlsStandWhereTheyBelongInTheDesignColours)
{
    open();
    EXPECT_EQ(window.windowTitle(), "Hangman");
    EXPECT_EQ(window.size(), QSize(370, 268));
    expectPlacements(window, {{"txtBuchstabe", {8, 8, 25, 35}},
                              {"btCheck", {40, 8, 25, 35}},
                              {"btNew", {272, 32, 89, 25}},
                              {"btScore", {272, 64, 89, 25}},
                              {"lbPoints", {272, 8, 89, 17}},
                              {"lbRecentWord", {8, 240, 361, 25}}});
    EXPECT_EQ(check->text(), ">");
    EXPECT_EQ(childOf<QPushButton>(window, "btNew")->text(), "New");
    EXPECT_EQ(childOf<QPushButton>(window, "btScore")->text(), "Highscore");
    EXPECT_EQ(points->text(), "10000 P.");
    EXPECT_EQ(word->text(), "_ _ ");
    EXPECT_TRUE(clock->isActive());
    EXPECT_EQ(clock->interval(), 1000);

    EXPECT_EQ(roleOf(&window, QPalette::Window), TestDesign::back);
    EXPECT_EQ(roleOf(word, QPalette::WindowText), TestDesign::font);
    EXPECT_EQ(roleOf(points, QPalette::WindowText), TestDesign::font);
    EXPECT_EQ(roleOf(letter, QPalette::Base), TestDesign::entryBack);
    EXPECT_EQ(roleOf(letter, QPalette::Text), TestDesign::entryFont);
    EXPECT_EQ(roleOf(check, QPalette::Button), QColor(Qt::white));
    EXPECT_EQ(letter->font().family(), "DejaVu Sans Mono");
    EXPECT_DOUBLE_EQ(letter->font().pointSizeF(), 20.25);
    EXPECT_TRUE(letter->font().bold());
    EXPECT_DOUBLE_EQ(word->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(check->font().pointSizeF(), 8.25);

    // The box holds one character; Tab walks from it over the three buttons.
    QTest::keyClicks(letter, "xy");
    EXPECT_EQ(letter->text(), "x");
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    letter->setFocus();
    for (const char* next : {"btCheck", "btNew", "btScore"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
    }
}

TEST_F(HangManWindow, WonGameAsksTheNameStoresItAndStartsAgain)
{
    open();
    tick(3);
    EXPECT_EQ(points->text(), "9970 P.");

    // An empty box does nothing at all.
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(window.Game().Misses(), 0);

    guess("x");
    EXPECT_EQ(window.Game().Misses(), 1);
    EXPECT_EQ(letter->text(), QString());
    EXPECT_TRUE(letter->hasFocus());
    expectGallows(1);
    // Enter in the box guesses too.
    QTest::keyClicks(letter, "a");
    QTest::keyClick(letter, Qt::Key_Return);
    EXPECT_EQ(word->text(), "A _ ");
    tick(2);
    EXPECT_EQ(points->text(), "9450 P.");

    ScriptedMessages boxes;
    boxes.expectInput("Ann").expectMessage();
    bool clockStopped = false;
    QString wordDuringBoxes = "?";
    BoxProbe probe([&] {
        clockStopped = !clock->isActive();
        wordDuringBoxes = word->text();
    });
    guess("B");
    EXPECT_TRUE(clockStopped);
    EXPECT_EQ(wordDuringBoxes, QString());
    EXPECT_EQ(boxes.shown.value(0), "Your points: 9450\r\nName please");
    EXPECT_EQ(boxes.titles.value(0), "Name title");
    EXPECT_EQ(boxes.shown.value(1), "\r\n1) Ann (2) - 9450 P.");
    EXPECT_EQ(boxes.titles.value(1), "Best of");
    EXPECT_EQ(folder.read("games/hangmanscore.sco"), QByteArray("Ann (2)#9450\r\n"));

    // A new game, its clock running from the start.
    EXPECT_EQ(word->text(), "_ _ ");
    EXPECT_EQ(points->text(), "10000 P.");
    EXPECT_TRUE(clock->isActive());
    expectGallows(0);
    tick(1);
    EXPECT_EQ(points->text(), "9990 P.");

    // The high-score button shows the same list.
    ScriptedMessages list;
    list.expectMessage();
    QTest::mouseClick(childOf<QPushButton>(window, "btScore"), Qt::LeftButton);
    EXPECT_EQ(list.shown, QStringList{"\r\n1) Ann (2) - 9450 P."});
    EXPECT_EQ(list.titles, QStringList{"HangMan-Highscore"});
}

TEST_F(HangManWindow, TenthMissDrawsTheWholeGallowsThenShowsTheWord)
{
    open();
    for (int miss = 1; miss <= 9; ++miss) {
        guess("z");
        expectGallows(miss);
    }
    const QImage before = window.grab().toImage();
    for (const PartPoint& p : kParts) {
        if (p.misses <= 9)
            EXPECT_EQ(before.pixelColor(p.middle), TestDesign::font) << p.name;
        else
            EXPECT_EQ(before.pixelColor(p.middle), TestDesign::back) << p.name;
    }

    ScriptedMessages boxes;
    boxes.expectMessage();
    QImage atLoss;
    QString wordAtLoss = "?";
    BoxProbe probe([&] {
        atLoss = window.grab().toImage();
        wordAtLoss = word->text();
    });
    guess("z");
    EXPECT_EQ(boxes.shown, QStringList{"lost:\r\nAb"});
    EXPECT_EQ(boxes.titles, QStringList{""});
    EXPECT_EQ(wordAtLoss, QString());
    for (const PartPoint& p : kParts)
        EXPECT_EQ(atLoss.pixelColor(p.middle), TestDesign::font) << p.name;

    // Nothing stored; the next game starts bare.
    EXPECT_EQ(folder.read("games/hangmanscore.sco"), QByteArray());
    expectGallows(0);
    EXPECT_EQ(word->text(), "_ _ ");
    const QImage after = window.grab().toImage();
    for (const PartPoint& p : kParts)
        EXPECT_EQ(after.pixelColor(p.middle), TestDesign::back) << p.name;
}

TEST_F(HangManWindow, NewGameButtonRestartsTheClockAndTheWord)
{
    open();
    guess("a");
    guess("q");
    tick(7);
    QTest::mouseClick(childOf<QPushButton>(window, "btNew"), Qt::LeftButton);
    EXPECT_EQ(word->text(), "_ _ ");
    EXPECT_EQ(points->text(), "10000 P.");
    EXPECT_EQ(window.Game().Misses(), 0);
    expectGallows(0);
    tick(1);
    EXPECT_EQ(points->text(), "9990 P.");
}

TEST(HangManWindowOpening, ListWithoutWordsShowsItsMessageAndNoWindow)
{
    TempProgramFolder folder;
    writeGameSettings(folder, 0);
    writeTitleList(folder, {{"", {}, ""}});
    ScriptedRandom random{0.5};
    ScriptedMessages boxes;
    boxes.expectMessage();
    QPointer<HangMan> window;
    EXPECT_EQ(GameWindow::showGameWindow(window, nullptr), nullptr);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(boxes.shown, QStringList{"kein Wort"});
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<HangMan*>(w), nullptr);
}

TEST(HangManWindowOpening, LongWordsShrinkToFitTheLabel)
{
    TempProgramFolder folder;
    writeGameSettings(folder, 1);
    const QString longName = "The Long Voyage of Captain Hartwell";
    writeTitleList(folder, {{longName, {}, ""}});
    ScriptedRandom random{0.0};
    HangMan window;
    ASSERT_TRUE(window.Form_Load());
    QLabel* word = childOf<QLabel>(window, "lbRecentWord");
    EXPECT_EQ(word->text().size(), 2 * longName.size());
    EXPECT_LT(word->font().pointSizeF(), 9.75);
    EXPECT_LE(QFontMetrics(word->font()).horizontalAdvance(word->text()), word->width());
}

} // namespace
