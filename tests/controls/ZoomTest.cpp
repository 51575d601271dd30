#include "controls/PictureBox.h"
#include "controls/ucZoom.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QRect geometryOf(const ucZoom& zoom, const char* name)
{
    auto* w = zoom.findChild<QWidget*>(QLatin1String(name));
    return w ? w->geometry() : QRect();
}

// Columns in bands of 200 pixels: red, green, blue, then yellow.
QImage bandedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    const QColor bands[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int x = 0; x < width; x += 200)
        p.fillRect(x, 0, 200, height, bands[std::min(x / 200, 3)]);
    return image;
}

// Qt reads GIF but cannot write it: a minimal GIF of the picture's colours,
// at most 128 of them, with 8-bit LZW codes and a clear code often enough
// that the code width never grows.
QByteArray gifOf(const QImage& image)
{
    QList<QRgb> palette;
    QByteArray indices;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            qsizetype i = palette.indexOf(c);
            if (i < 0) {
                i = palette.size();
                palette.append(c);
            }
            indices.append(static_cast<char>(i));
        }
    palette.resize(128);
    QByteArray gif("GIF89a");
    const auto le16 = [&gif](int v) {
        gif.append(static_cast<char>(v & 0xFF));
        gif.append(static_cast<char>(v >> 8));
    };
    le16(image.width());
    le16(image.height());
    gif.append(static_cast<char>(0xE6)); // global table of 128 colours
    gif.append(2, 0);
    for (QRgb c : palette) {
        gif.append(static_cast<char>(qRed(c)));
        gif.append(static_cast<char>(qGreen(c)));
        gif.append(static_cast<char>(qBlue(c)));
    }
    gif.append(0x2C);
    le16(0);
    le16(0);
    le16(image.width());
    le16(image.height());
    gif.append(char(0));
    gif.append(char(7)); // minimum code size: codes are 8 bits wide
    QByteArray codes;
    for (qsizetype i = 0; i < indices.size(); ++i) {
        if (i % 100 == 0)
            codes.append(static_cast<char>(128)); // clear
        codes.append(indices[i]);
    }
    codes.append(static_cast<char>(129)); // end
    for (qsizetype i = 0; i < codes.size(); i += 255) {
        const QByteArray block = codes.mid(i, 255);
        gif.append(static_cast<char>(block.size()));
        gif.append(block);
    }
    gif.append(char(0));
    gif.append(0x3B);
    return gif;
}

QColor pixel(const ucZoom& zoom, int x, int y)
{
    return zoom.findChild<PictureBox*>(QStringLiteral("PictureBox"))->image().pixelColor(x, y);
}

void click(const ucZoom& zoom, const char* name)
{
    QTest::mouseClick(zoom.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

} // namespace

TEST(Zoom, SetSizeLaysTheChildrenAroundThePictureBox)
{
    ucZoom zoom;
    zoom.resize(600, 600);
    zoom.SetSize(500, 400);
    EXPECT_EQ(geometryOf(zoom, "PictureBox"), QRect(25, 25, 450, 350));
    EXPECT_EQ(geometryOf(zoom, "btOben"), QRect(25, 0, 450, 25));
    EXPECT_EQ(geometryOf(zoom, "btUnten"), QRect(25, 375, 450, 25));
    EXPECT_EQ(geometryOf(zoom, "btLinks"), QRect(0, 25, 25, 350));
    EXPECT_EQ(geometryOf(zoom, "btRechts"), QRect(475, 25, 25, 350));
    EXPECT_EQ(geometryOf(zoom, "btZoomOut"), QRect(442, 342, 28, 28));
    EXPECT_EQ(geometryOf(zoom, "btZoomIn"), QRect(409, 342, 28, 28));
    EXPECT_EQ(zoom.size(), QSize(600, 600)); // the owner sizes the control itself
}

TEST(Zoom, SetSizeBelowTheMinimumUsesTwoHundredSquare)
{
    const char* names[] = {"PictureBox", "btOben", "btUnten", "btLinks", "btRechts", "btZoomIn", "btZoomOut"};
    ucZoom reference;
    reference.SetSize(200, 200);
    EXPECT_EQ(geometryOf(reference, "PictureBox"), QRect(25, 25, 150, 150));
    for (QSize small : {QSize(150, 400), QSize(400, 199), QSize(0, 0), QSize(-5, 300)}) {
        ucZoom zoom;
        zoom.SetSize(small.width(), small.height());
        for (const char* name : names)
            EXPECT_EQ(geometryOf(zoom, name), geometryOf(reference, name)) << name << " at " << small.width();
    }
}

TEST(Zoom, ShowsTheUpperLeftPartAndMovesWithTheButtons)
{
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("cover/big.bmp"));
    QDir().mkpath(folder.file(QStringLiteral("cover")));
    ASSERT_TRUE(bandedPicture(1000, 800).save(path, "BMP"));

    ucZoom zoom;
    zoom.resize(500, 400);
    zoom.show();
    zoom.InitializeIt(path, 500, 400);
    EXPECT_EQ(zoom.ImagePath(), path);
    ASSERT_NE(zoom.zoomControl(), nullptr);
    EXPECT_EQ(zoom.zoomControl()->getPictureWidth(), 1000);
    EXPECT_EQ(zoom.zoomControl()->getPictureHeight(), 800);
    EXPECT_EQ(pixel(zoom, 10, 10), QColor(Qt::red));
    EXPECT_EQ(pixel(zoom, 210, 340), QColor(Qt::green));
    EXPECT_EQ(pixel(zoom, 449, 349), QColor(Qt::blue));

    click(zoom, "btRechts");
    EXPECT_EQ(zoom.zoomControl()->getPictureLeft(), -200);
    EXPECT_EQ(pixel(zoom, 10, 10), QColor(Qt::green));
    EXPECT_EQ(pixel(zoom, 210, 10), QColor(Qt::blue));

    click(zoom, "btUnten");
    EXPECT_EQ(zoom.zoomControl()->getPictureTop(), -200);
    click(zoom, "btOben");
    click(zoom, "btLinks");
    EXPECT_EQ(zoom.zoomControl()->getPictureTop(), 0);
    EXPECT_EQ(pixel(zoom, 10, 10), QColor(Qt::red));

    click(zoom, "btZoomIn");
    EXPECT_EQ(zoom.zoomControl()->getPictureWidth(), 1200);
    EXPECT_EQ(pixel(zoom, 230, 10), QColor(Qt::red)); // the first band is now 240 wide
    click(zoom, "btZoomOut");
    EXPECT_EQ(zoom.zoomControl()->getPictureWidth(), 1000);

    // A new picture starts again at factor 1.0 without offset.
    click(zoom, "btRechts");
    zoom.InitializeIt(path, 500, 400);
    EXPECT_EQ(zoom.zoomControl()->getPictureLeft(), 0);
    EXPECT_EQ(zoom.zoomControl()->getZoomSize(), 1.0);
}

TEST(Zoom, AFittedStepKeepsWhatWasDrawnBeyondThePicture)
{
    TempProgramFolder folder;
    QImage image(500, 300, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(0, 280, 500, 20, Qt::green);
    const QString path = folder.file(QStringLiteral("small.bmp"));
    ASSERT_TRUE(image.save(path, "BMP"));

    ucZoom zoom;
    zoom.resize(500, 400);
    zoom.InitializeIt(path, 500, 400);
    click(zoom, "btZoomOut"); // fitted to the 450 wide box: 450 x 270
    EXPECT_EQ(zoom.zoomControl()->getPictureWidth(), 450);
    EXPECT_EQ(zoom.zoomControl()->getPictureHeight(), 270);
    EXPECT_EQ(pixel(zoom, 10, 262), QColor(Qt::green));
    // Below the fitted picture the natural-size drawing is still there.
    EXPECT_EQ(pixel(zoom, 10, 275), QColor(Qt::red));
    EXPECT_EQ(pixel(zoom, 10, 290), QColor(Qt::green));
}

TEST(Zoom, ReadsJpegAndGifPictures)
{
    TempProgramFolder folder;
    for (const char* format : {"JPEG", "GIF"}) {
        const QString path = folder.file(QStringLiteral("cover.") + QString::fromLatin1(format).toLower());
        if (QByteArray(format) == "GIF") {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(gifOf(bandedPicture(640, 480)));
        } else {
            ASSERT_TRUE(bandedPicture(640, 480).save(path, format)) << format;
        }
        ucZoom zoom;
        zoom.InitializeIt(path, 300, 300);
        ASSERT_NE(zoom.zoomControl(), nullptr) << format;
        EXPECT_EQ(zoom.zoomControl()->getPictureWidth(), 640) << format;
        EXPECT_EQ(zoom.zoomControl()->getPictureHeight(), 480) << format;
        EXPECT_GT(pixel(zoom, 50, 50).red(), 200) << format;
        EXPECT_LT(pixel(zoom, 50, 50).green(), 60) << format;
    }
}

TEST(Zoom, AnUnreadablePictureLeavesTheBoxEmpty)
{
    TempProgramFolder folder;
    const QString broken = folder.write(QStringLiteral("broken.jpg"), QByteArray("no picture at all"));
    const QString empty = folder.write(QStringLiteral("empty.bmp"), QByteArray());
    const QString missing = folder.file(QStringLiteral("missing.gif"));
    const QString good = folder.file(QStringLiteral("good.bmp"));
    ASSERT_TRUE(bandedPicture(1000, 800).save(good, "BMP"));

    for (const QString& path : {broken, empty, missing}) {
        ucZoom zoom;
        zoom.InitializeIt(good, 500, 400);
        zoom.InitializeIt(path, 300, 250);
        EXPECT_EQ(zoom.ImagePath(), path);
        EXPECT_EQ(zoom.zoomControl(), nullptr);
        EXPECT_TRUE(zoom.findChild<PictureBox*>(QStringLiteral("PictureBox"))->picture().isNull());
        EXPECT_EQ(geometryOf(zoom, "PictureBox"), QRect(25, 25, 250, 200)); // still laid out
        // The old picture is gone and the buttons have nothing to move.
        EXPECT_NE(pixel(zoom, 10, 10), QColor(Qt::red));
        for (const char* name : {"btRechts", "btUnten", "btLinks", "btOben", "btZoomIn", "btZoomOut"})
            click(zoom, name);
        EXPECT_EQ(zoom.zoomControl(), nullptr);
    }
}

TEST(Zoom, ImagePathOnlyStoresThePath)
{
    ucZoom zoom;
    EXPECT_EQ(zoom.ImagePath(), QString());
    zoom.setImagePath(QStringLiteral("cover/x.jpg"));
    EXPECT_EQ(zoom.ImagePath(), QStringLiteral("cover/x.jpg"));
    EXPECT_EQ(zoom.zoomControl(), nullptr);
}
