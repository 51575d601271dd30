#pragma once

#include "platform/Seam.h"

#include <QRectF>

class QImage;

enum class PrintResult {
    Printed,
    NoPrinter, // no default printer is set up
    Failed,    // the printer did not take the job
};

// The default printer, for one page holding one picture.
class PrinterService {
public:
    virtual ~PrinterService() = default;
    // Prints one landscape page with the picture stretched into area, given in
    // centimetres from the top left corner of the page's printable area.
    virtual PrintResult printPicture(const QImage& picture, const QRectF& area) = 0;
};

using Printers = Seam<PrinterService>;
