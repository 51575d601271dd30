#include "exchange/PageImport.h"
#include "platform/Paths.h"
#include "tests/exchange/core/ExchangeFixture.h"
#include "tests/exchange/PageFixture.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedProgress.h"
#include "tests/support/UserInput.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <functional>

using namespace exchange_test;

namespace {

using L = clsDatentraegerList;

const QString kMarked = QStringLiteral("--------Stil 1");

// The column order list as it stands after the design step.
const QStringList kDefaultOrder = {
    "Stil 3",  "Stil 4",  "Stil 5",  "Stil 14", "Stil 6",  "Stil 7",  "Stil 8",  "Stil 9",  "Stil 10",
    "Stil 111", "Stil 112", "Stil 113", "Stil 114", "Stil 115", "Stil 61", "Stil 12", "Stil 13",
};

class ImportPageTest : public ExchangePageTest {
protected:
    ImportPageTest()
    {
        page = std::make_unique<PageImport>(host);
        page->SetDesignImport();
        page->SetSizes(800, 600);
        page->ShowImport();
        list = find<QListWidget>("ListImpSpaltenOrder");
        file = find<ucEntry>("ucEntryImportFile");
        name = find<ucEntry>("ucEntryImpNewListName");
        rows = find<ucEntry>("ucEntryImpAnzahl");
        header = find<QCheckBox>("CheckImpFirstLine");
    }

    QStringList order() const { return UserInput::items(list); }

    // Selects a row of the order list (-1: none) and presses the list buttons in turn.
    void press(int row, std::initializer_list<const char*> buttons)
    {
        if (row < 0)
            list->setCurrentItem(nullptr);
        else
            list->setCurrentRow(row);
        for (const char* b : buttons)
            click(find<QPushButton>(b));
    }

    int import(const QString& workbook, const QString& listName, const QString& rowCount, bool headerRow)
    {
        file->setValue(workbook);
        name->setValue(listName);
        rows->setValue(rowCount);
        header->setChecked(headerRow);
        host.statusMessages.clear();
        click(find<QPushButton>("btImportieren"));
        EXPECT_EQ(host.statusMessages.size(), 1u);
        return host.lastStatus();
    }

    QString listFile(const QString& listName) const { return folder.file(QStringLiteral("lists/") + listName + ".adl"); }

    std::unique_ptr<PageImport> page;
    QListWidget* list;
    ucEntry* file;
    ucEntry* name;
    ucEntry* rows;
    QCheckBox* header;
};

TEST_F(ImportPageTest, DesignFillsTheDefaultsThatShowingKeepsAndResetRestores)
{
    const char* controls[] = {"lbImpZuordnung",     "btImpReset",        "ListImpSpaltenOrder", "btImpOben",
                              "btImpUnten",         "btImpEntfernen",    "CheckImpFirstLine",   "ucEntryImportFile",
                              "ucEntryImpNewListName", "ucEntryImpAnzahl", "btImportieren"};
    for (const char* c : controls)
        EXPECT_TRUE(find<QWidget>(c)->isVisible()) << c;

    EXPECT_EQ(order(), kDefaultOrder);
    EXPECT_EQ(name->value(), "Stil 142");
    EXPECT_EQ(file->value(), "");
    EXPECT_EQ(rows->value(), "1");
    EXPECT_EQ(file->Style(), 3);
    EXPECT_EQ(name->Style(), 1);
    EXPECT_EQ(QStringList({file->Caption(), name->Caption(), rows->Caption()}),
              QStringList({"Stil 156", "Stil 157", "Stil 155"}));
    EXPECT_EQ(find<QLabel>("lbImpZuordnung")->text(), "Stil 154");
    EXPECT_EQ(header->text(), "Stil 153");
    EXPECT_EQ(find<QPushButton>("btImportieren")->text(), "Stil 152");
    EXPECT_EQ(find<QPushButton>("btImpReset")->text(), "o");
    EXPECT_EQ(find<QPushButton>("btImpEntfernen")->text(), "<");
    for (const char* chevron : {"btImpOben", "btImpUnten"}) {
        EXPECT_TRUE(find<QPushButton>(chevron)->text().isEmpty()) << chevron;
        EXPECT_FALSE(find<QPushButton>(chevron)->icon().isNull()) << chevron;
    }

    // The file button offers both workbook formats, starting in the program folder.
    {
        ScriptedFileDialogs dialogs;
        dialogs.expectOpen(folder.file("import/filme.xlsx"));
        click(file->findChild<QPushButton*>(QStringLiteral("btFile")));
        ASSERT_EQ(dialogs.filters.size(), 1);
        EXPECT_TRUE(dialogs.filters[0].contains("*.xls;")) << dialogs.filters[0].toStdString();
        EXPECT_TRUE(dialogs.filters[0].contains("*.xlsx")) << dialogs.filters[0].toStdString();
        EXPECT_EQ(dialogs.folders[0], folder.path());
    }
    EXPECT_EQ(file->value(), folder.file("import/filme.xlsx"));

    // Leaving the page and coming back keeps every entry.
    type(name, "Meine Filme");
    type(rows, "12");
    header->setChecked(true);
    press(3, {"btImpEntfernen"});
    page->HideImport();
    for (const char* c : controls)
        EXPECT_FALSE(find<QWidget>(c)->isVisible()) << c;
    page->ShowImport();
    EXPECT_EQ(name->value(), "Meine Filme");
    EXPECT_EQ(rows->value(), "12");
    EXPECT_EQ(file->value(), folder.file("import/filme.xlsx"));
    EXPECT_EQ(order()[3], kMarked);

    // The reset button, and the design step after saved settings, restore all but the check box.
    for (const auto& reset : std::initializer_list<std::function<void()>>{
             [&] { click(find<QPushButton>("btImpReset")); }, [&] { page->SetDesignImport(); }}) {
        press(3, {"btImpEntfernen"});
        name->setValue("x");
        rows->setValue("7");
        file->setValue("y.xls");
        reset();
        EXPECT_EQ(order(), kDefaultOrder);
        EXPECT_EQ(name->value(), "Stil 142");
        EXPECT_EQ(file->value(), "");
        EXPECT_EQ(rows->value(), "1");
        EXPECT_TRUE(header->isChecked());
    }
}

TEST_F(ImportPageTest, LayoutPutsTheSmallButtonsBesideTheLabelAndTheList)
{
    // At 800 x 600: a 500 wide column at 150, the small buttons 5 right of it.
    const std::pair<const char*, QRect> placed[] = {
        {"lbImpZuordnung", QRect(150, 30, 500, 20)},
        {"btImpReset", QRect(655, 30, 21, 21)},
        {"btImpOben", QRect(655, 55, 21, 21)},
        {"ListImpSpaltenOrder", QRect(150, 55, 500, 200)},
        {"btImpUnten", QRect(655, 81, 21, 21)},
        {"btImpEntfernen", QRect(655, 234, 21, 21)}, // flush with the list's bottom
        {"CheckImpFirstLine", QRect(150, 260, 500, 20)},
        {"ucEntryImportFile", QRect(150, 285, 500, 25)},
        {"ucEntryImpNewListName", QRect(150, 310, 500, 25)},
        {"ucEntryImpAnzahl", QRect(150, 335, 500, 25)},
    };
    for (const auto& [name, rect] : placed)
        EXPECT_EQ(find<QWidget>(name)->geometry(), rect) << name;
    const QRect import = find<QWidget>("btImportieren")->geometry();
    EXPECT_EQ(import.topLeft(), QPoint(150, 365));
    EXPECT_EQ(import.width(), 500);
}

TEST_F(ImportPageTest, ListButtonsMoveAndMarkTheSelectedEntry)
{
    const QStringList& d = kDefaultOrder;
    auto with = [&](std::initializer_list<QString> front) {
        QStringList o = front;
        o += d.mid(static_cast<qsizetype>(front.size()));
        return o;
    };
    struct Case {
        const char* name;
        int select;
        std::initializer_list<const char*> buttons;
        QStringList order;
        int selected; // -1: nothing
    };
    const Case cases[] = {
        {"up", 2, {"btImpOben"}, with({d[0], d[2], d[1]}), 1},
        {"down", 0, {"btImpUnten"}, with({d[1], d[0]}), 1},
        {"up with the first", 0, {"btImpOben"}, d, 0},
        {"down with the last", 16, {"btImpUnten"}, d, 16},
        {"to the top in four steps", 4, {"btImpOben", "btImpOben", "btImpOben", "btImpOben"},
         with({d[4], d[0], d[1], d[2], d[3]}), 0},
        {"marked twice", 1, {"btImpEntfernen", "btImpEntfernen"}, with({d[0], kMarked}), 1},
        {"nothing selected", -1, {"btImpOben", "btImpUnten", "btImpEntfernen"}, d, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        page->ResetImportSpalten();
        press(c.select, c.buttons);
        EXPECT_EQ(order(), c.order);
        const QListWidgetItem* current = list->currentItem();
        EXPECT_EQ(current && current->isSelected() ? list->row(current) : -1, c.selected);
    }
}

TEST_F(ImportPageTest, EntriesAreCheckedBeforeTheWorkbookIsRead)
{
    const QString workbook = fixture("order.xlsx"); // one row, no header
    folder.writeLines("lists/Vorhanden.adl", {"kept"});
    folder.writeLines("lists/.versteckt.adl", {"kept"});
    struct Case {
        QString workbook;
        QString listName;
        QString rowCount;
        int status;
    };
    const Case cases[] = {
        {"", "Neu", "1", 11},
        {workbook, "", "1", 11},
        // Names that would not make a file in the lists folder.
        {workbook, "a/b", "1", 11},
        {workbook, "..\\x", "1", 11},
        {workbook, ".", "1", 11},
        {workbook, "..", "1", 11},
        {workbook, "a\tb", "1", 11},
        // An existing list, whatever the workbook entry says.
        {folder.file("nowhere.xlsx"), "Vorhanden", "1", 12},
        {workbook, ".versteckt", "1", 12},
        {workbook, "Neu", "0", 25},
        {workbook, "Neu", "10000", 25},
        {workbook, "Neu", "0.5", 25},
        {workbook, "Neu", "viele", 25},
        {workbook, "Neu", "", 25},
        // Passes every check, then the workbook cannot be read.
        {folder.file("nowhere.xlsx"), "Neu", "1", 19},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listName.toStdString() + " / " + c.rowCount.toStdString());
        EXPECT_EQ(import(c.workbook, c.listName, c.rowCount, false), c.status);
        EXPECT_FALSE(QFileInfo::exists(listFile("Neu")));
        EXPECT_FALSE(QFileInfo::exists(folder.file("x.adl")));
    }
    EXPECT_EQ(folder.read("lists/Vorhanden.adl"), "kept\r\n");
    EXPECT_EQ(folder.read("lists/.versteckt.adl"), "kept\r\n");
    EXPECT_EQ(host.session().DVDListe().getListSize(), 0);

    // A fraction reads as many rows as its whole part: the data row and one empty row.
    EXPECT_EQ(import(workbook, "Neu", "2.7", false), 18);
    L imported;
    imported.Load(listFile("Neu"));
    ASSERT_EQ(imported.getListSize(), 2);
    EXPECT_EQ(imported.getDataString(1, L::FieldFilmname), "");
    EXPECT_EQ(imported.getDataString(2, L::FieldFilmname), "USA 2001");
}

TEST_F(ImportPageTest, ImportsAWorkbookIntoANewListOnceAndLeavesTheCollectionAlone)
{
    ScriptedProgress progress; // a slow reader may bring up its display
    for (const char* book : {"titles.xlsx", "titles.xls"}) {
        SCOPED_TRACE(book);
        const QString listName = QStringLiteral("Import ") + QString::fromLatin1(book);
        type(file, fixture(QString::fromLatin1(book)));
        type(name, listName);
        type(rows, "4");
        header->setChecked(true);
        click(find<QPushButton>("btImportieren"));
        EXPECT_EQ(host.lastStatus(), 18);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);

        L imported;
        imported.Load(listFile(listName));
        ASSERT_EQ(imported.getListSize(), 4);
        // Sorted by name, the empty row first; the header row was not read.
        EXPECT_EQ(imported.getDataString(1, L::FieldFilmname), "");
        EXPECT_EQ(imported.getDataString(2, L::FieldFilmname), QString::fromUtf8("Äpfel & <Birnen>"));
        EXPECT_EQ(titleTexts(imported, 4),
                  QStringList({"Zebra", "DVD", "4", "Drama/Krimi", "USA 1999", "16", "120", "1999", "Regie Eins",
                               "Anna", "Bert", "Carl", "Dora", "Emil", "Notiz", Paths::resolve("cover/zebra.jpg"),
                               Paths::resolve("trailer/zebra.avi")}));

        // The page stays as it was, and the same name is now taken.
        EXPECT_EQ(name->value(), listName);
        EXPECT_EQ(host.session().DVDListe().getListSize(), 0);
        const QByteArray written = folder.read("lists/" + listName + ".adl");
        click(find<QPushButton>("btImportieren"));
        EXPECT_EQ(host.lastStatus(), 12);
        EXPECT_EQ(folder.read("lists/" + listName + ".adl"), written);
    }
}

// A reader that runs long brings up a display with Cancel, which stops it:
// the import fails and writes nothing. A quick read shows none.
TEST_F(ImportPageTest, ASlowReaderShowsADisplayWhoseCancelStopsIt)
{
    const QString book = fixture("titles.xls");
    {
        SCOPED_TRACE("quick");
        ScriptedProgress progress;
        ASSERT_EQ(import(fixture("titles.xlsx"), "Schnell", "4", true), 18);
        EXPECT_TRUE(progress.totals.empty());
    }
    {
        SCOPED_TRACE("slow");
        ScriptedReader reader(QStringLiteral("sleep 0.5\nexec '%1' \"$1\"").arg(QStringLiteral(QUORDVD_XLS_READER)));
        ScriptedProgress progress;
        ASSERT_EQ(import(book, "Langsam", "4", true), 18);
        EXPECT_EQ(progress.titles, QStringList{"Stil 152"});
        EXPECT_EQ(progress.cancelTexts, QStringList{"Box 32"});
        EXPECT_EQ(progress.totals, std::vector<int>{0});
        EXPECT_GE(progress.labels.size(), 2);
        EXPECT_EQ(progress.labels.first(), "titles.xls");
        L imported;
        imported.Load(listFile("Langsam"));
        EXPECT_EQ(imported.getListSize(), 4);
    }
    {
        SCOPED_TRACE("cancelled");
        ScriptedReader reader(QStringLiteral("exec sleep 30"));
        ScriptedProgress progress;
        progress.cancelAfter(0);
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(import(book, "Abgebrochen", "4", true), 19);
        EXPECT_LT(timer.elapsed(), 5000);
        EXPECT_EQ(progress.totals.size(), 1u);
        EXPECT_FALSE(QFileInfo::exists(listFile("Abgebrochen")));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

// A failed import says why behind its message, and leaves no list file.
TEST_F(ImportPageTest, AFailedImportNamesItsCause)
{
    const QString titles = fixture("titles.xlsx");
    EXPECT_EQ(import(fixture("bad-rating.xlsx"), "Rating", "1", true), 19);
    EXPECT_EQ(host.log.last(), R"(StatusMsg 19 (row 2, Stil 5: "256" lies outside 0 to 255))");
    // Row 1 read as a title.
    EXPECT_EQ(import(titles, "Header", "1", false), 19);
    EXPECT_EQ(host.log.last(), R"(StatusMsg 19 (row 1, Stil 5: "Bewertung:" is not a number))");

    const QString book = fixture("titles.xls");
    XlsWorkbook::setReaderProgram(folder.file("quordvd-xls"));
    EXPECT_EQ(import(book, "Xls", "1", true), 19);
    XlsWorkbook::setReaderProgram(QStringLiteral(QUORDVD_XLS_READER));
    EXPECT_EQ(host.log.last(), "StatusMsg 19 (" + book + ": the .xls reader quordvd-xls is missing beside the program)");

    // A disk that fills up while the list is written.
    {
        FileSizeLimit limit(40);
        EXPECT_EQ(import(titles, "Full", "4", true), 19);
    }
    EXPECT_EQ(host.log.last(), "StatusMsg 19 (cannot write " + listFile("Full") + ": disk full or file too large)");
    for (const char* listName : {"Rating", "Header", "Xls", "Full"})
        EXPECT_FALSE(QFileInfo::exists(listFile(QString::fromLatin1(listName)))) << listName;
}

// Which field each column gives, as the user arranges the list.
TEST_F(ImportPageTest, ColumnOrderDecidesWhichColumnFillsWhichField)
{
    const QString c = Paths::resolve("cover");
    const QString t = Paths::resolve("trailer");
    struct Case {
        const char* name;
        QMap<int, QString> captions;
        std::function<void()> arrange;
        QStringList fields; // of the one title, in the export's column order
    };
    const Case cases[] = {
        {"default order", {}, [] {},
         {"USA 2001", "Film B", "4", "3", "Drama", "12", "100", "999", "7", "Actor1", "Actor2", "Actor3", "Actor4",
          "Actor5", "frei", c, t}},
        // Format not imported, then country and year moved to the top: column 3 is not read.
        {"marked and moved", {},
         [&] {
             press(1, {"btImpEntfernen"});
             press(4, {"btImpOben", "btImpOben", "btImpOben", "btImpOben"});
         },
         {"Film B", "", "3", "Drama", "USA 2001", "12", "100", "999", "7", "Actor1", "Actor2", "Actor3", "Actor4",
          "Actor5", "frei", c, t}},
        // A caption holding "," makes two tokens that match nothing, and moves every later field one column on.
        {"caption with a comma", {{6, "Land,Jahr"}}, [] {},
         {"USA 2001", "Film B", "4", "3", "", "100", "999", "7", "Actor1", "Actor2", "Actor3", "Actor4", "Actor5",
          "frei", "cover", t, ""}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        writeStyle(k.captions);
        host.session().LoadLanguages();
        page->SetDesignImport();
        k.arrange();
        QFile::remove(listFile("Reihenfolge"));
        ASSERT_EQ(import(fixture("order.xlsx"), "Reihenfolge", "1", false), 18);
        L imported;
        imported.Load(listFile("Reihenfolge"));
        ASSERT_EQ(imported.getListSize(), 1);
        EXPECT_EQ(titleTexts(imported, 1), k.fields);
    }
}

} // namespace
