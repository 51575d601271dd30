#include "exchange/core/clsExcelHandler.h"
#include "tests/exchange/core/ExchangeFixture.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempProgramFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace exchange_test;

namespace {

using L = clsDatentraegerList;

const QStringList kGermanHeader{
    QStringLiteral("Filmtitel:"),      QStringLiteral("Format:"),         QStringLiteral("Bewertung:"),
    QStringLiteral("Genre:"),          QStringLiteral("Land/Jahr:"),      QStringLiteral("FSK:"),
    QStringLiteral("Spieldauer:"),     QStringLiteral("Preis:"),          QStringLiteral("Regie:"),
    QStringLiteral("Schauspieler1:"),  QStringLiteral("Schauspieler2:"),  QStringLiteral("Schauspieler3:"),
    QStringLiteral("Schauspieler4:"),  QStringLiteral("Schauspieler5:"),  QStringLiteral("Freies Feld:"),
    QStringLiteral("Coverbild:"),      QStringLiteral("Trailer:"),
};

QString exportWorkbook(const TempProgramFolder& folder)
{
    return copyTo(shippedResource(QStringLiteral("ExportExcel.xlsx")), folder.path(), QStringLiteral("ExportExcel.xlsx"));
}

// Every export runs through both sheet merges.
class ExcelExport : public BothMerges {};
INSTANTIATE_TEST_SUITE_P(BothMerges, ExcelExport, kBothMerges, mergeName);

} // namespace

TEST_P(ExcelExport, HeaderAndOneRowPerTitle)
{
    for (int count : {0, 3, 10}) {
        SCOPED_TRACE(count);
        TempProgramFolder folder;
        const QString path = exportWorkbook(folder);
        L list;
        fillList(list, count);
        clsExcelHandler handler;
        ASSERT_TRUE(handler.ExcelExport(shippedCaptions(), list, path));

        const auto book = Workbook::open(path);
        EXPECT_EQ(rowTexts(*book, 1), kGermanHeader);
        for (int i = 1; i <= count; ++i)
            EXPECT_EQ(rowTexts(*book, i + 1), titleTexts(list, i)) << i;
        EXPECT_EQ(rowTexts(*book, count + 2, 18), QStringList(18, QString()));
        EXPECT_TRUE(book->cell(1, 18).isEmpty());
        // Numbers are written as texts, as the list gives them.
        if (count > 0) {
            EXPECT_EQ(book->cell(2, 8).kind, WorkbookCell::Kind::Text);
        }
    }
}

// A shorter export leaves nothing of an earlier one below its last title,
// so that an import of the workbook finds only the titles of this list.
TEST_P(ExcelExport, ShorterExportClearsTheRowsBelow)
{
    TempProgramFolder folder;
    const QString path = copyTo(fixture(QStringLiteral("formatted.xlsx")), folder.path(), QStringLiteral("f.xlsx"));
    clsExcelHandler handler;
    L ten;
    fillList(ten, 10);
    ASSERT_TRUE(handler.ExcelExport(shippedCaptions(), ten, path));
    {
        const auto book = Workbook::open(path);
        book->setText(11, 18, QStringLiteral("beyond the block"));
        book->save();
    }
    L three;
    for (int n : {7, 5, 6}) // other titles, in the list's own order
        three.AddSortedDVD(numberedTitle(n * 10));
    three.setDVDString(2, QString(), L::FieldSchauspieler5); // an empty field empties its cell
    ASSERT_TRUE(handler.ExcelExport(shippedCaptions(), three, path));

    const auto book = Workbook::open(path);
    EXPECT_EQ(rowTexts(*book, 1), kGermanHeader);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(rowTexts(*book, i + 1), titleTexts(three, i)) << i;
    EXPECT_TRUE(book->cell(3, 14).isEmpty());

    const QString script = QStringLiteral(R"PY(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb["Titel"]
print(json.dumps({
    "below": sorted({ws.cell(row=r, column=c).coordinate for r in range(5, 40) for c in range(1, 18)
                     if ws.cell(row=r, column=c).value is not None}),
    "rows": [[ws.cell(row=r, column=1).value for r in range(1, 5)]],
    "beyond": [ws["R2"].value, ws["R11"].value],
    "formatKept": [ws["D5"].value is None, ws["D5"].font.i],
    "notes": [wb["Notizen"]["A1"].value, wb["Notizen"]["A2"].value],
}))
)PY");
    const QJsonObject judged = QJsonDocument::fromJson(runPython(script, {path}).toUtf8()).object();
    ASSERT_FALSE(judged.isEmpty());
    // The earlier titles 4 to 10 and the workbook's own cells A20 and C20 are gone.
    EXPECT_EQ(judged[QStringLiteral("below")].toVariant().toStringList(), QStringList());
    EXPECT_EQ(judged[QStringLiteral("rows")].toArray()[0].toVariant().toStringList(),
              QStringList({kGermanHeader[0], titleTexts(three, 1)[0], titleTexts(three, 2)[0],
                           titleTexts(three, 3)[0]}));
    EXPECT_EQ(judged[QStringLiteral("beyond")].toVariant().toStringList(),
              QStringList({QStringLiteral("keep me"), QStringLiteral("beyond the block")}));
    // An emptied cell keeps its format.
    EXPECT_EQ(judged[QStringLiteral("formatKept")].toVariant().toList(), QVariantList({true, true}));
    EXPECT_EQ(judged[QStringLiteral("notes")].toVariant().toStringList(),
              QStringList({QStringLiteral("Notiz eins"), QStringLiteral("=B1*2")}));

    // An import of as many rows as the earlier export finds no title of it.
    const QString listPath = folder.file(QStringLiteral("lists/back.adl"));
    ASSERT_TRUE(handler.ExcelImport(shippedCaptions(), path, listPath,
                                    clsExcelHandler::ColumnCaptions(shippedCaptions()).join(u','), true, 10));
    L back;
    back.Load(listPath);
    int named = 0;
    for (int i = 1; i <= back.getListSize(); ++i)
        named += back.getDataString(i, L::FieldFilmname).isEmpty() ? 0 : 1;
    EXPECT_EQ(named, 3);
}

TEST_P(ExcelExport, FailsWithoutAWritableWorkbookAndLeavesItUnchanged)
{
    TempProgramFolder folder;
    L list;
    fillList(list, 3);
    clsExcelHandler handler;
    EXPECT_FALSE(handler.ExcelExport(shippedCaptions(), list, folder.file(QStringLiteral("ExportExcel.xlsx"))));
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("ExportExcel.xlsx")))); // never created

    for (const char* name : {"titles.xls", "malformed.xlsx", "not-a-zip.xlsx", "bomb.xlsx"}) {
        SCOPED_TRACE(name);
        const QString path = copyTo(fixture(QString::fromLatin1(name)), folder.path(), QString::fromLatin1(name));
        const QByteArray before = readFile(path);
        EXPECT_FALSE(handler.ExcelExport(shippedCaptions(), list, path));
        EXPECT_EQ(readFile(path), before);
    }
}

// What stopped an export is told with the workbook; the workbook stays as it was.
TEST(ExcelExport, AFailureNamesTheWorkbookAndTheCause)
{
    TempProgramFolder folder;
    L list;
    fillList(list, 50);
    clsExcelHandler handler;
    const auto exportInto = [&](const QString& path) {
        return errorDetailOf([&] { handler.exportTo(shippedCaptions(), list, path); });
    };

    const QString missing = folder.file(QStringLiteral("ExportExcel.xlsx"));
    EXPECT_EQ(exportInto(missing), missing + " does not exist");
    const QString xls = copyTo(fixture(QStringLiteral("titles.xls")), folder.path(), QStringLiteral("titles.xls"));
    EXPECT_EQ(exportInto(xls), "cannot write " + xls + ": an .xls workbook is only read");

    // A disk that fills up while the workbook is saved.
    const QString workbook = exportWorkbook(folder);
    const QByteArray before = readFile(workbook);
    {
        FileSizeLimit limit(static_cast<rlim_t>(before.size()));
        EXPECT_EQ(exportInto(workbook), "cannot write " + workbook + ": disk full or file too large");
    }
    EXPECT_EQ(readFile(workbook), before);
}

// Another program reads what the export wrote, and finds the workbook's own
// formats, widths, cells and second sheet where they were.
TEST_P(ExcelExport, AnotherProgramReadsTheExportedWorkbook)
{
    TempProgramFolder folder;
    const QString formatted = copyTo(fixture(QStringLiteral("formatted.xlsx")), folder.path(), QStringLiteral("f.xlsx"));
    const QString prefixed = copyTo(fixture(QStringLiteral("prefixed.xlsx")), folder.path(), QStringLiteral("p.xlsx"));
    L list;
    clsDatentraeger odd = numberedTitle(1);
    odd.SetFilmname(QStringLiteral("=1+1"));
    odd.SetRegie(QStringLiteral("007"));
    odd.SetSonstiges(QString::fromUtf8("  Umlaute äöü & <Klammern>  "));
    list.AddSortedDVD(odd);
    list.AddSortedDVD(numberedTitle(2));
    list.AddSortedDVD(numberedTitle(3));
    clsExcelHandler handler;
    ASSERT_TRUE(handler.ExcelExport(shippedCaptions(), list, formatted));
    ASSERT_TRUE(handler.ExcelExport(shippedCaptions(), list, prefixed));

    const QString script = QStringLiteral(R"PY(
import json, sys, openpyxl
def texts(ws, rows, cols):
    return [[ws.cell(row=r, column=c).value for c in range(1, cols + 1)] for r in rows]
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb["Titel"]
notes = wb["Notizen"]
out = {
    "sheets": wb.sheetnames,
    "active": wb.active.title,
    "rows": texts(ws, range(1, 5), 17),
    "types": sorted({ws.cell(row=r, column=c).data_type for r in range(1, 5) for c in range(1, 18)}),
    "headerBold": ws["A1"].font.b,
    "headerFill": ws["A1"].fill.fgColor.rgb,
    "b2Italic": ws["B2"].font.i,
    "d3Italic": ws["D3"].font.i,
    "rowFour": [ws["A4"].font.b, ws["D4"].font.b, ws["D4"].font.i],
    "widthA": ws.column_dimensions["A"].width,
    "widthR": ws.column_dimensions["R"].width,
    "frozen": ws.freeze_panes,
    "kept": [ws["R2"].value, ws["A20"].value is None, ws["C20"].value is None],
    "notes": [notes["A1"].value, notes["B1"].value, notes["A2"].value],
}
p = openpyxl.load_workbook(sys.argv[2]).active
out["prefixed"] = texts(p, range(1, 3), 2) + [[p.cell(row=3, column=1).value]]
print(json.dumps(out))
)PY");
    const QString output = runPython(script, {formatted, prefixed});
    const QJsonObject judged = QJsonDocument::fromJson(output.toUtf8()).object();
    ASSERT_FALSE(judged.isEmpty()) << output.toStdString();

    EXPECT_EQ(judged[QStringLiteral("sheets")].toVariant().toStringList(),
              QStringList({QStringLiteral("Titel"), QStringLiteral("Notizen")}));
    EXPECT_EQ(judged[QStringLiteral("active")].toString(), QStringLiteral("Titel"));
    const QJsonArray rows = judged[QStringLiteral("rows")].toArray();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].toVariant().toStringList(), kGermanHeader);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(rows[i].toVariant().toStringList(), titleTexts(list, i)) << i;
    // Every cell is a text, the formula-like film name and the leading zeros included.
    EXPECT_EQ(judged[QStringLiteral("types")].toVariant().toStringList(), QStringList{QStringLiteral("s")});
    EXPECT_TRUE(judged[QStringLiteral("headerBold")].toBool());
    EXPECT_EQ(judged[QStringLiteral("headerFill")].toString(), QStringLiteral("00FFFF00"));
    EXPECT_TRUE(judged[QStringLiteral("b2Italic")].toBool());
    // New cells take the format of their row, else of their column.
    EXPECT_TRUE(judged[QStringLiteral("d3Italic")].toBool());
    EXPECT_EQ(judged[QStringLiteral("rowFour")].toVariant().toList(), QVariantList({true, true, false}));
    EXPECT_EQ(judged[QStringLiteral("widthA")].toDouble(), 40.0);
    EXPECT_EQ(judged[QStringLiteral("widthR")].toDouble(), 12.0);
    EXPECT_EQ(judged[QStringLiteral("frozen")].toString(), QStringLiteral("A2"));
    EXPECT_EQ(judged[QStringLiteral("kept")].toVariant().toList(),
              QVariantList({QStringLiteral("keep me"), true, true})); // below the titles: emptied
    EXPECT_EQ(judged[QStringLiteral("notes")].toVariant().toList(),
              QVariantList({QStringLiteral("Notiz eins"), 7, QStringLiteral("=B1*2")}));

    // A sheet of another writer: prefixed elements, rows and cells numbered only implicitly.
    const QJsonArray p = judged[QStringLiteral("prefixed")].toArray();
    ASSERT_EQ(p.size(), 3);
    EXPECT_EQ(p[0].toVariant().toStringList(), QStringList({kGermanHeader[0], kGermanHeader[1]}));
    EXPECT_EQ(p[1].toVariant().toStringList(), titleTexts(list, 1).mid(0, 2));
    EXPECT_EQ(p[2].toVariant().toStringList(), QStringList{titleTexts(list, 2).at(0)});
}
