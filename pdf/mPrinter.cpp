#include "pdf/mPrinter.h"

namespace mPrinter {

QRectF CoverPlacement(const QString& format)
{
    const QString f = format.toLower();
    if (f == u"bluray" || f == u"hd-dvd" || f == u"hddvd")
        return {0.5, 3, 26.9, 14.9};
    if (f == u"cd" || f == u"vcd")
        return {2, 4, 24.2, 12};
    if (f == u"vhs")
        return {1, 1.5, 25.8, 19.4};
    return {0.4, 1.7, 27.2, 18.3};
}

PrintResult PrintCoverPicture(const QImage& picture, const QString& format)
{
    return Printers::get().printPicture(picture, CoverPlacement(format));
}

} // namespace mPrinter
