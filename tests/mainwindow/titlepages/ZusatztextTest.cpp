#include "mainwindow/titlepages/PageZusatztext.h"
#include "tests/mainwindow/titlepages/PagesOnHostFixture.h"

#include <QDir>
#include <QFile>

namespace {

class ZusatztextTest : public TitlePagesOnHostTest {
protected:
    ZusatztextTest()
    {
        auto* page = new PageZusatztext(host);
        page->SetDesignZusatztext();
        page->SetSizes(800, 600);
        route({14, 17}, [page](int shown) { page->ShowZusatztext(shown == 17); }, [page] { page->HideZusatztext(); });
        showWindow();
        folder.write(QStringLiteral("longtext-standard.txt"), "Vorlage\r\n");
        QFile::copy(folder.file(QStringLiteral("cover/c.bmp")), folder.file(QStringLiteral("cover/alien.bmp")));
        clsDatentraeger alien = title(QStringLiteral("Alien"));
        alien.SetBildpfad(QStringLiteral("cover/alien.bmp"));
        useCollection({alien});
        showPage(1); // Alien is the current title, shown on page 1
        clearStatus();
    }
    ucText* editor() const { return child<ucText>("ucTextZusatztextBearbeitung"); }
    QString own() const { return QStringLiteral("longtexts/alien.txt"); }
};

TEST_F(ZusatztextTest, ATitleWithoutLongTextOpensWithTheTemplate)
{
    showPage(14);
    EXPECT_EQ(editor()->text(), QStringLiteral("Vorlage\r\n"));
    EXPECT_FALSE(editor()->Changed());
    EXPECT_TRUE(child("btZusatztextLoeschen")->isVisible());
    showPage(1); // no question, nothing written
    EXPECT_FALSE(QFile::exists(folder.file(own())));
    EXPECT_FALSE(child("btZusatztextLoeschen")->isVisible());

    folder.write(own(), "Eigener\r\n");
    showPage(14);
    EXPECT_EQ(editor()->text(), QStringLiteral("Eigener\r\n"));
}

TEST_F(ZusatztextTest, SaveWritesTheFileOfThePage)
{
    showPage(14);
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("A"));
    click("btZusatztextSpeichern");
    EXPECT_EQ(folder.read(own()), QByteArray("Vorlage\r\nA\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\n"));
    EXPECT_EQ(status(), msg(1));
    EXPECT_FALSE(editor()->Changed());

    showPage(17);
    EXPECT_FALSE(child("btZusatztextLoeschen")->isVisible());
    EXPECT_EQ(editor()->text(), QStringLiteral("Vorlage\r\n"));
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("S"));
    click("btZusatztextSpeichern");
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\nS\r\n"));
    EXPECT_EQ(folder.read(own()), QByteArray("Vorlage\r\nA\r\n"));
}

TEST_F(ZusatztextTest, LeavingAfterAnEditSavesToTheFileOfThePageOnYes)
{
    showPage(14);
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("B"));
    messages.expectMessage(MsgAnswer::Yes);
    showPage(17);
    EXPECT_EQ(messages.shown, QStringList{"Box 14"});
    EXPECT_EQ(messages.titles, QStringList{"Box 5"});
    EXPECT_EQ(folder.read(own()), QByteArray("Vorlage\r\nB\r\n"));
    EXPECT_EQ(status(), msg(1));

    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("C"));
    messages.expectMessage(MsgAnswer::No);
    showPage(1);
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\n"));
}

TEST_F(ZusatztextTest, DeleteShowsTheTemplateAndLeavingAsksAgain)
{
    folder.write(own(), "Eigener\r\n");
    showPage(14);
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
    showPage(1);
    EXPECT_FALSE(QFile::exists(folder.file(own())));
}

TEST_F(ZusatztextTest, DeletingALongTextThatDoesNotExistGoesOn)
{
    QFile::remove(folder.file(QStringLiteral("longtext-standard.txt")));
    showPage(14);
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
    showPage(14);
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("x"));
    click("btZusatztextSpeichern");
    EXPECT_TRUE(status().startsWith(notWritten(19, folder.file(own())))) << status().toStdString();
    EXPECT_TRUE(editor()->Changed());
    messages.expectMessage(MsgAnswer::No);
    showPage(1);
}

TEST_F(ZusatztextTest, TitlesWithCoversOfOneNameShareTheirLongText)
{
    folder.write(own(), "Gemeinsam\r\n");
    session().DVDListe().setDVDString(session().AktuelleDVDNr(),
                                              folder.file(QStringLiteral("other/alien.gif")),
                                              clsDatentraegerList::FieldBildpfad);
    showPage(14);
    EXPECT_EQ(editor()->text(), QStringLiteral("Gemeinsam\r\n"));
}

} // namespace

namespace {

TEST_F(ZusatztextTest, LayoutAt800By600)
{
    EXPECT_EQ(editor()->geometry(), QRect(30, 30, 740, 450));
    EXPECT_EQ(child("btZusatztextSpeichern")->geometry(), QRect(30, 485, 370, 25));
    EXPECT_EQ(child("btZusatztextLoeschen")->geometry(), QRect(400, 485, 370, 25));
}

} // namespace
