#include "controls/ucText.h"
#include "mainwindow/titlepages/PageZusatztext.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The long-text editor on a fake host, for two titles with long texts of
// their own, saved on a disk that can be made full.
class ZusatztextKeptTest : public ::testing::Test {
protected:
    ZusatztextKeptTest()
    {
        QDir().mkpath(folder.file(QStringLiteral("longtexts")));
        folder.write(QStringLiteral("longtext-standard.txt"), "Vorlage\r\n");
        folder.write(brazil(), "Brasil\r\n");
        Session& session = host.session();
        session.Options().setDvdListpath(folder.file(QStringLiteral("lists/a.adl")));
        session.changeCollection([](clsDatentraegerList& list) {
            for (const char* name : {"Alien", "Brazil"}) {
                clsDatentraeger d;
                d.SetFilmname(QString::fromLatin1(name));
                d.SetBildpfad(QStringLiteral("cover/%1.jpg").arg(QString::fromLatin1(name).toLower()));
                list.AddDVD(d);
            }
        });
        page.SetDesignZusatztext(); // the multi-line box the user types into
        host.clientArea()->window()->show();
    }

    static QString alien() { return QStringLiteral("longtexts/alien.txt"); }
    static QString brazil() { return QStringLiteral("longtexts/brazil.txt"); }

    // Opens page 14 for the title at position n (1 Alien, 2 Brazil).
    void openFor(int n)
    {
        ASSERT_TRUE(host.session().selectTitle(n));
        page.ShowZusatztext(false);
    }
    ucText* editor()
    {
        return host.clientArea()->findChild<ucText*>(QStringLiteral("ucTextZusatztextBearbeitung"));
    }
    void type(const QString& text)
    {
        auto* box = editor()->findChild<QPlainTextEdit*>(QStringLiteral("TextBox"));
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, text);
    }
    // Leaves the page after an edit, answering Yes while the disk is full.
    void leaveOnAFullDisk()
    {
        const FileSizeLimit full(0);
        messages.expectMessage(MsgAnswer::Yes);
        page.HideZusatztext();
        EXPECT_EQ(host.lastStatus(), 19);
        EXPECT_TRUE(host.log.last().endsWith(QStringLiteral(": disk full or file too large)")))
            << host.log.last().toStdString();
    }

    TempProgramFolder folder;
    FakePageHost host;
    ScriptedMessages messages;
    PageZusatztext page{host};
};

TEST_F(ZusatztextKeptTest, AKeptTextStaysWithItsTitleWhileAnotherIsCurrentAndIsSavedThereOnClosing)
{
    openFor(1);
    type(QStringLiteral("A"));
    leaveOnAFullDisk();
    EXPECT_FALSE(QFile::exists(folder.file(alien())));

    // Another title opens with its own text; the template page with the template.
    openFor(2);
    EXPECT_EQ(editor()->text(), QStringLiteral("Brasil\r\n"));
    EXPECT_FALSE(editor()->Changed());
    page.HideZusatztext();
    page.ShowZusatztext(true);
    EXPECT_EQ(editor()->text(), QStringLiteral("Vorlage\r\n"));
    page.HideZusatztext();

    // Back on its own title the text is there again, still unsaved.
    openFor(1);
    EXPECT_EQ(editor()->text(), QStringLiteral("Vorlage\r\nA"));
    EXPECT_TRUE(editor()->Changed());
    type(QStringLiteral("B"));
    leaveOnAFullDisk();

    // Closing while the other title is shown asks about the kept text alone;
    // Cancel keeps it, Yes writes it to its own title's file.
    openFor(2);
    messages.expectMessage(MsgAnswer::Cancel);
    EXPECT_FALSE(page.queryClose());
    EXPECT_EQ(messages.buttons.back(), MsgButtons::YesNoCancel);
    messages.expectMessage(MsgAnswer::Yes);
    EXPECT_TRUE(page.queryClose());
    EXPECT_EQ(messages.shown.size(), 4);
    EXPECT_EQ(folder.read(alien()), QByteArray("Vorlage\r\nAB\r\n"));
    EXPECT_EQ(folder.read(brazil()), QByteArray("Brasil\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\n"));

    // Saved: nothing more to ask, and its title shows the file.
    EXPECT_TRUE(page.queryClose());
    EXPECT_EQ(messages.shown.size(), 4);
    page.HideZusatztext();
    openFor(1);
    EXPECT_EQ(editor()->text(), QStringLiteral("Vorlage\r\nAB\r\n"));
    EXPECT_FALSE(editor()->Changed());
}

TEST_F(ZusatztextKeptTest, ClosingAsksAboutEachKeptTextAndNoDropsIt)
{
    openFor(1);
    type(QStringLiteral("A"));
    leaveOnAFullDisk();
    openFor(2);
    type(QStringLiteral("B"));
    leaveOnAFullDisk();
    page.ShowZusatztext(true);
    type(QStringLiteral("S"));
    leaveOnAFullDisk();

    {
        // A save that fails again keeps the program open, and the text.
        const FileSizeLimit full(0);
        messages.expectMessage(MsgAnswer::Yes);
        EXPECT_FALSE(page.queryClose());
        EXPECT_EQ(host.lastStatus(), 19);
    }
    // Alien's text is saved, Brazil's is dropped, and Cancel on the template
    // keeps the program open with the template still kept.
    messages.expectMessage(MsgAnswer::Yes).expectMessage(MsgAnswer::No).expectMessage(MsgAnswer::Cancel);
    EXPECT_FALSE(page.queryClose());
    messages.expectMessage(MsgAnswer::Yes);
    EXPECT_TRUE(page.queryClose());
    EXPECT_EQ(messages.shown.size(), 8);
    EXPECT_EQ(folder.read(alien()), QByteArray("Vorlage\r\nA\r\n"));
    EXPECT_EQ(folder.read(brazil()), QByteArray("Brasil\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\nS\r\n"));

    openFor(2);
    EXPECT_EQ(editor()->text(), QStringLiteral("Brasil\r\n"));
    EXPECT_FALSE(editor()->Changed());
}

TEST_F(ZusatztextKeptTest, ATextIsSavedForTheTitleItWasOpenedForWhenTheCurrentTitleChangesFirst)
{
    // A jump to another title selects it before the page is left.
    openFor(1);
    type(QStringLiteral("J"));
    ASSERT_TRUE(host.session().selectTitle(2));
    messages.expectMessage(MsgAnswer::Yes);
    page.HideZusatztext();
    EXPECT_EQ(host.lastStatus(), 1);
    EXPECT_EQ(folder.read(alien()), QByteArray("Vorlage\r\nJ\r\n"));
    EXPECT_EQ(folder.read(brazil()), QByteArray("Brasil\r\n"));

    // So does a failed save, kept for the title it was opened for.
    openFor(1);
    type(QStringLiteral("K"));
    ASSERT_TRUE(host.session().selectTitle(2));
    leaveOnAFullDisk();
    openFor(2);
    EXPECT_EQ(editor()->text(), QStringLiteral("Brasil\r\n"));
    page.HideZusatztext();
    openFor(1);
    EXPECT_EQ(editor()->text(), QStringLiteral("Vorlage\r\nJ\r\nK"));
    EXPECT_TRUE(editor()->Changed());

    // The shown text is asked about on closing too, and saved to its own file.
    messages.expectMessage(MsgAnswer::Yes);
    EXPECT_TRUE(page.queryClose());
    EXPECT_EQ(folder.read(alien()), QByteArray("Vorlage\r\nJ\r\nK\r\n"));
    EXPECT_FALSE(editor()->Changed());
}

} // namespace
