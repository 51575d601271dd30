#include "platform/gui/QtPrinterService.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

bool QtPrinterService::choosePrinter(QPrinter& printer)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    printer.setPrinterName(info.printerName());
    return printer.isValid();
}

PrintResult QtPrinterService::printPicture(const QImage& picture, const QRectF& area)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(printer))
        return PrintResult::NoPrinter;
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("QuorDVD"));

    // The job is handed to the printer system before the window answers again.
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    struct RestoreCursor {
        ~RestoreCursor() { QGuiApplication::restoreOverrideCursor(); }
    } restore;

    // The painter's origin is the top left corner of the printable area.
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::Failed;
    const double dotsPerCm = printer.resolution() / 2.54;
    const QRectF target(area.x() * dotsPerCm, area.y() * dotsPerCm, area.width() * dotsPerCm,
                        area.height() * dotsPerCm);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    return painter.end() ? PrintResult::Printed : PrintResult::Failed;
}
