#include "data/MessageTexts.h"
#include "mainwindow/titlepages/PageListen.h"
#include "platform/RuntimeError.h"
#include "tests/mainwindow/titlepages/PagesOnHostFixture.h"

#include <QDir>
#include <QFile>
#include <QListWidget>

namespace {

class ListenTest : public TitlePagesOnHostTest {
protected:
    ListenTest()
    {
        auto* page = new PageListen(host);
        page->SetDesignListen();
        page->SetSizes(800, 600);
        route({4}, [page](int) { page->ShowListen(); }, [page] { page->HideListen(); });
        showWindow();
    }

    QListWidget* files() const { return child<QListWidget>("FileDVDlist"); }

    QStringList entries() const
    {
        QStringList names;
        for (int i = 0; i < files()->count(); ++i)
            names << files()->item(i)->text();
        return names;
    }

    void select(const QString& entry)
    {
        const auto found = files()->findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << entry.toStdString();
        files()->setCurrentItem(found.first());
    }

    QByteArray settingsFile() const { return folder.read(QStringLiteral("settings.aef")); }
};

const QByteArray kEmptyList = "LIST VERSION#0\r\nCOUNT#0\r\n";
const QByteArray kDefaultShelf = "shelf.gif\r\n0\r\n0\r\n100\r\n";

TEST_F(ListenTest, ShowsTheCurrentListAndSelectsTheFirstFile)
{
    useCollection({title("Alien")}, QStringLiteral("Meine Filme"));
    writeList(QStringLiteral("b"), {});
    writeList(QStringLiteral("A"), {});
    folder.write(QStringLiteral("lists/notes.txt"), "x");
    showPage(4);
    EXPECT_EQ(entries(), (QStringList{"A.adl", "b.adl", "Meine Filme.adl"}));
    EXPECT_EQ(files()->currentItem()->text(), QStringLiteral("A.adl"));
    EXPECT_EQ(child<ucText>("ucTextDVDListe")->text(), QStringLiteral("Meine Filme"));
    for (const char* name : {"ucTextDVDListe", "FileDVDlist", "btDVDtake", "btDVDcreate", "btDVDcopy", "btDVDdelete"})
        EXPECT_TRUE(child(name)->isVisible()) << name;
    showPage(5);
    EXPECT_FALSE(files()->isVisible());
}

TEST_F(ListenTest, CreateWritesAnEmptyListAndADefaultShelfThatCanBeTaken)
{
    useCollection({title("Alien"), title("Brazil")});
    showPage(4);
    messages.expectInput(QStringLiteral("neu"));
    click("btDVDcreate");
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("Box 10")});
    EXPECT_EQ(messages.titles, QStringList{QStringLiteral("Box 12")});
    EXPECT_EQ(folder.read(QStringLiteral("lists/neu.adl")), kEmptyList);
    EXPECT_EQ(folder.read(QStringLiteral("shelves/neu.arf")), kDefaultShelf);
    EXPECT_TRUE(entries().contains(QStringLiteral("neu.adl")));
    EXPECT_EQ(session().DVDListe().getListSize(), 2); // creating takes nothing
    EXPECT_EQ(status(), QString());

    select(QStringLiteral("neu.adl"));
    showPage(4); // selects the first file again
    select(QStringLiteral("neu.adl"));
    click("btDVDtake");
    EXPECT_EQ(session().DVDListe().getListSize(), 0);
    EXPECT_EQ(session().AktuelleDVDNr(), 0);
    EXPECT_EQ(currentPage(), 1);
    EXPECT_EQ(session().Options().DvdListpath(), folder.file(QStringLiteral("lists/neu.adl")));
    EXPECT_TRUE(settingsFile().contains(folder.file(QStringLiteral("lists/neu.adl")).toUtf8() + "\r\n"));
}

TEST_F(ListenTest, CreateKeepsAnExistingShelfAndRefusesAnExistingList)
{
    folder.write(QStringLiteral("shelves/x.arf"), "mine\r\n");
    showPage(4);
    messages.expectInput(QStringLiteral("x"));
    click("btDVDcreate");
    EXPECT_EQ(folder.read(QStringLiteral("lists/x.adl")), kEmptyList);
    EXPECT_EQ(folder.read(QStringLiteral("shelves/x.arf")), QByteArray("mine\r\n"));
    EXPECT_EQ(status(), msg(26));

    folder.write(QStringLiteral("lists/x.adl"), "kept");
    messages.expectInput(QStringLiteral("x"));
    click("btDVDcreate");
    EXPECT_EQ(status(), msg(9));
    EXPECT_EQ(folder.read(QStringLiteral("lists/x.adl")), QByteArray("kept"));
}

TEST_F(ListenTest, NamesThatCouldLeaveTheFolderAreRefused)
{
    writeList(QStringLiteral("a"), {title("Alien")});
    showPage(4);
    const QString names[] = {QString(), QStringLiteral("sub/x"), QStringLiteral("..\\x"), QStringLiteral("."),
                             QStringLiteral(".."), QStringLiteral("a\tb"), QStringLiteral("a\nb"),
                             QStringLiteral("../../escape")};
    for (const char* button : {"btDVDcreate", "btDVDcopy"}) {
        for (const QString& name : names) {
            clearStatus();
            select(QStringLiteral("a.adl"));
            messages.expectInput(name);
            click(button);
            // No name at all is missing input; any other refused name is not valid.
            EXPECT_EQ(status(), msg(name.isEmpty() ? 11 : 10)) << button << " " << name.toStdString();
        }
    }
    EXPECT_EQ(QDir(folder.file(QStringLiteral("lists"))).entryList(QDir::Files), QStringList{"a.adl"});
    EXPECT_FALSE(QDir(folder.file(QStringLiteral("shelves"))).exists());
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("escape.adl"))));
    EXPECT_TRUE(QDir::current().entryList({QStringLiteral("*.adl")}).isEmpty());
}

TEST_F(ListenTest, CopyTakesTheListAsItIsAndItsShelf)
{
    const QString source = writeList(QStringLiteral("a"), {title("Alien")});
    // A shelf as another program wrote it: a relative picture, bare numbers, LF line ends.
    const QByteArray shelfBytes = "pics/wood.jpg\n1\n0\n90\nAlien\n3#4#7#100\n";
    folder.write(QStringLiteral("shelves/a.arf"), shelfBytes);
    writeList(QStringLiteral("ohne"), {});
    showPage(4);

    select(QStringLiteral("a.adl"));
    messages.expectInput(QStringLiteral("b"));
    click("btDVDcopy");
    EXPECT_EQ(folder.read(QStringLiteral("lists/b.adl")), folder.read(QStringLiteral("lists/a.adl")));
    // The shelf file is copied as it is.
    EXPECT_EQ(folder.read(QStringLiteral("shelves/b.arf")), shelfBytes);
    EXPECT_EQ(files()->currentItem()->text(), QStringLiteral("a.adl"));

    // A list without a shelf file gives a new, empty shelf that can be read.
    select(QStringLiteral("ohne.adl"));
    messages.expectInput(QStringLiteral("c"));
    click("btDVDcopy");
    EXPECT_EQ(folder.read(QStringLiteral("shelves/c.arf")), QByteArray("shelf.gif\r\n0\r\n0\r\n100\r\n"));

    // Onto an existing list, and onto an existing shelf file.
    clearStatus();
    select(QStringLiteral("a.adl"));
    messages.expectInput(QStringLiteral("ohne"));
    click("btDVDcopy");
    EXPECT_EQ(status(), msg(9));
    folder.write(QStringLiteral("shelves/d.arf"), "old");
    select(QStringLiteral("a.adl"));
    messages.expectInput(QStringLiteral("d"));
    click("btDVDcopy");
    EXPECT_EQ(status(), msg(26));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("lists/d.adl"))));
    EXPECT_EQ(folder.read(QStringLiteral("shelves/d.arf")), QByteArray("old"));
    EXPECT_TRUE(QFile::exists(source));

    // A shelf file that cannot be read is a failure that says so, with no copy.
    writeList(QStringLiteral("kaputt"), {});
    folder.write(QStringLiteral("shelves/kaputt.arf/inner"), "x");
    showPage(4);
    clearStatus();
    select(QStringLiteral("kaputt.adl"));
    messages.expectInput(QStringLiteral("e"));
    click("btDVDcopy");
    EXPECT_TRUE(status().startsWith(msg(MessageText::Failed) + QStringLiteral(" (cannot read ") +
                                    folder.file(QStringLiteral("shelves/kaputt.arf"))))
        << status().toStdString();
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("lists/e.adl"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("shelves/e.arf"))));
}

TEST_F(ListenTest, CopyWithoutASelectionAsksAndRefuses)
{
    showPage(4); // an empty lists folder
    messages.expectInput(QStringLiteral("b"));
    click("btDVDcopy");
    EXPECT_EQ(status(), msg(11));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("lists/b.adl"))));
}

TEST_F(ListenTest, DeleteAsksAndLeavesTheShelfFile)
{
    useCollection({title("Alien")});
    writeList(QStringLiteral("alt"), {});
    folder.write(QStringLiteral("shelves/alt.arf"), "shelf");
    showPage(4);

    select(QStringLiteral("alt.adl"));
    messages.expectMessage(MsgAnswer::No);
    click("btDVDdelete");
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("lists/alt.adl"))));

    select(QStringLiteral("alt.adl"));
    messages.expectMessage(MsgAnswer::Yes);
    click("btDVDdelete");
    EXPECT_EQ(messages.shown, (QStringList{"Box 8", "Box 8"}));
    EXPECT_EQ(messages.titles, (QStringList{"Box 5", "Box 5"}));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("lists/alt.adl"))));
    EXPECT_EQ(folder.read(QStringLiteral("shelves/alt.arf")), QByteArray("shelf"));
    EXPECT_EQ(entries(), QStringList{"main.adl"});
    EXPECT_EQ(status(), msg(5));
}

TEST_F(ListenTest, TheCurrentCollectionIsNeverDeletedHoweverItsPathIsSpelled)
{
    const QString real = writeList(QStringLiteral("main"), {title("Alien")});
    QFile::link(real, folder.file(QStringLiteral("link.adl")));
    QFile::link(folder.file(QStringLiteral("lists")), folder.file(QStringLiteral("alias")));
    const QString spellings[] = {
        real,
        folder.path() + QStringLiteral("/lists/../lists/main.adl"),
        folder.path() + QStringLiteral("//lists/./main.adl"),
        folder.path() + QStringLiteral("\\lists\\main.adl"),
        QStringLiteral("lists/main.adl"),
        folder.file(QStringLiteral("link.adl")),
        folder.file(QStringLiteral("alias/main.adl")),
    };
    showPage(4);
    for (const QString& path : spellings) {
        session().Options().setDvdListpath(path);
        clearStatus();
        select(QStringLiteral("main.adl"));
        click("btDVDdelete"); // no question is asked
        EXPECT_EQ(status(), msg(28)) << path.toStdString();
        EXPECT_TRUE(QFile::exists(real));
    }
}

TEST_F(ListenTest, AConvertedListIsReportedAfterPageOneWhoseCoverIsMissing)
{
    useCollection({title("Alien")});
    // The older layout: the count, then 16 lines a title; its cover is missing.
    folder.writeLines(QStringLiteral("lists/alt.adl"),
                      {" 1 ", "Zorro", " 4 ", "Drama", "USA 1999", " 16 ", " 120 ", " 1500 ", "", "A", "", "", "", "",
                       "Reg", "cover\\fehlt.jpg", ""});
    showPage(4);
    select(QStringLiteral("alt.adl"));
    click("btDVDtake");
    EXPECT_EQ(session().DVDListe().getDataString(1, 1), QStringLiteral("Zorro"));
    EXPECT_EQ(currentPage(), 1);
    EXPECT_EQ(status(), msg(37));
    EXPECT_LT(host.log.indexOf("ShowPage 1"), host.log.indexOf("StatusMsg 37"));
    EXPECT_TRUE(folder.read(QStringLiteral("lists/alt.adl")).startsWith("LIST VERSION#0\r\n"));
}

TEST_F(ListenTest, AListThatCannotBeReadLeavesEverythingAsItWas)
{
    useCollection({title("Alien"), title("Brazil")});
    session().selectTitle(2);
    const QString before = session().Options().DvdListpath();
    // Announces three titles but holds one.
    const QString one = writeList(QStringLiteral("kaputt"), {title("Casablanca")});
    QByteArray bytes = folder.read(QStringLiteral("lists/kaputt.adl"));
    bytes.replace("COUNT#1", "COUNT#3");
    folder.write(QStringLiteral("lists/kaputt.adl"), bytes);
    folder.write(QStringLiteral("lists/zahl.adl"), "LIST VERSION#0\r\nCOUNT#x\r\n");

    showPage(4);
    // The message names the file, the line and what is wrong there.
    const std::pair<const char*, const char*> entries[] = {
        {"kaputt.adl", "lists/kaputt.adl, line 17: the file ends before this line"},
        {"zahl.adl", "lists/zahl.adl, line 2: 'x' is not a number"},
    };
    for (const auto& [entry, cause] : entries) {
        clearStatus();
        select(QString::fromLatin1(entry));
        click("btDVDtake");
        EXPECT_EQ(status(), msg(27) + QStringLiteral(" (%1)").arg(QLatin1String(cause))) << entry;
        EXPECT_EQ(session().DVDListe().getListSize(), 2);
        EXPECT_EQ(session().DVDListe().getDataString(2, 1), QStringLiteral("Brazil"));
        EXPECT_EQ(session().AktuelleDVDNr(), 2);
        EXPECT_EQ(session().Options().DvdListpath(), before);
        EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("settings.aef"))));
        EXPECT_EQ(currentPage(), 4);
    }
}

TEST_F(ListenTest, AnEmptyFolderHasNothingToTakeOrDelete)
{
    showPage(4);
    click("btDVDtake");
    EXPECT_EQ(status(), msg(29));
    clearStatus();
    click("btDVDdelete");
    EXPECT_EQ(status(), msg(29));
}

} // namespace

namespace {

TEST_F(ListenTest, LayoutAt800By600)
{
    const struct {
        const char* name;
        QRect geometry;
    } expected[] = {
        {"ucTextDVDListe", {175, 30, 450, 20}}, {"FileDVDlist", {175, 50, 450, 300}},
        {"btDVDtake", {175, 360, 450, 25}},     {"btDVDcreate", {175, 415, 450, 25}},
        {"btDVDcopy", {175, 440, 450, 25}},     {"btDVDdelete", {175, 465, 450, 25}},
    };
    for (const auto& e : expected)
        EXPECT_EQ(child(e.name)->geometry(), e.geometry) << e.name;
}

} // namespace

namespace {

TEST_F(ListenTest, TakingARepairedListLetsItBeWrittenAgain)
{
    const QString path = folder.file(QStringLiteral("lists/main.adl"));
    folder.write(QStringLiteral("lists/main.adl"), "LIST VERSION#0\r\nCOUNT#3\r\n");
    session().Options().setDvdListpath(path);
    EXPECT_THROW(session().LoadDVDList(), RuntimeError);
    EXPECT_THROW(session().SaveDVDList(), RuntimeError); // not overwritten while unread

    writeList(QStringLiteral("main"), {title("Alien")});
    showPage(4);
    select(QStringLiteral("main.adl"));
    click("btDVDtake");
    session().DVDListe().AddDVD(title("Brazil"));
    EXPECT_NO_THROW(session().SaveDVDList());
    EXPECT_TRUE(folder.read(QStringLiteral("lists/main.adl")).contains("COUNT#2"));
}

} // namespace
