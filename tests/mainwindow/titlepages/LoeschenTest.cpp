#include "mainwindow/titlepages/PageLoeschen.h"
#include "tests/mainwindow/titlepages/PagesOnHostFixture.h"

#include "tests/support/ScriptedMessages.h"

#include <QDir>
#include <QFile>

namespace {

class LoeschenTest : public EditPagesOnHostTest {
protected:
    LoeschenTest()
    {
        auto* page = new PageLoeschen(host);
        page->SetDesignLoeschen();
        page->SetSizes(800, 600);
        route({13}, [page](int) { page->ShowLoeschen(); }, [page] { page->HideLoeschen(); });
        showWindow();
        addTitles({"Alien", "Brazil", "Heat"});
        session().SaveDVDList();
        session().selectTitle(3);
        showPage(13);
    }

    void select(int row)
    {
        auto* list = child<QListWidget>("ListLoeschen");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
};

TEST_F(LoeschenTest, ThePageListsTheCollectionInOrder)
{
    EXPECT_EQ(listItems("ListLoeschen"), QStringList({"Alien", "Brazil", "Heat"}));
    auto* list = child("ListLoeschen");
    EXPECT_EQ(list->geometry(), QRect(200, 30, 400, 450));
    EXPECT_EQ(child("btdvdjetztloeschen")->y(), 30 + 450 + 5);
    EXPECT_EQ(child<QPushButton>("btdvdjetztloeschen")->text(), "Stil 17");
}

TEST_F(LoeschenTest, YesDeletesWritesTheListAndMakesTheFirstTitleCurrent)
{
    ScriptedMessages boxes;
    boxes.expectMessage(MsgAnswer::Yes);
    select(1);
    click("btdvdjetztloeschen");

    EXPECT_EQ(boxes.shown, QStringList({"Box 8"}));
    EXPECT_EQ(boxes.titles, QStringList({"Box 5"}));
    EXPECT_EQ(status(), "Meldung 5");
    EXPECT_EQ(listItems("ListLoeschen"), QStringList({"Alien", "Heat"}));
    EXPECT_EQ(storedNames(), QStringList({"Alien", "Heat"}));
    EXPECT_EQ(session().AktuelleDVDNr(), 1);
    EXPECT_EQ(currentPage(), 13);
}

TEST_F(LoeschenTest, NoChangesNothing)
{
    ScriptedMessages boxes;
    boxes.expectMessage(MsgAnswer::No);
    const QByteArray before = folder.read("lists/test.adl");
    select(0);
    click("btdvdjetztloeschen");
    EXPECT_EQ(status(), "");
    EXPECT_EQ(listItems("ListLoeschen"), QStringList({"Alien", "Brazil", "Heat"}));
    EXPECT_EQ(session().DVDListe().getListSize(), 3);
    EXPECT_EQ(folder.read("lists/test.adl"), before);
    EXPECT_EQ(session().AktuelleDVDNr(), 3);
}

TEST_F(LoeschenTest, NothingSelectedOrAnEmptyCollectionAsksNothing)
{
    ScriptedMessages boxes; // fails on any question
    click("btdvdjetztloeschen");
    EXPECT_EQ(status(), "Meldung 29");

    session().DVDListe().ClearList();
    select(0);
    click("btdvdjetztloeschen");
    EXPECT_EQ(status(), "Meldung 29");
}

TEST_F(LoeschenTest, DeletingTheLastTitleLeavesAnEmptyListAndNoCurrentTitle)
{
    ScriptedMessages boxes;
    boxes.expectMessage(MsgAnswer::Yes).expectMessage(MsgAnswer::Yes).expectMessage(MsgAnswer::Yes);
    for (int i = 0; i < 3; ++i) {
        select(0);
        click("btdvdjetztloeschen");
    }
    EXPECT_TRUE(listItems("ListLoeschen").isEmpty());
    EXPECT_EQ(folder.read("lists/test.adl"), "LIST VERSION#0\r\nCOUNT#0\r\n");
    EXPECT_EQ(session().AktuelleDVDNr(), 0);
}

TEST_F(LoeschenTest, AListThatCannotBeWrittenKeepsTheTitle)
{
    ScriptedMessages boxes;
    boxes.expectMessage(MsgAnswer::Yes);
    QFile::remove(listPath());
    QDir().mkpath(listPath());
    select(1);
    click("btdvdjetztloeschen");
    EXPECT_TRUE(status().startsWith(notWritten(6, listPath()))) << status().toStdString();
    EXPECT_EQ(listItems("ListLoeschen"), QStringList({"Alien", "Brazil", "Heat"}));
    ASSERT_EQ(session().DVDListe().getListSize(), 3);
    EXPECT_EQ(session().DVDListe().getDVD(2).GetFilmname(), "Brazil");
    EXPECT_EQ(session().AktuelleDVDNr(), 3);
}

} // namespace
