#include "mainwindow/titlepages/PageLoeschen.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A page needs no main window: a fake host with a real session will do.
TEST(PageOnFakeHost, TheDeletePageRemovesATitleOrKeepsItWhenTheFileCannotBeWritten)
{
    TempProgramFolder folder;
    FakePageHost host;
    Session& session = host.session();
    session.Options().setDvdListpath(folder.file(QStringLiteral("lists/a.adl")));
    session.changeCollection([](clsDatentraegerList& list) {
        for (const char* name : {"Alien", "Brazil", "Heat"}) {
            clsDatentraeger d;
            d.SetFilmname(QString::fromLatin1(name));
            list.AddDVD(d);
        }
    });
    PageLoeschen page(host);
    page.SetDesignLoeschen();
    page.ShowLoeschen();
    auto* list = host.clientArea()->findChild<QListWidget*>(QStringLiteral("ListLoeschen"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);

    ScriptedMessages messages;
    list->setCurrentRow(1);
    messages.expectMessage(MsgAnswer::Yes);
    page.btdvdjetztloeschen_Click();
    EXPECT_EQ(host.lastStatus(), 5);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(session.DVDListe().getListSize(), 2);

    folder.write(QStringLiteral("blocked/inner"), "x");
    session.Options().setDvdListpath(folder.file(QStringLiteral("blocked")));
    list->setCurrentRow(0);
    messages.expectMessage(MsgAnswer::Yes);
    page.btdvdjetztloeschen_Click();
    EXPECT_EQ(host.lastStatus(), 6);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(session.DVDListe().getDataString(1, clsDatentraegerList::FieldFilmname), QStringLiteral("Alien"));
}

} // namespace
