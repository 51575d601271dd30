#include "exchange/core/clsExcelHandler.h"

#include "data/StyleTexts.h"
#include "data/clsPathFunctions.h"

#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"
#include "data/clsTranslation.h"
#include "exchange/core/Workbook.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

using L = clsDatentraegerList;

struct Column {
    int caption;        // entry of the caption table
    const char* suffix; // after the caption: the actor's number
    int field;          // title field number
};

// Column k of the sheet, in the export's order. The import matches a column
// token against these captions in the same order.
constexpr std::array<Column, clsExcelHandler::kColumns> kColumnTable{{
    {StyleText::FilmTitle, "", L::FieldFilmname},
    {StyleText::Format, "", L::FieldFormat},
    {StyleText::Rating, "", L::FieldBewertung},
    {StyleText::Genre, "", L::FieldGenre},
    {StyleText::CountryYear, "", L::FieldLandJahr},
    {StyleText::AgeRating, "", L::FieldFsk},
    {StyleText::RunningTime, "", L::FieldLaenge},
    {StyleText::Price, "", L::FieldKaufpreis},
    {StyleText::Director, "", L::FieldRegie},
    {StyleText::Actor, "1", L::FieldSchauspieler1},
    {StyleText::Actor, "2", L::FieldSchauspieler2},
    {StyleText::Actor, "3", L::FieldSchauspieler3},
    {StyleText::Actor, "4", L::FieldSchauspieler4},
    {StyleText::Actor, "5", L::FieldSchauspieler5},
    {StyleText::FreeField, "", L::FieldSonstiges},
    {StyleText::CoverPicture, "", L::FieldBildpfad},
    {StyleText::Trailer, "", L::FieldTrailerpfad},
}};

// A cell's text as a message quotes it: one line, not too long to read.
QString quoted(const WorkbookCell& cell)
{
    constexpr qsizetype kShown = 40;
    QString text = cell.asText().simplified();
    if (text.size() > kShown)
        text = text.left(kShown) + QChar(0x2026);
    return u'"' + text + u'"';
}

// A whole number from a cell: an empty cell is 0, a number or a text that
// reads as one is rounded (halves to even) and must lie from lo to hi.
double wholeNumber(const WorkbookCell& cell, int lo, int hi)
{
    double value = 0;
    switch (cell.kind) {
    case WorkbookCell::Kind::Empty: return 0;
    case WorkbookCell::Kind::Number: value = cell.number; break;
    case WorkbookCell::Kind::Text: {
        const std::optional<double> number = Numbers::tryParse(cell.text);
        if (!number)
            throw RuntimeError(ErrorKind::Conversion, QStringLiteral("%1 is not a number").arg(quoted(cell)));
        value = *number;
        break;
    }
    }
    const double rounded = Numbers::roundHalfEven(value);
    if (!(rounded >= lo && rounded <= hi))
        throw RuntimeError(ErrorKind::Overflow,
                           QStringLiteral("%1 lies outside %2 to %3").arg(quoted(cell)).arg(lo).arg(hi));
    return rounded;
}

std::uint8_t byteOf(const WorkbookCell& cell) { return Numbers::toByte(wholeNumber(cell, 0, 255)); }

std::int16_t int16Of(const WorkbookCell& cell) { return Numbers::toInt16(wholeNumber(cell, -32768, 32767)); }

// Runs f on the workbook at path; a failure that names only a part of the
// workbook (or nothing) is named by the workbook too.
template <class F>
auto inWorkbook(const QString& path, F&& f)
{
    try {
        return f();
    } catch (const RuntimeError& e) {
        if (e.detail().contains(path))
            throw;
        throw RuntimeError(e.kind(), path + QStringLiteral(": ") + e.detail());
    }
}

void setField(clsDatentraeger& d, int field, const WorkbookCell& cell)
{
    switch (field) {
    case L::FieldFilmname: d.SetFilmname(cell.asText()); break;
    case L::FieldFormat: d.SetFormat(cell.asText()); break;
    case L::FieldBewertung: d.SetBewertung(byteOf(cell)); break;
    case L::FieldGenre: d.SetGenre(cell.asText()); break;
    case L::FieldLandJahr: d.SetLandJahr(cell.asText()); break;
    case L::FieldFsk: d.SetFsk(byteOf(cell)); break;
    case L::FieldLaenge: d.SetLaenge(int16Of(cell)); break;
    case L::FieldKaufpreis: d.SetKaufpreis(int16Of(cell)); break;
    case L::FieldRegie: d.SetRegie(cell.asText()); break;
    case L::FieldSchauspieler1: d.SetSchauspieler1(cell.asText()); break;
    case L::FieldSchauspieler2: d.SetSchauspieler2(cell.asText()); break;
    case L::FieldSchauspieler3: d.SetSchauspieler3(cell.asText()); break;
    case L::FieldSchauspieler4: d.SetSchauspieler4(cell.asText()); break;
    case L::FieldSchauspieler5: d.SetSchauspieler5(cell.asText()); break;
    case L::FieldSonstiges: d.SetSonstiges(cell.asText()); break;
    case L::FieldBildpfad: d.SetBildpfad(cell.asText()); break;
    case L::FieldTrailerpfad: d.SetTrailerpfad(cell.asText()); break;
    default: break;
    }
}

} // namespace

QStringList clsExcelHandler::ColumnCaptions(const clsTranslation& captions)
{
    QStringList list;
    for (const Column& c : kColumnTable)
        list << captions.MultiWord(c.caption) + QLatin1String(c.suffix);
    return list;
}

bool clsExcelHandler::IsListNameValid(const QString& name) { return clsPathFunctions::isPlainFileName(name); }

bool clsExcelHandler::ExcelExport(const clsTranslation& captions, const clsDatentraegerList& list,
                                  const QString& workbookPath)
{
    try {
        exportTo(captions, list, workbookPath);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

void clsExcelHandler::exportTo(const clsTranslation& captions, const clsDatentraegerList& list,
                               const QString& workbookPath)
{
    const QString path = Paths::resolve(workbookPath);
    inWorkbook(path, [&] {
        const auto book = Workbook::open(path);
        if (!book->isWritable())
            throw RuntimeError(ErrorKind::InputOutput,
                               QStringLiteral("cannot write %1: an .xls workbook is only read").arg(path));
        const QStringList headers = ColumnCaptions(captions);
        for (int k = 1; k <= kColumns; ++k)
            book->setText(1, k, headers[k - 1] + u':');
        for (int i = 1; i <= list.getListSize(); ++i) {
            for (int k = 1; k <= kColumns; ++k)
                book->setText(i + 1, k, list.getDataString(i, kColumnTable[k - 1].field));
        }
        // What an earlier, longer export left below would read as titles of this list.
        book->clearRowsFrom(list.getListSize() + 2, kColumns);
        book->save();
    });
}

bool clsExcelHandler::ExcelImport(const clsTranslation& captions, const QString& workbookPath,
                                  const QString& listPath, const QString& columnOrder, bool headerRow, int rowCount,
                                  const std::function<bool()>& goOn)
{
    try {
        importFrom(captions, workbookPath, listPath, columnOrder, headerRow, rowCount, goOn);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

void clsExcelHandler::importFrom(const clsTranslation& captions, const QString& workbookPath,
                                 const QString& listPath, const QString& columnOrder, bool headerRow, int rowCount,
                                 const std::function<bool()>& goOn)
{
    // Column k reads the field of the first caption equal to token k. An
    // empty token reads nothing, even where a caption is missing from the
    // language file and so is empty too.
    const QStringList names = ColumnCaptions(captions);
    const QStringList tokens = columnOrder.split(u',');
    std::array<int, kColumns> fieldOfColumn{};
    for (int k = 0; k < kColumns && k < tokens.size(); ++k) {
        const qsizetype match = tokens[k].isEmpty() ? -1 : names.indexOf(tokens[k]);
        fieldOfColumn[static_cast<size_t>(k)] = match < 0 ? 0 : kColumnTable[static_cast<size_t>(match)].field;
    }

    const int firstRow = headerRow ? 2 : 1;
    if (rowCount > clsDatentraegerList::kMaxTitles)
        throw RuntimeError(ErrorKind::Capacity, QStringLiteral("%1 rows, a list holds at most %2 titles")
                                                    .arg(rowCount)
                                                    .arg(clsDatentraegerList::kMaxTitles));
    const QString path = Paths::resolve(workbookPath);
    const auto book = inWorkbook(path, [&] { return Workbook::open(path, goOn); });
    std::vector<clsDatentraeger> rows;
    rows.reserve(static_cast<size_t>(std::max(rowCount, 0)));
    for (int row = firstRow; row < firstRow + rowCount; ++row) {
        clsDatentraeger d;
        for (int k = 1; k <= kColumns; ++k) {
            const int field = fieldOfColumn[static_cast<size_t>(k - 1)];
            if (!field)
                continue;
            const WorkbookCell cell = inWorkbook(path, [&] { return book->cell(row, k); });
            try {
                setField(d, field, cell);
            } catch (const RuntimeError& e) {
                // The cell that stops the import, by its row and its column's name.
                throw RuntimeError(e.kind(),
                                   QStringLiteral("row %1, %2: %3").arg(row).arg(tokens[k - 1], e.detail()));
            }
        }
        rows.push_back(std::move(d));
    }
    clsDatentraegerList list;
    list.AddSortedDVDs(std::move(rows));
    list.Save(Paths::resolve(listPath));
}
