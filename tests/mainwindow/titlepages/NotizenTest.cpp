#include "tests/mainwindow/titlepages/TitlePagesFixture.h"

#include "controls/ucEntry.h"

#include <QDir>
#include <QLineEdit>

namespace {

class NotizenTest : public TitlePagesTest {
protected:
    ucText* notes() const { return child<ucText>("ucTextNotizen"); }
    QPlainTextEdit* box() const { return notes()->findChild<QPlainTextEdit*>(QStringLiteral("TextBox")); }

    void search(const QString& text)
    {
        auto* entry = child<ucEntry>("ucEntryNotizsuche")->findChild<QLineEdit*>(QStringLiteral("text"));
        entry->clear();
        QTest::keyClicks(entry, text);
    }
    // The selection as (start, length) in the box.
    std::pair<int, int> marked() const
    {
        const QTextCursor c = box()->textCursor();
        return {c.selectionStart(), c.selectionEnd() - c.selectionStart()};
    }
};

TEST_F(NotizenTest, OpeningWithoutAFileCreatesAnEmptyOne)
{
    window->ShowPage(6);
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("\r\n"));
    EXPECT_EQ(notes()->text(), QString());
    EXPECT_FALSE(notes()->Changed());
    for (const char* name : {"ucTextNotizen", "ucEntryNotizsuche", "btNotizenSpeichern", "btNotizenSuche"})
        EXPECT_TRUE(child(name)->isVisible()) << name;
    window->ShowPage(1); // unchanged: no question
    EXPECT_FALSE(notes()->isVisible());
}

TEST_F(NotizenTest, SaveWritesTheTextWithOneLineEndAndReadsItBack)
{
    folder.write(QStringLiteral("notes.txt"), "alt\r\n");
    window->ShowPage(6);
    EXPECT_EQ(notes()->text(), QStringLiteral("alt\r\n"));
    typeInto("ucTextNotizen", QStringLiteral("neu"));
    EXPECT_TRUE(notes()->Changed());
    click("btNotizenSpeichern");
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("alt\r\nneu\r\n"));
    EXPECT_FALSE(notes()->Changed());
    EXPECT_EQ(status(), msg(1));
    window->ShowPage(1); // saved: no question
    window->ShowPage(6);
    EXPECT_EQ(notes()->text(), QStringLiteral("alt\r\nneu\r\n"));
}

TEST_F(NotizenTest, LeavingAfterAnEditAsksWhetherToSave)
{
    folder.write(QStringLiteral("notes.txt"), "alt\r\n");
    window->ShowPage(6);
    typeInto("ucTextNotizen", QStringLiteral("x"));
    messages.expectMessage(MsgAnswer::No);
    window->ShowPage(5);
    EXPECT_EQ(messages.shown, QStringList{"Box 14"});
    EXPECT_EQ(messages.titles, QStringList{"Box 5"});
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("alt\r\n"));
    window->ShowPage(6);
    EXPECT_EQ(notes()->text(), QStringLiteral("alt\r\n")); // the edit is gone

    typeInto("ucTextNotizen", QStringLiteral("y"));
    messages.expectMessage(MsgAnswer::Yes);
    window->ShowPage(1);
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("alt\r\ny\r\n"));
}

TEST_F(NotizenTest, AFailedSaveIsReportedAndTheTextStaysChanged)
{
    QDir().mkpath(folder.file(QStringLiteral("notes.txt"))); // a folder in the file's place
    window->ShowPage(6);
    typeInto("ucTextNotizen", QStringLiteral("wichtig"));
    click("btNotizenSpeichern");
    EXPECT_EQ(status(), msg(19));
    EXPECT_TRUE(notes()->Changed());

    window->StatusTimer_Timer();
    messages.expectMessage(MsgAnswer::Yes);
    window->ShowPage(20); // a page that shows no message of its own
    EXPECT_EQ(status(), msg(19));

    // Nothing typed is lost: closing asks about the hidden notes, and the page shows them again.
    messages.expectMessage(MsgAnswer::Cancel);
    EXPECT_FALSE(window->close());
    window->ShowPage(6);
    EXPECT_EQ(notes()->text(), QStringLiteral("wichtig"));
    EXPECT_TRUE(notes()->Changed());
    messages.expectMessage(MsgAnswer::No);
    window->ShowPage(1);
    window->ShowPage(6); // dropped: read from the file again, which cannot be read
    EXPECT_NE(notes()->text(), QStringLiteral("wichtig"));
}

TEST_F(NotizenTest, FindNextMarksEachHitThenStartsAgain)
{
    folder.write(QStringLiteral("notes.txt"), "ABC\r\nx ABC\r\n");
    window->ShowPage(6);
    search(QStringLiteral("abc"));
    const std::pair<int, int> expected[] = {{0, 3}, {6, 3}};
    for (const auto& hit : expected) {
        click("btNotizenSuche");
        EXPECT_EQ(marked(), hit);
    }
    click("btNotizenSuche"); // a miss: no mark, no message
    EXPECT_EQ(status(), QString());
    click("btNotizenSuche");
    EXPECT_EQ(marked(), (std::pair<int, int>{0, 3}));

    click("btNotizenSuche"); // now at the second hit's start
    search(QStringLiteral("ab")); // a new search text starts from the top
    click("btNotizenSuche");
    EXPECT_EQ(marked(), (std::pair<int, int>{0, 2}));
}

} // namespace

namespace {

TEST_F(NotizenTest, LayoutAt800By600)
{
    window->ShowPage(6);
    EXPECT_EQ(notes()->geometry(), QRect(30, 30, 740, 450));
    QWidget* save = child("btNotizenSpeichern");
    QWidget* find = child("btNotizenSuche");
    QWidget* entry = child("ucEntryNotizsuche");
    EXPECT_EQ(save->pos(), QPoint(30, 485));
    EXPECT_EQ(find->x() + find->width(), 770);
    EXPECT_EQ(find->y(), 485);
    EXPECT_EQ(entry->geometry(), QRect(find->x() - 250, 485, 250, entry->height()));
}

} // namespace
