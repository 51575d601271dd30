#include "exchange/core/clsExcelHandler.h"
#include "platform/Paths.h"
#include "tests/exchange/core/ExchangeFixture.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

using namespace exchange_test;

namespace {

using L = clsDatentraegerList;

QString defaultOrder(const clsTranslation& captions = shippedCaptions())
{
    return clsExcelHandler::ColumnCaptions(captions).join(u',');
}

// Texts as the list file gives them back: number fields as decimals, paths completed.
QStringList expected(std::initializer_list<const char*> values)
{
    QStringList out;
    for (const char* v : values)
        out << QString::fromUtf8(v);
    for (int k : {15, 16}) // cover and trailer
        if (!out[k].isEmpty())
            out[k] = Paths::resolve(out[k]);
    return out;
}

struct Import {
    bool ok;
    QString listPath;
};

Import import(const TempProgramFolder& folder, const QString& workbook, const QString& order, bool header, int rows,
              const clsTranslation& captions = shippedCaptions())
{
    const QString listPath = folder.file(QStringLiteral("lists/import.adl"));
    clsExcelHandler handler;
    return {handler.ExcelImport(captions, workbook, listPath, order, header, rows), listPath};
}

} // namespace

TEST(ExcelImport, RoundTripWithTheDefaultOrder)
{
    TempProgramFolder folder;
    const QString workbook =
        copyTo(shippedResource(QStringLiteral("ExportExcel.xlsx")), folder.path(), QStringLiteral("ExportExcel.xlsx"));
    L list;
    fillList(list, 10);
    clsDatentraeger odd = numberedTitle(11);
    odd.SetFilmname(QStringLiteral("=1+1"));
    odd.SetRegie(QStringLiteral("007"));
    odd.SetGenre(QString());
    odd.SetSonstiges(QString::fromUtf8("  Umlaute äöü & <Klammern> 🎬  "));
    odd.SetKaufpreis(-5);
    odd.SetBewertung(255);
    list.AddSortedDVD(odd);
    clsExcelHandler handler;
    ASSERT_TRUE(handler.ExcelExport(shippedCaptions(), list, workbook));

    const Import result = import(folder, workbook, defaultOrder(), true, list.getListSize());
    ASSERT_TRUE(result.ok);
    L back;
    back.Load(result.listPath);
    ASSERT_EQ(back.getListSize(), list.getListSize());
    for (int i = 1; i <= list.getListSize(); ++i)
        EXPECT_EQ(titleTexts(back, i), titleTexts(list, i)) << i;
}

// Fixtures of two independent writers: numbers as numbers or texts, halves,
// an empty row, equal names, a line break in a cell, a column 18 never read.
TEST(ExcelImport, ReadsAndConvertsBothFormats)
{
    for (const char* name : {"titles.xlsx", "titles.xls"}) {
        SCOPED_TRACE(name);
        TempProgramFolder folder;
        const Import result = import(folder, fixture(QString::fromLatin1(name)), defaultOrder(), true, 4);
        ASSERT_TRUE(result.ok);
        L list;
        list.Load(result.listPath);
        ASSERT_EQ(list.getListSize(), 4);
        // The empty row sorts first; the two "Zebra" rows come in reverse row order.
        EXPECT_EQ(titleTexts(list, 1), expected({"", "", "0", "", "", "0", "0", "0", "", "", "", "", "", "", "", "", ""}));
        EXPECT_EQ(titleTexts(list, 2),
                  expected({"Äpfel & <Birnen>", "BluRay", "3", "Komödie", "2001", "12", "2", "4", "Régie Zwei", "Zoë", "",
                            "", "", "", "zwei Zeilen", "/abs/cover.jpg", ""}));
        EXPECT_EQ(titleTexts(list, 3), expected({"Zebra", "VHS", "0", "Western", "D 1970", "0", "95", "0", "Regie Drei",
                                                 "", "", "", "", "", "", "", ""}));
        EXPECT_EQ(titleTexts(list, 4),
                  expected({"Zebra", "DVD", "4", "Drama/Krimi", "USA 1999", "16", "120", "1999", "Regie Eins", "Anna",
                            "Bert", "Carl", "Dora", "Emil", "Notiz", "cover/zebra.jpg", "trailer/zebra.avi"}));
        // A line break in a cell never splits a line of the list file.
        EXPECT_EQ(readFile(result.listPath).count("\r\n"), 2 + 4 * 14);
    }
}

TEST(ExcelImport, HeaderFlagAndRowCountChooseTheRows)
{
    const QString workbook = fixture(QStringLiteral("order.xlsx")); // one row, no header
    struct Case {
        bool header;
        int rows;
        QStringList names; // in list order
    };
    const Case cases[] = {
        {false, 1, {QStringLiteral("USA 2001")}},
        {true, 1, {QString()}}, // row 2 is empty
        {false, 3, {QString(), QString(), QStringLiteral("USA 2001")}},
        {false, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.header << " " << c.rows);
        TempProgramFolder folder;
        const Import result = import(folder, workbook, defaultOrder(), c.header, c.rows);
        ASSERT_TRUE(result.ok);
        L list;
        list.Load(result.listPath);
        QStringList names;
        for (int i = 1; i <= list.getListSize(); ++i)
            names << list.getDataString(i, L::FieldFilmname);
        EXPECT_EQ(names, c.names);
    }
}

TEST(ExcelImport, ColumnOrders)
{
    TempProgramFolder folder;
    const clsTranslation& shipped = shippedCaptions();
    QStringList moved = clsExcelHandler::ColumnCaptions(shipped);
    moved[1] = QStringLiteral("--------") + shipped.MultiWord(1); // format not imported
    moved.move(4, 0);                                              // country and year to the top

    // A caption holding "," makes two tokens and moves every later column one to the right.
    QStringList lines;
    for (int k = 1; k <= 180; ++k)
        lines << QStringLiteral("%1#%2#").arg(k).arg(k == 6 ? QStringLiteral("Land,Jahr") : shipped.MultiWord(k));
    const clsTranslation comma = captionsFrom(folder.path(), lines);

    // Without a caption table every caption is empty, and an empty token reads nothing.
    const clsTranslation none = captionsFrom(folder.path(), {});

    struct Case {
        const char* name;
        QString order;
        const clsTranslation* captions;
        QStringList fields;
    };
    const Case cases[] = {
        {"moved, one not imported", moved.join(u','), &shipped,
         expected({"Film B", "", "3", "Drama", "USA 2001", "12", "100", "999", "7", "Actor1", "Actor2", "Actor3",
                   "Actor4", "Actor5", "frei", "cover", "trailer"})},
        {"caption with a comma", defaultOrder(comma), &comma,
         expected({"USA 2001", "Film B", "4", "3", "", "100", "999", "7", "Actor1", "Actor2", "Actor3", "Actor4",
                   "Actor5", "frei", "cover", "trailer", ""})},
        {"no captions", defaultOrder(none), &none,
         expected({"", "", "0", "", "", "0", "0", "0", "", "Actor1", "Actor2", "Actor3", "Actor4", "Actor5", "", "",
                   ""})},
        {"short order, unknown tokens", QStringLiteral("Format,,Unbekannt,Filmtitel"), &shipped,
         expected({"3", "USA 2001", "0", "", "", "0", "0", "0", "", "", "", "", "", "", "", "", ""})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(folder.file(QStringLiteral("lists/import.adl")));
        const Import result = import(folder, fixture(QStringLiteral("order.xlsx")), c.order, false, 1, *c.captions);
        ASSERT_TRUE(result.ok);
        L list;
        list.Load(result.listPath);
        ASSERT_EQ(list.getListSize(), 1);
        EXPECT_EQ(titleTexts(list, 1), c.fields);
    }
}

// A cell that does not convert, and every kind of damaged or hostile
// workbook, fail the whole import before a list file is written.
TEST(ExcelImport, FailsWithoutWritingAList)
{
    const char* failing[] = {
        "bad-running-time.xlsx", "bad-rating.xlsx", "bad-price.xlsx",
        "missing.xlsx", "not-a-zip.xlsx", "empty.xlsx", "truncated.xlsx", "no-workbook.xlsx", "missing-sheet.xlsx",
        "escaping-target.xlsx", "bomb.xlsx", "bomb-lying.xlsx", "huge-sheet.xlsx", "ref-row-beyond.xlsx",
        "ref-column-beyond.xlsx", "ref-huge-number.xlsx", "ref-four-letters.xlsx", "ref-row-zero.xlsx",
        "ref-wrong-row.xlsx", "rows-out-of-order.xlsx", "malformed.xlsx", "entities.xlsx", "bad-shared-index.xlsx",
        "bad-number.xlsx", "damaged.xls", "damaged-1.xls", "damaged-2.xls", "damaged-3.xls", "damaged-4.xls",
        "damaged-5.xls", "damaged-6.xls", "damaged-7.xls",
    };
    for (const char* name : failing) {
        SCOPED_TRACE(name);
        TempProgramFolder folder;
        const Import result = import(folder, fixture(QString::fromLatin1(name)), defaultOrder(), true, 3);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(QFileInfo::exists(result.listPath));
    }

    // More rows than a list holds, and a list file that cannot be written.
    TempProgramFolder folder;
    EXPECT_FALSE(import(folder, fixture(QStringLiteral("order.xlsx")), defaultOrder(), false, 10000).ok);
    const QString blocked = folder.write(QStringLiteral("blocked"), "a file where a folder should be");
    clsExcelHandler handler;
    EXPECT_FALSE(handler.ExcelImport(shippedCaptions(), fixture(QStringLiteral("order.xlsx")),
                                     blocked + QStringLiteral("/import.adl"), defaultOrder(), false, 1));
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("lists/import.adl"))));
}

// What stopped an import is told: the cell by its row and its column's
// name in the order, else the workbook or the list file and the cause.
TEST(ExcelImport, AFailureNamesTheCellOrTheFileAndTheCause)
{
    TempProgramFolder folder;
    clsTranslation english;
    english.setLanguage(1);
    english.Load(shippedResource(QStringLiteral("languages/english-style.ass")));
    const QString exported =
        copyTo(shippedResource(QStringLiteral("ExportExcel.xlsx")), folder.path(), QStringLiteral("e.xlsx"));
    L list;
    fillList(list, 2);
    clsExcelHandler handler;
    handler.exportTo(english, list, exported);

    const auto bad = [](const char* name) { return fixture(QString::fromLatin1(name)); };
    const struct {
        const char* what;
        QString workbook;
        bool header;
        QString cause;
    } cases[] = {
        {"the header row read as a title", exported, false, R"(row 1, Rating: "Rating:" is not a number)"},
        {"a text as running time", bad("bad-running-time.xlsx"), true, R"(row 2, Running time: "lang" is not a number)"},
        {"a rating of 256", bad("bad-rating.xlsx"), true, R"(row 2, Rating: "256" lies outside 0 to 255)"},
        {"a price of 40000", bad("bad-price.xlsx"), true, R"(row 2, Price: "40000" lies outside -32768 to 32767)"},
        {"no workbook", bad("missing.xlsx"), true, bad("missing.xlsx") + " does not exist"},
        {"no workbook format", bad("not-a-zip.xlsx"), true, bad("not-a-zip.xlsx") + " is no .xlsx or .xls workbook"},
        {"a damaged sheet", bad("ref-row-zero.xlsx"), true,
         bad("ref-row-zero.xlsx") + ": damaged workbook: xl/worksheets/sheet1.xml: cell reference A0 in row 1"},
        {"a damaged .xls workbook", bad("damaged.xls"), true,
         "damaged workbook: " + bad("damaged.xls") + ": its sheets cannot be read"},
    };
    const QString listPath = folder.file(QStringLiteral("lists/import.adl"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(errorDetailOf([&] {
                      handler.importFrom(english, c.workbook, listPath, defaultOrder(english), c.header, 2);
                  }),
                  c.cause);
        EXPECT_FALSE(QFileInfo::exists(listPath));
    }

    // A list file that cannot be written is named with the system's reason.
    const QString blocked = folder.write(QStringLiteral("blocked"), "a file where a folder should be");
    EXPECT_TRUE(errorDetailOf([&] {
                    handler.importFrom(english, exported, blocked + QStringLiteral("/import.adl"),
                                       defaultOrder(english), true, 1);
                }).startsWith("cannot write " + blocked + "/import.adl: "));
}

// A broken installation does not read as a bad workbook.
TEST(ExcelImport, AMissingXlsReaderIsNamed)
{
    TempProgramFolder folder;
    const QString listPath = folder.file(QStringLiteral("lists/import.adl"));
    const QString book = fixture(QStringLiteral("titles.xls"));
    XlsWorkbook::setReaderProgram(folder.file(QStringLiteral("quordvd-xls")));
    clsExcelHandler handler;
    const QString cause =
        errorDetailOf([&] { handler.importFrom(shippedCaptions(), book, listPath, defaultOrder(), true, 1); });
    XlsWorkbook::setReaderProgram(QStringLiteral(QUORDVD_XLS_READER));
    EXPECT_EQ(cause, book + QStringLiteral(": the .xls reader quordvd-xls is missing beside the program"));
    EXPECT_FALSE(QFileInfo::exists(listPath));
}

TEST(ExcelImport, WorkbookPathRelativeToTheProgramFolder)
{
    TempProgramFolder folder;
    QDir().mkpath(folder.file(QStringLiteral("import")));
    copyTo(fixture(QStringLiteral("order.xlsx")), folder.file(QStringLiteral("import")), QStringLiteral("o.xlsx"));
    const Import result = import(folder, QStringLiteral("import\\o.xlsx"), defaultOrder(), false, 1);
    EXPECT_TRUE(result.ok);
}

TEST(ExcelImport, ListNamesThatStayInTheListsFolder)
{
    for (const char* name : {"Meine Liste", "a.b", "..x", "x..", "Filme 2024 (neu)", "Ärger"})
        EXPECT_TRUE(clsExcelHandler::IsListNameValid(QString::fromUtf8(name))) << name;
    for (const QString& name : {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("a/b"),
                                QStringLiteral("../x"), QStringLiteral("..\\x"), QStringLiteral("a\\b"),
                                QStringLiteral("a\tb"), QStringLiteral("a\nb"), QStringLiteral("a\rb"),
                                QString(QChar(0)) + QStringLiteral("x"), QStringLiteral("x\x7f"),
                                QString(QChar(0x85))})
        EXPECT_FALSE(clsExcelHandler::IsListNameValid(name)) << name.toStdString();
}
