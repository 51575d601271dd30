#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class clsDatentraegerList;
class clsTranslation;

// Moves a title list between the program and a workbook: the export fills an
// existing workbook in place, the import reads one into a new list file.
// Neither keeps state between calls or shows anything. exportTo and
// importFrom throw a RuntimeError that names the file (or the row and
// column) and the cause; ExcelExport and ExcelImport give False instead.
class clsExcelHandler {
public:
    static constexpr int kColumns = 17;

    // The captions of columns 1 to 17 in the export's order, which is also
    // the import's default column order; the export's header cell k is
    // caption k followed by ":".
    static QStringList ColumnCaptions(const clsTranslation& captions);

    // True when name can only make a list file inside the lists folder: not
    // empty, no "/" or "\", no control character, neither "." nor "..".
    static bool IsListNameValid(const QString& name);

    // Writes the header row and one row per title into the active sheet of
    // the existing workbook and saves it in place; columns 1 to 17 of the
    // rows below the last title are emptied, columns beyond 17 and the other
    // sheets keep what they held. False when the workbook is
    // missing, damaged or read-only, or cannot be saved: then it is unchanged.
    bool ExcelExport(const clsTranslation& captions, const clsDatentraegerList& list, const QString& workbookPath);
    void exportTo(const clsTranslation& captions, const clsDatentraegerList& list, const QString& workbookPath);

    // Reads rowCount rows (from row 2 when headerRow, else row 1) of the
    // workbook's active sheet into a new list, column k holding the field
    // that part k of columnOrder (split at ",") names by its caption, and
    // writes the list file. False, with no list file written, when the
    // workbook cannot be read or a number cell does not convert. goOn is
    // asked now and then while a binary (.xls) workbook is read; false
    // stops the reading, and the import fails.
    bool ExcelImport(const clsTranslation& captions, const QString& workbookPath, const QString& listPath,
                     const QString& columnOrder, bool headerRow, int rowCount,
                     const std::function<bool()>& goOn = {});
    // A cell that does not convert is named as "row 3, Rating: \"x\" is not a
    // number", by the column's token.
    void importFrom(const clsTranslation& captions, const QString& workbookPath, const QString& listPath,
                    const QString& columnOrder, bool headerRow, int rowCount,
                    const std::function<bool()>& goOn = {});
};
