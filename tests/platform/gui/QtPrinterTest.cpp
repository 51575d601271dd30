#include "platform/gui/QtPrinterService.h"
#include "tests/support/TempProgramFolder.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The real printing code with its page going into a PDF file instead of to
// a printer, with margins of 1 cm around the printable area.
class PrinterIntoFile : public QtPrinterService {
public:
    explicit PrinterIntoFile(QString path) : m_path(std::move(path)) {}
    bool available = true;

protected:
    bool choosePrinter(QPrinter& printer) override
    {
        if (!available)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        return true;
    }

private:
    QString m_path;
};

QImage render(const QString& pdf, int dpi)
{
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), pdf});
    p.waitForFinished(60000);
    return QImage::fromData(p.readAllStandardOutput(), "PPM");
}

TEST(QtPrinter, ThePictureIsStretchedIntoItsPlaceOnALandscapePage)
{
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("page.pdf"));
    PrinterIntoFile printer(path);
    // Left half red, right half blue; large enough that a compressed copy keeps its colours.
    QImage picture(64, 32, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            picture.setPixelColor(x, y, Qt::red);

    // 10 x 5 cm at 2 cm from the left and 3 cm from the top of the printable area.
    ASSERT_EQ(printer.printPicture(picture, QRectF(2, 3, 10, 5)), PrintResult::Printed);
    const int dpi = 50;
    const QImage page = render(path, dpi);
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());
    EXPECT_NEAR(page.width(), 29.7 / 2.54 * dpi, 2);

    // The page's 1 cm margin comes first: the picture spans 3 to 13 cm across and 4 to 9 cm down.
    const auto at = [&](double xCm, double yCm) {
        return page.pixelColor(int(xCm / 2.54 * dpi), int(yCm / 2.54 * dpi));
    };
    const auto near = [](const QColor& got, const QColor& want) {
        return std::abs(got.red() - want.red()) < 40 && std::abs(got.green() - want.green()) < 40 &&
               std::abs(got.blue() - want.blue()) < 40;
    };
    for (const auto& [x, y] : {std::pair{3.3, 6.5}, {5.0, 4.3}, {7.5, 8.7}})
        EXPECT_TRUE(near(at(x, y), Qt::red)) << x << ", " << y;
    for (const auto& [x, y] : {std::pair{8.5, 4.3}, {11.0, 8.7}, {12.7, 6.5}})
        EXPECT_TRUE(near(at(x, y), Qt::blue)) << x << ", " << y;
    for (const auto& [x, y] : {std::pair{2.7, 6.5}, {13.3, 6.5}, {8.0, 3.7}, {8.0, 9.3}})
        EXPECT_EQ(at(x, y), QColor(Qt::white)) << x << ", " << y;
}

TEST(QtPrinter, NoPrinterPrintsNothing)
{
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("page.pdf"));
    PrinterIntoFile printer(path);
    printer.available = false;
    EXPECT_EQ(printer.printPicture(QImage(2, 2, QImage::Format_RGB32), QRectF(0, 0, 1, 1)), PrintResult::NoPrinter);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
