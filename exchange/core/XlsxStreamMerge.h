#pragma once

#include "exchange/core/XlsxSheetChanges.h"

#include <QByteArray>
#include <QString>

// The sheet with the changes merged in, through the XML reader: it serves
// every well-formed sheet, whatever the byte merge leaves to it, and refuses
// a damaged one (a RuntimeError naming where). Every other token is copied
// with its prefix and attributes.
class XlsxStreamMerge {
public:
    // formulasReplaced tells whether a replaced or emptied cell held a formula.
    static QByteArray run(const QByteArray& sheet, const XlsxSheetChanges& changes, const QString& where,
                          bool& formulasReplaced);
};
