#include "controls/ucEntry.h"
#include "mainwindow/titlepages/PageNotizen.h"
#include "tests/mainwindow/titlepages/PagesOnHostFixture.h"
#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QLineEdit>

namespace {

class NotizenTest : public TitlePagesOnHostTest {
protected:
    NotizenTest()
    {
        auto* page = new PageNotizen(host);
        page->SetDesignNotizen();
        page->SetSizes(800, 600);
        route({6}, [page](int) { page->ShowNotizen(); }, [page] { page->HideNotizen(); });
        showWindow();
    }

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
    showPage(6);
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("\r\n"));
    EXPECT_EQ(notes()->text(), QString());
    EXPECT_FALSE(notes()->Changed());
    for (const char* name : {"ucTextNotizen", "ucEntryNotizsuche", "btNotizenSpeichern", "btNotizenSuche"})
        EXPECT_TRUE(child(name)->isVisible()) << name;
    showPage(1); // unchanged: no question
    EXPECT_FALSE(notes()->isVisible());
}

TEST_F(NotizenTest, SaveWritesTheTextWithOneLineEndAndReadsItBack)
{
    folder.write(QStringLiteral("notes.txt"), "alt\r\n");
    showPage(6);
    EXPECT_EQ(notes()->text(), QStringLiteral("alt\r\n"));
    typeInto("ucTextNotizen", QStringLiteral("neu"));
    EXPECT_TRUE(notes()->Changed());
    click("btNotizenSpeichern");
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("alt\r\nneu\r\n"));
    EXPECT_FALSE(notes()->Changed());
    EXPECT_EQ(status(), msg(1));
    showPage(1); // saved: no question
    showPage(6);
    EXPECT_EQ(notes()->text(), QStringLiteral("alt\r\nneu\r\n"));
}

TEST_F(NotizenTest, ASaveOnAFullDiskKeepsTheFileAndSaysWhy)
{
    folder.write(QStringLiteral("notes.txt"), "alt\r\n");
    showPage(6);
    typeInto("ucTextNotizen", QStringLiteral("neu"));
    {
        const FileSizeLimit full(5);
        click("btNotizenSpeichern");
    }
    EXPECT_EQ(status(), msg(19) + " (cannot write " + folder.file(QStringLiteral("notes.txt")) +
                            ": disk full or file too large)");
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("alt\r\n"));
    EXPECT_TRUE(notes()->Changed());
}

TEST_F(NotizenTest, LeavingAfterAnEditAsksWhetherToSave)
{
    folder.write(QStringLiteral("notes.txt"), "alt\r\n");
    showPage(6);
    typeInto("ucTextNotizen", QStringLiteral("x"));
    messages.expectMessage(MsgAnswer::No);
    showPage(5);
    EXPECT_EQ(messages.shown, QStringList{"Box 14"});
    EXPECT_EQ(messages.titles, QStringList{"Box 5"});
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("alt\r\n"));
    showPage(6);
    EXPECT_EQ(notes()->text(), QStringLiteral("alt\r\n")); // the edit is gone

    typeInto("ucTextNotizen", QStringLiteral("y"));
    messages.expectMessage(MsgAnswer::Yes);
    showPage(1);
    EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("alt\r\ny\r\n"));
}

TEST_F(NotizenTest, FindNextMarksEachHitThenStartsAgain)
{
    folder.write(QStringLiteral("notes.txt"), "ABC\r\nx ABC\r\n");
    showPage(6);
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
