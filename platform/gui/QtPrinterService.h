#pragma once

#include "platform/PrinterService.h"

class QPrinter;

// Prints on the desktop's default printer through Qt Print Support.
class QtPrinterService : public PrinterService {
public:
    PrintResult printPicture(const QImage& picture, const QRectF& area) override;

protected:
    // Points the printer at where the page goes; false when there is nowhere.
    virtual bool choosePrinter(QPrinter& printer);
};
