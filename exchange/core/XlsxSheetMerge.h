#pragma once

#include "exchange/core/XlsxSheetChanges.h"

#include <QByteArray>
#include <QString>

// The sheet part with a save's changes merged in. The byte merge serves the
// sheets that workbook writers make, at the speed an export over an earlier
// one needs; a sheet it cannot be sure of (a comment, CDATA, a processing
// instruction, a reference where it reads a row number or a style, a name
// beyond ASCII, another encoding, or damage) goes to the XML reader's merge,
// which serves every well-formed sheet and refuses a damaged one. Both give
// the same cells.
class XlsxSheetMerge {
public:
    enum class Path { Bytes, Stream };

    struct Result {
        QByteArray sheet;
        // A replaced or emptied cell held a formula.
        bool formulasReplaced = false;
        Path path = Path::Bytes;
    };

    // where names the sheet part in errors.
    static Result run(const QByteArray& sheet, const XlsxSheetChanges& changes, const QString& where);

    // Makes every merge take the XML reader's path, so that tests can hold
    // both paths to the same cells.
    static void setStreamOnly(bool streamOnly);
};
