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

// A whole number from a cell: an empty cell is 0, a number or a text that
// reads as one is rounded (halves to even) and checked against the range.
double wholeNumber(const WorkbookCell& cell)
{
    switch (cell.kind) {
    case WorkbookCell::Kind::Empty: return 0;
    case WorkbookCell::Kind::Number: return cell.number;
    case WorkbookCell::Kind::Text: return Numbers::parse(cell.text);
    }
    return 0;
}

void setField(clsDatentraeger& d, int field, const WorkbookCell& cell)
{
    switch (field) {
    case L::FieldFilmname: d.SetFilmname(cell.asText()); break;
    case L::FieldFormat: d.SetFormat(cell.asText()); break;
    case L::FieldBewertung: d.SetBewertung(Numbers::toByte(wholeNumber(cell))); break;
    case L::FieldGenre: d.SetGenre(cell.asText()); break;
    case L::FieldLandJahr: d.SetLandJahr(cell.asText()); break;
    case L::FieldFsk: d.SetFsk(Numbers::toByte(wholeNumber(cell))); break;
    case L::FieldLaenge: d.SetLaenge(Numbers::toInt16(wholeNumber(cell))); break;
    case L::FieldKaufpreis: d.SetKaufpreis(Numbers::toInt16(wholeNumber(cell))); break;
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
        const auto book = Workbook::open(Paths::resolve(workbookPath));
        if (!book->isWritable())
            return false;
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
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

bool clsExcelHandler::ExcelImport(const clsTranslation& captions, const QString& workbookPath,
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

    try {
        const int firstRow = headerRow ? 2 : 1;
        if (rowCount > clsDatentraegerList::kMaxTitles)
            throw RuntimeError(ErrorKind::Capacity, QStringLiteral("%1 rows").arg(rowCount));
        const auto book = Workbook::open(Paths::resolve(workbookPath), goOn);
        std::vector<clsDatentraeger> rows;
        rows.reserve(static_cast<size_t>(std::max(rowCount, 0)));
        for (int row = firstRow; row < firstRow + rowCount; ++row) {
            clsDatentraeger d;
            for (int k = 1; k <= kColumns; ++k) {
                if (const int field = fieldOfColumn[static_cast<size_t>(k - 1)])
                    setField(d, field, book->cell(row, k));
            }
            rows.push_back(std::move(d));
        }
        clsDatentraegerList list;
        list.AddSortedDVDs(std::move(rows));
        list.Save(Paths::resolve(listPath));
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}
