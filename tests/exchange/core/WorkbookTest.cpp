#include "exchange/core/Workbook.h"
#include "exchange/core/XlsxSheetChanges.h"
#include "exchange/core/XlsxSheetMerge.h"
#include "exchange/core/XlsxWorkbook.h"
#include "exchange/core/clsExcelHandler.h"
#include "platform/RuntimeError.h"
#include "tests/exchange/core/ExchangeFixture.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/FileSizeLimit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exchange_test;

namespace {

QStringList texts(std::initializer_list<const char*> values)
{
    QStringList out;
    for (const char* v : values)
        out << QString::fromUtf8(v);
    return out;
}

const QStringList kPackageParts{
    QStringLiteral("[Content_Types].xml"),     QStringLiteral("_rels/.rels"),
    QStringLiteral("docProps/app.xml"),        QStringLiteral("docProps/core.xml"),
    QStringLiteral("xl/workbook.xml"),         QStringLiteral("xl/_rels/workbook.xml.rels"),
    QStringLiteral("xl/styles.xml"),           QStringLiteral("xl/theme/theme1.xml"),
    QStringLiteral("xl/worksheets/sheet1.xml"), QStringLiteral("xl/worksheets/sheet2.xml"),
    QStringLiteral("xl/calcChain.xml"),
};

// Every test that saves runs through both sheet merges.
class WorkbookSave : public BothMerges {};
INSTANTIATE_TEST_SUITE_P(BothMerges, WorkbookSave, kBothMerges, mergeName);

} // namespace

// The same titles written by two independent tools, one per format.
TEST(Workbook, ReadsTheActiveSheetOfBothFormats)
{
    const QStringList row2 = texts({"Zebra", "DVD", "4", "Drama/Krimi", "USA 1999", "16", "120", "1999", "Regie Eins",
                                    "Anna", "Bert", "Carl", "Dora", "Emil", "Notiz", "cover/zebra.jpg",
                                    "trailer/zebra.avi", "not read"});
    const QStringList row3 = texts({"Äpfel & <Birnen>", "BluRay", " 3 ", "Komödie", "2001", "12", "2.5", "3.5",
                                    "Régie Zwei", "Zoë", "", "", "", "", "zwei\nZeilen", "/abs/cover.jpg", "",
                                    "not read"});
    const QStringList row5 = texts({"Zebra", "VHS", "0", "Western", "D 1970", "0", "95", "0", "Regie Drei", "", "", "",
                                    "", "", "", "", "", "not read"});
    for (const char* name : {"titles.xlsx", "titles.xls"}) {
        SCOPED_TRACE(name);
        const auto book = Workbook::open(fixture(QString::fromLatin1(name)));
        EXPECT_EQ(book->isWritable(), QByteArray(name).endsWith(".xlsx"));
        EXPECT_EQ(rowTexts(*book, 1, 2), texts({"Filmtitel:", "Format:"}));
        EXPECT_EQ(rowTexts(*book, 2, 18), row2);
        EXPECT_EQ(rowTexts(*book, 3, 18), row3);
        EXPECT_EQ(rowTexts(*book, 4, 18), QStringList(18, QString()));
        EXPECT_EQ(rowTexts(*book, 5, 18), row5);

        EXPECT_EQ(book->cell(2, 3).kind, WorkbookCell::Kind::Number);
        EXPECT_EQ(book->cell(2, 3).number, 4.0);
        EXPECT_EQ(book->cell(3, 3).kind, WorkbookCell::Kind::Text);
        EXPECT_TRUE(book->cell(6, 1).isEmpty());
        EXPECT_TRUE(book->cell(Workbook::kMaxRows, Workbook::kMaxColumns).isEmpty());
        for (const auto& at : {std::pair{0, 1}, {1, 0}, {Workbook::kMaxRows + 1, 1}, {1, Workbook::kMaxColumns + 1}})
            EXPECT_EQ(errorKindOf([&] { book->cell(at.first, at.second); }), ErrorKind::Index);
    }
}

// Every kind of cell reads as it should, and still does after a save that
// wrote cells beside them.
TEST_P(WorkbookSave, ReadsEveryKindOfCell)
{
    QTemporaryDir dir;
    const QString path = copyTo(fixture(QStringLiteral("strings.xlsx")), dir.path(), QStringLiteral("s.xlsx"));
    for (bool saved : {false, true}) {
        SCOPED_TRACE(saved);
        const auto book = Workbook::open(path);
        // Shared strings with runs (phonetic guides left out) and escaped characters.
        EXPECT_EQ(rowTexts(*book, 1, 3), texts({"geteilt", "fett und normal", "Zeile\r\nzwei _x0041_ & <"}));
        // Inline runs, a boolean, an error value, a formula's cached text and number, numbers, empty cells.
        EXPECT_EQ(rowTexts(*book, 2, 9), texts({"inline", "TRUE", "#N/A", "ab", "2", "1500", "", "", "a\rb"}));
        EXPECT_EQ(book->cell(2, 6).kind, WorkbookCell::Kind::Number);
        EXPECT_TRUE(book->cell(2, 8).isEmpty());
        // Rows and cells without references continue the numbering.
        EXPECT_EQ(rowTexts(*book, 3, 3), texts({"7", "implicit", saved ? "C3" : ""}));
        book->setText(1, 4, QStringLiteral("D1"));
        book->setText(2, 10, QStringLiteral("J2"));
        book->setText(3, 3, QStringLiteral("C3"));
        book->save();
    }

    for (const char* name : {"second-active.xlsx", "second-active.xls"}) {
        SCOPED_TRACE(name);
        const auto second = Workbook::open(fixture(QString::fromLatin1(name)));
        EXPECT_EQ(second->cell(1, 1).asText(), QStringLiteral("zweite"));
        EXPECT_EQ(second->cell(2, 2).number, 42.0);
    }
}

TEST(Workbook, OpenRefusesWhatIsNoWorkbook)
{
    QTemporaryDir dir;
    EXPECT_EQ(errorKindOf([&] { Workbook::open(dir.path() + QStringLiteral("/missing.xlsx")); }),
              ErrorKind::FileNotFound);
    EXPECT_EQ(errorKindOf([&] { Workbook::open(dir.path()); }), ErrorKind::FileNotFound);
    EXPECT_EQ(errorKindOf([&] { Workbook::open(QString()); }), ErrorKind::FileNotFound);
    // damaged-*.xls make the .xls library itself crash, over-read or leak.
    for (const char* name : {"not-a-zip.xlsx", "empty.xlsx", "truncated.xlsx", "no-workbook.xlsx", "damaged.xls",
                             "damaged-1.xls", "damaged-2.xls", "damaged-3.xls", "damaged-4.xls", "damaged-5.xls",
                             "damaged-6.xls", "damaged-7.xls"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(errorKindOf([&] { Workbook::open(fixture(QString::fromLatin1(name))); }), ErrorKind::InputOutput);
    }
}

// A part is read whole up to its limit, and refused one byte beyond it.
TEST(Workbook, PartsAreReadUpToTheirLimit)
{
    const QString path = fixture(QStringLiteral("formatted.xlsx"));
    ZipArchive zip(path, ZipArchive::Mode::Read);
    const QString part = QStringLiteral("[Content_Types].xml");
    const QByteArray whole = zip.read(part, 64 * 1024 * 1024);
    ASSERT_TRUE(whole.startsWith("<Types")) << whole.left(40).toStdString();
    EXPECT_EQ(zip.read(part, whole.size()), whole);
    EXPECT_EQ(errorKindOf([&] { zip.read(part, whole.size() - 1); }), ErrorKind::InputOutput);

    // A part whose checksum does not match its bytes is refused.
    QByteArray bytes = readFile(path);
    const QByteArray name = "xl/worksheets/sheet1.xml";
    const qsizetype local = bytes.indexOf(name);
    const qsizetype central = bytes.indexOf(name, local + 1);
    ASSERT_TRUE(local >= 30 && central > local);
    bytes[local - 30 + 14] = static_cast<char>(bytes[local - 30 + 14] ^ 1); // CRC in the local header
    bytes[central - 46 + 16] = static_cast<char>(bytes[central - 46 + 16] ^ 1); // and in the directory
    QTemporaryDir dir;
    const QString damaged = dir.path() + QStringLiteral("/crc.xlsx");
    QFile out(damaged);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();
    ZipArchive bad(damaged, ZipArchive::Mode::Read);
    EXPECT_EQ(errorKindOf([&] { bad.read(QString::fromLatin1(name), 64 * 1024 * 1024); }), ErrorKind::InputOutput);
    EXPECT_FALSE(bad.read(part, whole.size()).isEmpty()); // the others read as before
}

TEST_P(WorkbookSave, WrittenTextsReadBackExactly)
{
    QTemporaryDir dir;
    const QString path = copyTo(shippedResource(QStringLiteral("ExportExcel.xlsx")), dir.path(), QStringLiteral("w.xlsx"));
    const QStringList values{QStringLiteral("  blanks around  "),
                             QStringLiteral("two\r\nlines\nand\rreturns"),
                             QStringLiteral("control \x01 and \x1f"),
                             QStringLiteral("literal _x0041_ stays"),
                             QStringLiteral("=1+1"),
                             QStringLiteral("007"),
                             QStringLiteral("<&>\"'"),
                             QString::fromUtf8("Umlaute äöü, emoji 🎬"),
                             QString(5000, u'x')};
    {
        const auto book = Workbook::open(path);
        for (int i = 0; i < values.size(); ++i)
            book->setText(i + 1, i + 1, values[i]);
        book->save();
        // The object reads the saved state.
        EXPECT_EQ(book->cell(2, 2).asText(), values[1]);
    }
    const auto again = Workbook::open(path);
    for (int i = 0; i < values.size(); ++i) {
        EXPECT_EQ(again->cell(i + 1, i + 1).kind, WorkbookCell::Kind::Text);
        EXPECT_EQ(again->cell(i + 1, i + 1).asText(), values[i]) << i;
    }
}

TEST_P(WorkbookSave, SaveKeepsEveryOtherPartAndCell)
{
    QTemporaryDir dir;
    const QString path = copyTo(fixture(QStringLiteral("formatted.xlsx")), dir.path(), QStringLiteral("f.xlsx"));
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    const auto before = packageParts(path, kPackageParts);
    {
        const auto book = Workbook::open(path);
        book->setText(2, 2, QStringLiteral("neu"));   // an existing, formatted cell
        book->setText(2, 1, QStringLiteral("davor")); // a new cell before it
        book->setText(5, 3, QStringLiteral("neue Zeile"));
        book->setText(25, 1, QStringLiteral("ganz unten"));
        book->setText(1, 1, QString()); // empties the header cell
        book->save();
    }
    const auto after = packageParts(path, kPackageParts);
    ASSERT_EQ(before.size(), after.size());
    for (const auto& [name, bytes] : before) {
        if (name != QLatin1String("xl/worksheets/sheet1.xml")) {
            EXPECT_EQ(after.at(name), bytes) << name.toStdString();
        }
    }
    EXPECT_EQ(QFile(path).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::ReadGroup);

    const auto book = Workbook::open(path);
    EXPECT_TRUE(book->cell(1, 1).isEmpty());
    EXPECT_EQ(rowTexts(*book, 2, 3), texts({"davor", "neu", ""}));
    EXPECT_EQ(book->cell(2, 18).asText(), QStringLiteral("keep me"));
    EXPECT_EQ(book->cell(5, 3).asText(), QStringLiteral("neue Zeile"));
    EXPECT_EQ(book->cell(20, 1).asText(), QStringLiteral("below"));
    EXPECT_EQ(book->cell(20, 3).number, 12.5);
    EXPECT_EQ(book->cell(25, 1).asText(), QStringLiteral("ganz unten"));
    EXPECT_TRUE(after.at(QStringLiteral("xl/worksheets/sheet1.xml")).contains(R"(<dimension ref="A1:R25"/>)"));
}

TEST_P(WorkbookSave, SheetWithPrefixedElementsAndImplicitNumbers)
{
    QTemporaryDir dir;
    const QString path = copyTo(fixture(QStringLiteral("prefixed.xlsx")), dir.path(), QStringLiteral("p.xlsx"));
    {
        const auto book = Workbook::open(path);
        EXPECT_EQ(rowTexts(*book, 1, 2), texts({"eins", ""}));
        EXPECT_EQ(rowTexts(*book, 2, 2), texts({"", "zwei"}));
        book->setText(1, 2, QStringLiteral("neben eins"));
        book->setText(2, 1, QStringLiteral("vor zwei"));
        book->setText(4, 1, QStringLiteral("vier"));
        book->save();
    }
    const auto book = Workbook::open(path);
    EXPECT_EQ(rowTexts(*book, 1, 2), texts({"eins", "neben eins"}));
    EXPECT_EQ(rowTexts(*book, 2, 2), texts({"vor zwei", "zwei"}));
    EXPECT_EQ(rowTexts(*book, 4, 1), texts({"vier"}));
}

TEST_P(WorkbookSave, ReplacedFormulasTakeTheCalculationChainAlong)
{
    QTemporaryDir dir;
    const QString path = copyTo(fixture(QStringLiteral("calc-chain.xlsx")), dir.path(), QStringLiteral("c.xlsx"));
    {
        const auto book = Workbook::open(path);
        book->setText(1, 1, QStringLiteral("Text statt Formel"));
        book->save();
    }
    const auto parts = packageParts(path, kPackageParts);
    EXPECT_EQ(parts.count(QStringLiteral("xl/calcChain.xml")), 0u);
    EXPECT_FALSE(parts.at(QStringLiteral("xl/_rels/workbook.xml.rels")).contains("calcChain"));
    EXPECT_FALSE(parts.at(QStringLiteral("[Content_Types].xml")).contains("calcChain"));
    EXPECT_TRUE(parts.at(QStringLiteral("[Content_Types].xml")).contains("/xl/styles.xml"));
    const auto book = Workbook::open(path);
    EXPECT_EQ(book->cell(1, 1).asText(), QStringLiteral("Text statt Formel"));
    EXPECT_EQ(book->cell(30, 1).number, 6.0); // the formula below stays

    // Emptied rows take their formulas out of the chain too.
    const QString cleared = copyTo(fixture(QStringLiteral("calc-chain.xlsx")), dir.path(), QStringLiteral("e.xlsx"));
    {
        const auto b = Workbook::open(cleared);
        b->clearRowsFrom(3, 17);
        b->save();
    }
    EXPECT_EQ(packageParts(cleared, kPackageParts).count(QStringLiteral("xl/calcChain.xml")), 0u);
    const auto c = Workbook::open(cleared);
    EXPECT_EQ(c->cell(2, 3).number, 15.0);
    EXPECT_TRUE(c->cell(30, 1).isEmpty());
}

TEST_P(WorkbookSave, FailedSaveLeavesTheFileAsItWas)
{
    QTemporaryDir dir;
    // A sheet that turns out damaged while it is rewritten.
    const QString damaged = copyTo(fixture(QStringLiteral("malformed.xlsx")), dir.path(), QStringLiteral("m.xlsx"));
    const QByteArray original = readFile(damaged);
    {
        const auto book = Workbook::open(damaged);
        book->setText(1, 1, QStringLiteral("x"));
        EXPECT_EQ(errorKindOf([&] { book->save(); }), ErrorKind::InputOutput);
    }
    EXPECT_EQ(readFile(damaged), original);

    // The disk fills up while the workbook is saved.
    const QString full = copyTo(shippedResource(QStringLiteral("ExportExcel.xlsx")), dir.path(), QStringLiteral("f.xlsx"));
    const QByteArray fullBefore = readFile(full);
    {
        const auto book = Workbook::open(full);
        book->setText(1, 1, QStringLiteral("x"));
        FileSizeLimit limit(static_cast<rlim_t>(fullBefore.size() / 2));
        try {
            book->save();
            ADD_FAILURE() << "a save past the limit was reported as done";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
            EXPECT_TRUE(e.message().contains(QStringLiteral("disk full or file too large"))) << e.what();
            EXPECT_TRUE(e.message().contains(full)) << e.what();
        }
    }
    EXPECT_EQ(readFile(full), fullBefore);
    QFile::remove(full);

    // The file vanished between opening and saving.
    const QString gone = copyTo(shippedResource(QStringLiteral("ExportExcel.xlsx")), dir.path(), QStringLiteral("g.xlsx"));
    {
        const auto book = Workbook::open(gone);
        book->setText(1, 1, QStringLiteral("x"));
        QFile::remove(gone);
        EXPECT_EQ(errorKindOf([&] { book->save(); }), ErrorKind::FileNotFound);
    }
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left behind

    // The binary format is only read.
    const QString xls = copyTo(fixture(QStringLiteral("titles.xls")), dir.path(), QStringLiteral("t.xls"));
    const QByteArray xlsBytes = readFile(xls);
    {
        const auto book = Workbook::open(xls);
        EXPECT_EQ(errorKindOf([&] { book->setText(1, 1, QStringLiteral("x")); }), ErrorKind::InputOutput);
        EXPECT_EQ(errorKindOf([&] { book->save(); }), ErrorKind::InputOutput);
    }
    EXPECT_EQ(readFile(xls), xlsBytes);
}

namespace {

// The shipped workbook with its sheet part replaced by sheet.
QString workbookWithSheet(const QString& folder, const QString& name, const QByteArray& sheet)
{
    const QString path = copyTo(shippedResource(QStringLiteral("ExportExcel.xlsx")), folder, name);
    ZipArchive zip(path, ZipArchive::Mode::Update);
    zip.replace(QStringLiteral("xl/worksheets/sheet1.xml"), sheet);
    zip.commit();
    return path;
}

QByteArray plainSheet(const QByteArray& body)
{
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           "\n<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" +
           body + "</worksheet>";
}

const QString kSheetPart = QStringLiteral("xl/worksheets/sheet1.xml");

// Copies in folder of workbooks from other writers and from this program:
// the shipped one, one after an export of ten titles, and fixtures with
// formats, shared strings, prefixes, formulas and a calculation chain.
QStringList mergeFixtures(const QString& folder)
{
    const QString shipped = shippedResource(QStringLiteral("ExportExcel.xlsx"));
    QStringList paths{copyTo(shipped, folder, QStringLiteral("shipped.xlsx"))};
    const QString exported = copyTo(shipped, folder, QStringLiteral("exported.xlsx"));
    clsDatentraegerList ten;
    fillList(ten, 10);
    EXPECT_TRUE(clsExcelHandler().ExcelExport(shippedCaptions(), ten, exported));
    paths << exported;
    for (const char* name : {"formatted.xlsx", "strings.xlsx", "prefixed.xlsx", "calc-chain.xlsx", "titles.xlsx"})
        paths << copyTo(fixture(QString::fromLatin1(name)), folder, QString::fromLatin1(name));
    return paths;
}

// Odd but valid sheets, each with the cells it holds after mergeChanges().
struct SheetShape {
    const char* name;
    QByteArray sheet;
    std::vector<std::pair<const char*, const char*>> cells; // expected after the save
    QByteArray verbatim; // stays byte for byte in the byte merge, where given
    XlsxSheetMerge::Path path; // the merge that serves it
};

std::vector<SheetShape> sheetShapes()
{
    using P = XlsxSheetMerge::Path;
    QByteArray latin1 = plainSheet(R"(<sheetData><row r="1"><c r="C1" t="inlineStr"><is><t>)"
                                   "\xC4pfel</t></is></c></row>"
                                   R"(<row r="3"><c r="A3"><v>3</v></c><c r="C3"><v>33</v></c></row></sheetData>)");
    latin1.replace(R"(encoding="UTF-8")", R"(encoding="ISO-8859-1")");
    const QByteArray utf16Body = plainSheet(R"(<sheetData><row r="1"><c r="C1" t="inlineStr"><is><t>)"
                                            "\xC3\x84pfel</t></is></c></row></sheetData>")
                                     .replace(R"(encoding="UTF-8")", R"(encoding="UTF-16")");
    const QString utf16Text = QChar(QChar::ByteOrderMark) + QString::fromUtf8(utf16Body);
    const QByteArray utf16(reinterpret_cast<const char*>(utf16Text.utf16()), utf16Text.size() * 2);
    return {
        {"attributes in any order",
         plainSheet(R"(<sheetData><row spans="1:3" r="1"><c t="inlineStr" s="0" r="A1"><is><t>old</t></is></c>)"
                    R"(<c s="0" t="inlineStr" r="C1"><is><t>keep C1</t></is></c></row>)"
                    R"(<row ht="20" customHeight="1" r="4"><c t="n" r="B4"><v>4</v></c><c r="C4"><v>5</v></c></row>)"
                    R"(<row r="7" spans="1:2"><c r="C7"><v>7</v></c></row></sheetData>)"),
         {{"A1", "A1n"}, {"B1", "B1n"}, {"C1", "keep C1"}, {"A2", "A2n"}, {"B4", ""}, {"C4", "5"}, {"C7", "7"}},
         R"(<c s="0" t="inlineStr" r="C1"><is><t>keep C1</t></is></c>)",
         P::Bytes},
        {"self-closing rows",
         plainSheet(R"(<sheetData><row r="1"/><row r="2" ht="30" customHeight="1"/><row r="3"/>)"
                    R"(<row r="5"><c r="A5"><v>1</v></c></row></sheetData>)"),
         {{"A1", "A1n"}, {"B2", "B2n"}, {"A5", ""}},
         {},
         P::Bytes},
        {"implicit numbers, single quotes, blanks",
         plainSheet("<sheetData>\n  <row>\n    <c t='inlineStr'><is><t>old</t></is></c>\n    <c/>\n"
                    "    <c t = \"inlineStr\" ><is><t xml:space=\"preserve\"> keep C1 </t></is></c>\n  </row>\n"
                    "  <row><c><v>9</v></c></row>\n  <row><c><v>7</v></c><c/><c><v>8</v></c></row>\n"
                    "</sheetData>\n"),
         {{"A1", "A1n"}, {"C1", " keep C1 "}, {"A2", "A2n"}, {"A3", ""}, {"C3", "8"}},
         // the number goes in; the rest of the cell stays as written
         " t = \"inlineStr\" ><is><t xml:space=\"preserve\"> keep C1 </t></is></c>",
         P::Bytes},
        {"prefixes and references",
         R"(<?xml version="1.0"?><x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
         R"(<x:sheetData><x:row r="1"><x:c r="C1" t="inlineStr"><x:is><x:t>&lt;keep&gt; &amp; &#65;&#x42;</x:t>)"
         R"(</x:is></x:c></x:row><x:row r="3"><x:c r="A3"><x:v>3</x:v></x:c><x:c r="C3"><x:v>33</x:v></x:c>)"
         R"(</x:row></x:sheetData></x:worksheet>)",
         {{"A1", "A1n"}, {"B2", "B2n"}, {"C1", "<keep> & AB"}, {"A3", ""}, {"C3", "33"}},
         {},
         P::Bytes},
        {"formulas in the written and the emptied cells",
         plainSheet(R"(<sheetData><row r="1"><c r="A1"><f>1+1</f><v>2</v></c><c r="C1"><v>4</v></c></row>)"
                    R"(<row r="3"><c r="B3" s="0"><f>C1+1</f><v>5</v></c><c r="C3"><v>5</v></c></row></sheetData>)"),
         {{"A1", "A1n"}, {"C1", "4"}, {"B3", ""}, {"C3", "5"}},
         {},
         P::Bytes},
        {"empty sheet data", plainSheet("<sheetData/>"), {{"A1", "A1n"}, {"B2", "B2n"}, {"C1", ""}}, {}, P::Bytes},
        // The byte merge leaves these to the XML reader's.
        {"comments, CDATA and a referenced number",
         plainSheet(R"(<sheetData><!-- a note --><row r="1"><c r="C1" t="inlineStr"><is><t><![CDATA[<kept>]]></t>)"
                    R"(</is></c></row><row r="&#51;"><c r="A3"><v>3</v></c><c r="C3"><v>33</v></c></row></sheetData>)"),
         {{"A1", "A1n"}, {"C1", "<kept>"}, {"A3", ""}, {"C3", "33"}},
         {},
         P::Stream},
        {"a processing instruction",
         plainSheet(R"(<sheetData><?note keep?><row r="1"><c r="C1"><v>1</v></c></row></sheetData>)"),
         {{"A1", "A1n"}, {"C1", "1"}},
         {},
         P::Stream},
        {"a referenced style",
         plainSheet(R"(<sheetData><row r="1"><c r="A1" s="&#48;"><v>1</v></c><c r="C1"><v>1</v></c></row>)"
                    R"(</sheetData>)"),
         {{"A1", "A1n"}, {"C1", "1"}},
         {},
         P::Stream},
        {"a name beyond ASCII",
         plainSheet(R"(<sheetData><row r="1"><c r="C1"><v>1</v></c></row></sheetData>)"
                    "<extLst><ext uri=\"x\"><z\xC3\xA4hler/></ext></extLst>"),
         {{"A1", "A1n"}, {"C1", "1"}},
         {},
         P::Stream},
        {"another encoding", latin1, {{"A1", "A1n"}, {"C1", "\xC3\x84pfel"}, {"A3", ""}, {"C3", "33"}}, {}, P::Stream},
        {"UTF-16", utf16, {{"A1", "A1n"}, {"C1", "\xC3\x84pfel"}}, {}, P::Stream},
    };
}

// Makes every merge take the XML reader's path while it lives, or none.
struct StreamOnlyMerge {
    explicit StreamOnlyMerge(bool on) { XlsxSheetMerge::setStreamOnly(on); }
    ~StreamOnlyMerge() { XlsxSheetMerge::setStreamOnly(false); }
};

// What each shape gets: four cells written, the first two columns emptied from row 3 down.
void mergeChanges(Workbook& book)
{
    for (int row : {1, 2}) {
        for (int column : {1, 2})
            book.setText(row, column, QStringLiteral("%1%2n").arg(QChar(u'A' + column - 1)).arg(row));
    }
    book.clearRowsFrom(3, 2);
}

} // namespace

// Whatever shape the rows and cells take, the written cells replace theirs,
// the emptied rows lose their values, every other cell keeps its own, and
// another program reads the result the same way.
TEST_P(WorkbookSave, MergesIntoSheetsOfEveryShape)
{
    const std::vector<SheetShape> cases = sheetShapes();
    QTemporaryDir dir;
    QStringList paths;
    for (const SheetShape& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = workbookWithSheet(dir.path(), QStringLiteral("w%1.xlsx").arg(paths.size()), c.sheet);
        paths << path;
        {
            const auto book = Workbook::open(path);
            mergeChanges(*book);
            ASSERT_NO_THROW(book->save());
        }
        const auto book = Workbook::open(path);
        for (const auto& [ref, text] : c.cells) {
            const QString r = QString::fromLatin1(ref);
            EXPECT_EQ(book->cell(r.mid(1).toInt(), r[0].unicode() - u'A' + 1).asText(), QString::fromUtf8(text)) << ref;
        }
        if (!c.verbatim.isEmpty() && GetParam() == XlsxSheetMerge::Path::Bytes) {
            EXPECT_TRUE(packageParts(path, {QStringLiteral("xl/worksheets/sheet1.xml")})
                            .at(QStringLiteral("xl/worksheets/sheet1.xml"))
                            .contains(c.verbatim));
        }
    }

    // The independent reader sees the cells as ours does.
    const QString script = QStringLiteral(R"PY(
import json, sys, openpyxl
out = []
for path in sys.argv[1:]:
    ws = openpyxl.load_workbook(path).active
    out.append([["" if ws.cell(row=r, column=c).value is None else str(ws.cell(row=r, column=c).value)
                 for c in range(1, 4)] for r in range(1, 8)])
print(json.dumps(out))
)PY");
    const QJsonArray judged = QJsonDocument::fromJson(runPython(script, paths).toUtf8()).array();
    ASSERT_EQ(judged.size(), paths.size());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(cases[static_cast<size_t>(i)].name);
        const auto book = Workbook::open(paths[i]);
        for (int row = 1; row <= 7; ++row) {
            EXPECT_EQ(judged[i].toArray()[row - 1].toVariant().toStringList(), rowTexts(*book, row, 3)) << row;
        }
    }
}

// The byte merge serves the sheets that workbook writers make, this
// program's own exports among them; only what it cannot be sure of goes to
// the XML reader's merge.
TEST(WorkbookMerge, TheXmlReaderMergesOnlyWhatTheByteMergeCannot)
{
    QTemporaryDir dir;
    std::vector<std::pair<std::string, QByteArray>> sheets;
    std::vector<XlsxSheetMerge::Path> expected;
    for (const SheetShape& c : sheetShapes()) {
        sheets.emplace_back(c.name, c.sheet);
        expected.push_back(c.path);
    }
    for (const QString& name : mergeFixtures(dir.path())) {
        sheets.emplace_back(QFileInfo(name).fileName().toStdString(),
                            packageParts(name, {kSheetPart}).at(kSheetPart));
        expected.push_back(XlsxSheetMerge::Path::Bytes);
    }
    XlsxSheetChanges changes;
    changes.setText(1, 1, QStringLiteral("x"));
    changes.setText(12, 3, QStringLiteral("y"));
    changes.clearRowsFrom(13, 17);
    for (size_t i = 0; i < sheets.size(); ++i) {
        SCOPED_TRACE(sheets[i].first);
        EXPECT_EQ(XlsxSheetMerge::run(sheets[i].second, changes, kSheetPart).path, expected[i]);
    }
}

// Both merges give the same cells, values and formats, whatever the sheet,
// as another program reads them.
TEST(WorkbookMerge, BothMergesGiveTheSameCells)
{
    QTemporaryDir dir;
    QStringList sources;
    for (const SheetShape& c : sheetShapes()) {
        sources << workbookWithSheet(dir.path(), QStringLiteral("shape%1.xlsx").arg(sources.size()), c.sheet);
    }
    sources << mergeFixtures(dir.path());

    QStringList saved; // for each source: through the byte merge, then through the XML reader's
    for (const QString& source : sources) {
        for (bool streamOnly : {false, true}) {
            const QString path = copyTo(source, dir.path(),
                                        QFileInfo(source).baseName() + (streamOnly ? "-stream.xlsx" : "-bytes.xlsx"));
            const StreamOnlyMerge forced(streamOnly);
            const auto book = Workbook::open(path);
            mergeChanges(*book);
            for (int row = 4; row <= 12; ++row) { // new cells take their row's or column's format
                for (int column = 3; column <= 5; ++column)
                    book->setText(row, column, QStringLiteral("new"));
            }
            book->save();
            // A shorter block over it: the emptied cells keep their formats.
            mergeChanges(*book);
            book->clearRowsFrom(6, 17);
            book->save();
            saved << path;
        }
    }

    const QString script = QStringLiteral(R"PY(
import json, sys, openpyxl
out = []
for path in sys.argv[1:]:
    ws = openpyxl.load_workbook(path).active
    cells = [[c.coordinate, None if c.value is None else str(c.value), c.data_type, c.style_id]
             for row in ws.iter_rows() for c in row if c.value is not None or c.style_id != 0]
    rows = [[r, d.ht, d.customHeight] for r, d in sorted(ws.row_dimensions.items())]
    out.append({"cells": cells, "rows": rows})
print(json.dumps(out))
)PY");
    const QJsonArray judged = QJsonDocument::fromJson(runPython(script, saved).toUtf8()).array();
    ASSERT_EQ(judged.size(), saved.size());
    for (qsizetype i = 0; i < saved.size(); i += 2) {
        SCOPED_TRACE(QFileInfo(sources[i / 2]).fileName().toStdString());
        EXPECT_FALSE(judged[i].toObject()[QStringLiteral("cells")].toArray().isEmpty());
        EXPECT_EQ(judged[i], judged[i + 1]) << QJsonDocument(judged[i].toObject()).toJson().toStdString()
                                            << QJsonDocument(judged[i + 1].toObject()).toJson().toStdString();
        const auto bytes = Workbook::open(saved[i]);
        const auto stream = Workbook::open(saved[i + 1]);
        for (int row = 1; row <= 40; ++row)
            EXPECT_EQ(rowTexts(*bytes, row, 20), rowTexts(*stream, row, 20)) << row;
    }
}

// A sheet that is not well-formed is never written back, however little of
// it the save would touch.
TEST_P(WorkbookSave, RefusesToSaveIntoAMalformedSheet)
{
    const QByteArray keptRow = R"(<row r="5"><c r="C5" t="inlineStr"><is><t>%1</t></is></c></row>)";
    // The cell that the save replaces.
    const QByteArray replacedRow = R"(<row r="1"><c r="A1" t="inlineStr"><is><t>%1</t></is></c></row>)";
    const std::pair<const char*, QByteArray> cases[] = {
        {"no end", R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)"},
        {"bare ampersand", plainSheet("<sheetData>" + QByteArray(keptRow).replace("%1", "a & b") + "</sheetData>")},
        {"reference to nothing", plainSheet("<sheetData>" + QByteArray(keptRow).replace("%1", "&#0;") + "</sheetData>")},
        {"broken UTF-8", plainSheet("<sheetData>" + QByteArray(keptRow).replace("%1", "\xC3(") + "</sheetData>")},
        {"control character", plainSheet("<sheetData>" + QByteArray(keptRow).replace("%1", "a\x01") + "</sheetData>")},
        {"crossed tags", plainSheet(R"(<sheetData><row r="5"><c r="C5"><v>1</c></v></row></sheetData>)")},
        {"unquoted value", plainSheet(R"(<sheetData><row r=5><c r="C5"><v>1</v></c></row></sheetData>)")},
        {"text before the root", "junk" + plainSheet("<sheetData/>")},
        {"second root", plainSheet("<sheetData/>") + "<worksheet/>"},
        {"repeated attribute", plainSheet(R"(<sheetData><row r="5"><c r="C5" r="C5"><v>1</v></c></row></sheetData>)")},
        {"attribute name of a digit",
         plainSheet(R"(<sheetData><row r="5"><c r="C5" 1="x"><v>1</v></c></row></sheetData>)")},
        {"end of CDATA in text", plainSheet("<sheetData>" + QByteArray(keptRow).replace("%1", "a]]>b") + "</sheetData>")},
        // Damage in the cell that the save replaces is damage too.
        {"replaced: bare ampersand",
         plainSheet("<sheetData>" + QByteArray(replacedRow).replace("%1", "a & b") + "</sheetData>")},
        {"replaced: reference to nothing",
         plainSheet("<sheetData>" + QByteArray(replacedRow).replace("%1", "&#0;") + "</sheetData>")},
        {"replaced: end of CDATA",
         plainSheet("<sheetData>" + QByteArray(replacedRow).replace("%1", "a]]>b") + "</sheetData>")},
        {"replaced: unquoted value", plainSheet(R"(<sheetData><row r="1"><c r="A1"><v x=1>1</v></c></row></sheetData>)")},
        {"replaced: repeated attribute",
         plainSheet(R"(<sheetData><row r="1"><c r="A1"><v x="1" x="2">1</v></c></row></sheetData>)")},
        {"replaced: name of a digit", plainSheet(R"(<sheetData><row r="1"><c r="A1"><1>1</1></c></row></sheetData>)")},
    };
    QTemporaryDir dir;
    for (const auto& [name, sheet] : cases) {
        SCOPED_TRACE(name);
        const QString path = workbookWithSheet(dir.path(), QStringLiteral("m.xlsx"), sheet);
        const QByteArray before = readFile(path);
        const auto book = Workbook::open(path);
        book->setText(1, 1, QStringLiteral("x"));
        EXPECT_EQ(errorKindOf([&] { book->save(); }), ErrorKind::InputOutput);
        EXPECT_EQ(readFile(path), before);
    }
}
