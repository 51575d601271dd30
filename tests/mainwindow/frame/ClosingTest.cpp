#include "controls/ucText.h"
#include "games/Quiz.h"
#include "shelf/Regal.h"
#include "tests/games/core/GameFixture.h"
#include "tests/mainwindow/frame/FrameFixture.h"
#include "tests/support/ScriptedRandom.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The main window with unsaved notes, an unsaved shelf editor and a quiz
// with an answer not yet saved: quitting asks each of them in turn.
class Closing : public FrameTest {
protected:
    Closing()
    {
        folder.writeLanguageTable("english-shelf.ass", "Regal", "Shelf");
        writeGameSettings(folder, 1);
        writeFilmographies(folder);
        std::vector<TitleNames> titles;
        for (int i = 1; i <= 20; ++i)
            titles.push_back({QStringLiteral("Film %1").arg(i), {QStringLiteral("Actor %1").arg(i)}, "Someone"});
        writeTitleList(folder, titles);
        folder.writeLines(QStringLiteral("shelves/t.arf"), {"shelf.gif", "0", "0", "100"});
        folder.write(QStringLiteral("notes.txt"), "alt\r\n");
        giveBackground();
        window->session().Options().setDvdListpath(folder.file(QStringLiteral("lists/t.adl")));
        window->session().DVDListe().Load(folder.file(QStringLiteral("lists/t.adl")));
        window->SetLanguageAndDesign();
        window->SetAllSizes(800, 600);
        window->show();
        shelfFile = folder.read(QStringLiteral("shelves/t.arf"));
    }

    ucText* notes() const { return window->findChild<ucText*>(QStringLiteral("ucTextNotizen")); }

    void editNotes()
    {
        window->ShowPage(6);
        auto* box = notes()->findChild<QPlainTextEdit*>(QStringLiteral("TextBox"));
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, QStringLiteral("neu"));
        ASSERT_TRUE(notes()->Changed());
    }
    // The editor with a new board; a hidden one as a view-mode spine click leaves it.
    void editShelf(bool hidden)
    {
        window->menuAction(QStringLiteral("menue_sammlungRegal"))->trigger();
        Regal* regal = window->RegalWindow();
        ASSERT_NE(regal, nullptr);
        ASSERT_TRUE(regal->isVisible());
        regal->menuItem(QStringLiteral("Menue_bretteinfuegen"))->trigger();
        if (hidden)
            regal->hide();
        ASSERT_TRUE(regal->HasUnsavedChanges());
    }
    void answerQuiz()
    {
        window->menuAction(QStringLiteral("menue_spieleQuiz"))->trigger();
        ASSERT_NE(window->QuizWindow(), nullptr);
        QTest::mouseClick(window->QuizWindow()->findChild<QPushButton*>(QStringLiteral("btOpt1")), Qt::LeftButton);
        ASSERT_FALSE(window->QuizWindow()->Game().Saved());
    }

    QByteArray shelfFile;
    ScriptedRandom random{0.5};
};

const QStringList kAllQuestions{"Box 14", "Regal 38", "Save?"};

TEST_F(Closing, EveryUnsavedPageAndWindowAsksInTurnWithCancel)
{
    editShelf(false);
    answerQuiz();
    editNotes();

    ScriptedMessages boxes;
    boxes.expectMessage(MsgAnswer::Yes).expectMessage(MsgAnswer::No).expectMessage(MsgAnswer::No);
    window->close();
    EXPECT_EQ(boxes.shown, kAllQuestions);
    EXPECT_EQ(boxes.titles, (QStringList{"Box 5", "Regal 39", "Quiz"}));
    EXPECT_EQ(boxes.buttons, std::vector<MsgButtons>(3, MsgButtons::YesNoCancel));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("alt\r\nneu\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("shelves/t.arf")), shelfFile);
    EXPECT_EQ(folder.read(QStringLiteral("games/quizscore.sco")), QByteArray());
}

TEST_F(Closing, CancelKeepsEverythingOpenAndAsksNothingMore)
{
    editShelf(true);
    answerQuiz();
    editNotes();
    Regal* regal = window->RegalWindow();
    const QString typed = notes()->text();
    for (int cancelAt = 0; cancelAt < 3; ++cancelAt) {
        SCOPED_TRACE(cancelAt);
        ScriptedMessages boxes;
        for (int k = 0; k < cancelAt; ++k)
            boxes.expectMessage(MsgAnswer::No);
        boxes.expectMessage(MsgAnswer::Cancel);
        window->close();
        EXPECT_EQ(boxes.shown, kAllQuestions.mid(0, cancelAt + 1));
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(notes()->isVisible());
        EXPECT_EQ(notes()->text(), typed);
        EXPECT_TRUE(notes()->Changed());
        EXPECT_TRUE(regal->HasUnsavedChanges());
        EXPECT_EQ(regal->editor().shelf().Brettcount(), 1);
        ASSERT_NE(window->QuizWindow(), nullptr);
        EXPECT_TRUE(window->QuizWindow()->isVisible());
        EXPECT_FALSE(window->QuizWindow()->Game().Saved());
    }
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("alt\r\n"));

    // The hidden shelf's Yes saves it; the program then ends.
    ScriptedMessages boxes;
    boxes.expectMessage(MsgAnswer::No).expectMessage(MsgAnswer::Yes).expectMessage(MsgAnswer::No);
    window->close();
    EXPECT_EQ(boxes.shown, kAllQuestions);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("alt\r\n"));
    EXPECT_NE(folder.read(QStringLiteral("shelves/t.arf")), shelfFile);
    EXPECT_FALSE(regal->HasUnsavedChanges());
}

TEST_F(Closing, AFailedSaveKeepsTheProgramOpenWithItsMessage)
{
    editNotes();
    editShelf(false);
    QFile::remove(folder.file(QStringLiteral("notes.txt")));
    QDir().mkpath(folder.file(QStringLiteral("notes.txt"))); // a folder in the file's place
    {
        ScriptedMessages boxes;
        boxes.expectMessage(MsgAnswer::Yes);
        window->close();
        EXPECT_EQ(boxes.shown, QStringList{"Box 14"});
    }
    EXPECT_TRUE(window->isVisible());
    const QString status = window->Statusleiste()->text();
    EXPECT_TRUE(status.startsWith("Meldung 19 (cannot write " + folder.file(QStringLiteral("notes.txt")) + ": "))
        << status.toStdString();
    EXPECT_TRUE(notes()->Changed());
    EXPECT_TRUE(window->RegalWindow()->HasUnsavedChanges());

    ScriptedMessages boxes;
    boxes.expectMessage(MsgAnswer::No).expectMessage(MsgAnswer::No);
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Closing, NothingUnsavedAsksNothing)
{
    window->ShowPage(6);
    window->menuAction(QStringLiteral("menue_sammlungRegal"))->trigger();
    window->menuAction(QStringLiteral("menue_spieleQuiz"))->trigger();
    ASSERT_NE(window->QuizWindow(), nullptr);
    ScriptedMessages none;
    window->close();
    EXPECT_TRUE(none.shown.isEmpty());
    EXPECT_FALSE(window->isVisible());
}

} // namespace
