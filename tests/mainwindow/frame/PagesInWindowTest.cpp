#include "tests/mainwindow/frame/TitlePagesFixture.h"

#include <QDir>
#include <QFile>
#include <QListWidget>

#include "controls/ucBarDiagram.h"

// The title pages inside the whole main window, where what they do reaches
// the window or another page through it: closing asks the pages with unsaved
// text, and a list taken on page 4 starts the search of page 11 afresh.

namespace {

class ListenInWindowTest : public TitlePagesTest {
protected:
    QListWidget* files() const { return child<QListWidget>("FileDVDlist"); }

    void select(const QString& entry)
    {
        const auto found = files()->findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << entry.toStdString();
        files()->setCurrentItem(found.first());
    }
};

TEST_F(ListenInWindowTest, TakingAListMakesItTheCollectionAndStoresItsPath)
{
    useCollection({title("Alien")});
    writeList(QStringLiteral("zwei"), {title("Brazil"), title("Casablanca")});
    window->Suche();
    child<ucText>("ucFilter")->setText(QStringLiteral("Genre = Drama"));
    window->ShowPage(4);
    select(QStringLiteral("zwei.adl"));
    click("btDVDtake");
    // The search starts afresh on the new collection.
    EXPECT_EQ(child<ucText>("ucFilter")->text(), QString());
    const auto* hits = child<QListWidget>("ListSuchen");
    ASSERT_EQ(hits->count(), 2);
    EXPECT_EQ(hits->item(0)->text(), QStringLiteral("Brazil"));
    EXPECT_EQ(window->session().DVDListe().getListSize(), 2);
    EXPECT_EQ(window->session().DVDListe().getDataString(1, 1), QStringLiteral("Brazil"));
    EXPECT_EQ(window->session().AktuelleDVDNr(), 1);
    EXPECT_EQ(window->AktuelleSeite(), 1);
    EXPECT_FALSE(files()->isVisible());
    EXPECT_EQ(status(), QString());

    clsOptions reread;
    reread.Load(folder.file(QStringLiteral("settings.aef")));
    EXPECT_EQ(reread.DvdListpath(), folder.file(QStringLiteral("lists/zwei.adl")));
}

class NotizenInWindowTest : public TitlePagesTest {
protected:
    ucText* notes() const { return child<ucText>("ucTextNotizen"); }
};

TEST_F(NotizenInWindowTest, AFailedSaveIsReportedAndTheTextStaysChanged)
{
    QDir().mkpath(folder.file(QStringLiteral("notes.txt"))); // a folder in the file's place
    window->ShowPage(6);
    typeInto("ucTextNotizen", QStringLiteral("wichtig"));
    click("btNotizenSpeichern");
    const QString failed = notWritten(19, folder.file(QStringLiteral("notes.txt")));
    EXPECT_TRUE(status().startsWith(failed)) << status().toStdString();
    EXPECT_TRUE(notes()->Changed());

    window->StatusTimer_Timer();
    messages.expectMessage(MsgAnswer::Yes);
    window->ShowPage(20); // a page that shows no message of its own
    EXPECT_TRUE(status().startsWith(failed)) << status().toStdString();

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

class ZusatztextInWindowTest : public TitlePagesTest {
protected:
    ZusatztextInWindowTest()
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

TEST_F(ZusatztextInWindowTest, QuittingAsksWithCancelAndYesSavesToTheFileOfThePage)
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
    EXPECT_TRUE(status().startsWith(notWritten(19, folder.file(own())))) << status().toStdString();
    EXPECT_TRUE(editor()->Changed());

    QDir(folder.file(own())).removeRecursively();
    messages.expectMessage(MsgAnswer::Yes);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(folder.read(own()), QByteArray("Vorlage\r\nD\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\n"));
}

TEST_F(ZusatztextInWindowTest, QuittingWithNoLeavesTheFiles)
{
    window->ShowPage(17);
    typeInto("ucTextZusatztextBearbeitung", QStringLiteral("E"));
    messages.expectMessage(MsgAnswer::No);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("longtext-standard.txt")), QByteArray("Vorlage\r\n"));
}

TEST_F(ZusatztextInWindowTest, APageLeftWithoutSavingAsksNothingMoreOnQuitting)
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

// The statistics report shows no chart: the chart is made when the ranking
// first needs it, and comes with the ranking's design and place.
TEST_F(TitlePagesTest, TheRankingChartIsMadeWhenTheRankingFirstShows)
{
    useCollection({title("Alien", 4), title("Brazil", 5)});
    window->ShowPage(5);
    const auto* report = child<ucText>("ucTextStatistik");
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(window->findChild<ucBarDiagram*>(QStringLiteral("ucBarStatistik")), nullptr);

    window->ShowPage(21);
    auto* chart = child<ucBarDiagram>("ucBarStatistik");
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_FALSE(report->isVisible());
    EXPECT_EQ(chart->barCount(), 30);
    EXPECT_EQ(chart->barCaption(1), QStringLiteral("Brazil"));
    EXPECT_EQ(chart->barCaption(2), QStringLiteral("Alien"));
    const clsOptions& o = window->session().Options();
    EXPECT_EQ(chart->backColor(), o.ColorBG());
    EXPECT_EQ(chart->bgcolor(), o.ColorEntryBG());
    EXPECT_EQ(chart->barColor(), o.ColorRating());
    // In the report's place, below the status line.
    EXPECT_EQ(chart->y(), report->y());
    EXPECT_EQ(chart->height(), report->height());
    EXPECT_NEAR(chart->geometry().center().x(), report->geometry().center().x(), 1);
    const QObjectList& stack = chart->parentWidget()->children();
    EXPECT_GT(stack.indexOf(window->Statusleiste()), stack.indexOf(chart));

    window->ShowPage(5);
    EXPECT_FALSE(chart->isVisible());
    EXPECT_TRUE(report->isVisible());
}

} // namespace
