#pragma once

#include "platform/PrinterService.h"

#include <QRectF>
#include <QString>

class QImage;

// The cover print: one landscape page on the default printer.
namespace mPrinter {

// Where a cover of the disc format lies on the page, in centimetres from the
// top left corner of the printable area; the format is compared in small
// letters, and any format not known takes the DVD placement.
QRectF CoverPlacement(const QString& format);

// Prints the picture stretched to its format's placement.
PrintResult PrintCoverPicture(const QImage& picture, const QString& format);

} // namespace mPrinter
