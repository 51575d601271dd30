#include "tests/mainwindow/titlepages/TitlePagesFixture.h"

#include <QDir>
#include <QFile>

namespace {

class ZusatztextTest : public TitlePagesTest {
protected:
    ZusatztextTest()
    {
        folder.write(QStringLiteral("longtext-standard.txt"), "Vorlage\r\n");
        QFile::copy(folder.file(QStringLiteral("cover/c.bmp")), folder.file(QStringLiteral("cover/alien.bmp")));
        clsDatentraeger alien = title(QStringLiteral("Alien"));
        alien.SetBildpfad(QStringLiteral("cover/alien.bmp"));
        useCollection({alien});
        window->ShowPage(1); // the title view makes Alien the current title
        window->StatusTimer_Timer();
    }
    ucText* editor() const { return child<ucText>("ucTextZusatztextBearbeitung"); }
    QString own() const { return QStringLiteral("longtexts/alien.txt"); }
};

TEST_F(ZusatztextTest, ATitleWithoutLongTextOpensWithTheTemplate)
{
    window->ShowPage(14);
    EXPECT_EQ(editor()->text(), QStringLiteral("Vorlage\r\n"));
    EXPECT_FALSE(editor()->Changed());
    EXPECT_TRUE(child("btZusatztextLoeschen")->isVisible());
    window->ShowPage(1); // no question, nothing written
    EXPECT_FALSE(QFile::exists(folder.file(own())));
    EXPECT_FALSE(child("btZusatztextLoeschen")->isVisible());

    folder.write(own(), "Eigener\r\n");
    window->ShowPage(14);
    EXPECT_EQ(editor()->text(), QStringLiteral("Eigener\r\n"));
}

TEST_F(ZusatztextTest, SaveWritesTheFileOfThePage)
{
    window->ShowPage(14);
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("A"));
    click("btZusatztextSpeichern");
    EXPECT_EQ(folder.read(own()), QByteArray("Vorlage\r\nA\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\n"));
    EXPECT_EQ(status(), msg(1));
    EXPECT_FALSE(editor()->Changed());

    window->ShowPage(17);
    EXPECT_FALSE(child("btZusatztextLoeschen")->isVisible());
    EXPECT_EQ(editor()->text(), QStringLiteral("Vorlage\r\n"));
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("S"));
    click("btZusatztextSpeichern");
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\nS\r\n"));
    EXPECT_EQ(folder.read(own()), QByteArray("Vorlage\r\nA\r\n"));
}

TEST_F(ZusatztextTest, LeavingAfterAnEditSavesToTheFileOfThePageOnYes)
{
    window->ShowPage(14);
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("B"));
    messages.expectMessage(MsgAnswer::Yes);
    window->ShowPage(17);
    EXPECT_EQ(messages.shown, QStringList{"Box 14"});
    EXPECT_EQ(messages.titles, QStringList{"Box 5"});
    EXPECT_EQ(folder.read(own()), QByteArray("Vorlage\r\nB\r\n"));
    EXPECT_EQ(status(), msg(1));

    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("C"));
    messages.expectMessage(MsgAnswer::No);
    window->ShowPage(1);
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\n"));
}

TEST_F(ZusatztextTest, QuittingAsksWithCancelAndYesSavesToTheFileOfThePage)
{
    window->ShowPage(14);
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("D"));
    const QString typed = editor()->text();

    messages.expectMessage(MsgAnswer::Cancel);
    window->close();
    EXPECT_EQ(messages.shown, QStringList{"Box 14"});
    EXPECT_EQ(messages.titles, QStringList{"Box 5"});
    EXPECT_EQ(messages.buttons, std::vector<MsgButtons>{MsgButtons::YesNoCancel});
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(editor()->text(), typed);
    EXPECT_FALSE(QFile::exists(folder.file(own())));

    // A failed save keeps the program open with its message.
    QDir().mkpath(folder.file(own()));
    messages.expectMessage(MsgAnswer::Yes);
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(status(), msg(19));
    EXPECT_TRUE(editor()->Changed());

    QDir(folder.file(own())).removeRecursively();
    messages.expectMessage(MsgAnswer::Yes);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(folder.read(own()), QByteArray("Vorlage\r\nD\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\n"));
}

TEST_F(ZusatztextTest, QuittingWithNoLeavesTheFiles)
{
    window->ShowPage(17);
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("E"));
    messages.expectMessage(MsgAnswer::No);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\n"));
}

TEST_F(ZusatztextTest, APageLeftWithoutSavingAsksNothingMoreOnQuitting)
{
    window->ShowPage(14);
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("F"));
    messages.expectMessage(MsgAnswer::No);
    window->ShowPage(5);
    window->close();
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(QFile::exists(folder.file(own())));
}

TEST_F(ZusatztextTest, DeleteShowsTheTemplateAndLeavingAsksAgain)
{
    folder.write(own(), "Eigener\r\n");
    window->ShowPage(14);
    messages.expectMessage(MsgAnswer::No);
    click("btZusatztextLoeschen");
    EXPECT_TRUE(QFile::exists(folder.file(own())));

    messages.expectMessage(MsgAnswer::Yes);
    click("btZusatztextLoeschen");
    EXPECT_EQ(messages.shown, (QStringList{"Box 8", "Box 8"}));
    EXPECT_FALSE(QFile::exists(folder.file(own())));
    EXPECT_EQ(editor()->text(), QStringLiteral("Vorlage\r\n"));
    EXPECT_TRUE(editor()->Changed());
    EXPECT_EQ(status(), msg(5));

    messages.expectMessage(MsgAnswer::No);
    window->ShowPage(1);
    EXPECT_FALSE(QFile::exists(folder.file(own())));
}

TEST_F(ZusatztextTest, DeletingALongTextThatDoesNotExistGoesOn)
{
    QFile::remove(folder.file(QStringLiteral("longtext-standard.txt")));
    window->ShowPage(14);
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("neu"));
    messages.expectMessage(MsgAnswer::Yes);
    click("btZusatztextLoeschen");
    EXPECT_EQ(status(), msg(5));
    EXPECT_EQ(editor()->text(), QString());
    // A missing template is created as it is read.
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("\r\n"));
    EXPECT_FALSE(QFile::exists(folder.file(own())));
}

TEST_F(ZusatztextTest, AFailedSaveIsReportedAndTheTextStaysChanged)
{
    QDir().mkpath(folder.file(own())); // a folder in the file's place
    window->ShowPage(14);
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("x"));
    click("btZusatztextSpeichern");
    EXPECT_EQ(status(), msg(19));
    EXPECT_TRUE(editor()->Changed());
    messages.expectMessage(MsgAnswer::No);
    window->ShowPage(1);
}

TEST_F(ZusatztextTest, TitlesWithCoversOfOneNameShareTheirLongText)
{
    folder.write(own(), "Gemeinsam\r\n");
    window->session().DVDListe().setDVDString(window->session().AktuelleDVDNr(),
                                              folder.file(QStringLiteral("other/alien.gif")),
                                              clsDatentraegerList::FieldBildpfad);
    window->ShowPage(14);
    EXPECT_EQ(editor()->text(), QStringLiteral("Gemeinsam\r\n"));
}

} // namespace

namespace {

TEST_F(ZusatztextTest, LayoutAt800By600)
{
    window->ShowPage(17);
    EXPECT_EQ(editor()->geometry(), QRect(30, 30, 740, 450));
    EXPECT_EQ(child("btZusatztextSpeichern")->geometry(), QRect(30, 485, 370, 25));
    EXPECT_EQ(child("btZusatztextLoeschen")->geometry(), QRect(400, 485, 370, 25));
}

} // namespace
