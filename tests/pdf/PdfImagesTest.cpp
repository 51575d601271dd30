#include "pdf/BmpDecoder.h"
#include "pdf/clsPDFCreator.h"
#include "platform/RuntimeError.h"
#include "tests/pdf/BmpFiles.h"
#include "tests/pdf/PdfJudges.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/TempProgramFolder.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>

namespace {

using namespace PdfJudges;
using Bmp = BmpDecoder::Verdict;

// A page as pdftoppm writes it, a binary PPM: "P6", width, height and 255,
// then three bytes a pixel, top row first. Read here so that the test needs
// no image classes above QtCore.
class RenderedPage {
public:
    using RGB = std::array<std::uint8_t, 3>;

    explicit RenderedPage(const QByteArray& ppm)
    {
        qsizetype at = 0;
        const auto field = [&] {
            while (at < ppm.size() && QChar::isSpace(static_cast<uchar>(ppm[at])))
                ++at;
            const qsizetype start = at;
            while (at < ppm.size() && !QChar::isSpace(static_cast<uchar>(ppm[at])))
                ++at;
            return ppm.mid(start, at - start);
        };
        if (field() != "P6")
            return;
        const int width = field().toInt();
        const int height = field().toInt();
        if (field() != "255" || width <= 0 || height <= 0)
            return;
        ++at; // the one blank before the pixels
        if (ppm.size() - at < qsizetype{3} * width * height)
            return;
        m_width = width;
        m_height = height;
        m_pixels = ppm.mid(at, qsizetype{3} * width * height);
    }

    bool isNull() const { return m_width == 0; }

    RGB pixel(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return {};
        const qsizetype at = (qsizetype{y} * m_width + x) * 3;
        return {static_cast<std::uint8_t>(m_pixels[at]), static_cast<std::uint8_t>(m_pixels[at + 1]),
                static_cast<std::uint8_t>(m_pixels[at + 2])};
    }

private:
    int m_width = 0;
    int m_height = 0;
    QByteArray m_pixels;
};

// The writer with its bitmap reader and encoder opened up.
class Probe : public clsPDFCreator {
public:
    using clsPDFCreator::ReadBMPFile;
    using clsPDFCreator::ToASCII85;
};

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

std::string hex(const QByteArray& b) { return b.toHex(' ').toStdString(); }

// Palette of n entries, entry k = (k, 2k, 3k) so that each entry is told apart.
QList<std::array<std::uint8_t, 3>> rampPalette(int n)
{
    QList<std::array<std::uint8_t, 3>> p;
    for (int k = 0; k < n; ++k)
        p.append({std::uint8_t(k), std::uint8_t(2 * k), std::uint8_t(3 * k)});
    return p;
}

QByteArray rampPaletteRgb(int n, int of)
{
    QByteArray out;
    for (int k = 0; k < of; ++k) {
        const bool held = k < n;
        out += char(held ? k : 0);
        out += char(held ? 2 * k : 0);
        out += char(held ? 3 * k : 0);
    }
    return out;
}

struct Read {
    bool ok = false;
    QByteArray data = "untouched";
    QByteArray palette = "untouched";
    std::int32_t width = -7;
    std::int32_t height = -7;
    std::uint8_t bpp = 99;
};

Read readFile(const QString& path, bool gray)
{
    Read r;
    r.ok = Probe::ReadBMPFile(path, r.data, r.palette, r.width, r.height, r.bpp, gray);
    return r;
}

class BmpReading : public ::testing::Test {
protected:
    Read read(const BmpSpec& spec, bool gray = false)
    {
        return readFile(m_folder.write(QStringLiteral("pic.bmp"), makeBmp(spec)), gray);
    }
    TempProgramFolder m_folder;
};

TEST_F(BmpReading, EveryDepthKeepsEachRowsDataAndDropsThePadding)
{
    const struct {
        const char* what;
        BmpSpec spec;
        QByteArray data;
        int stride;
    } cases[] = {
        {"24 bits, 1 wide", {1, 2, 24, 40, 0, 0, {}, {bytes({1, 2, 3}), bytes({4, 5, 6})}},
         bytes({3, 2, 1, 6, 5, 4}), 4},
        {"24 bits, 3 wide",
         {3, 2, 24, 40, 0, 0, {}, {bytes({1, 2, 3, 4, 5, 6, 7, 8, 9}), bytes({10, 11, 12, 13, 14, 15, 16, 17, 18})}},
         bytes({3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13, 18, 17, 16}), 12},
        {"8 bits, 5 wide", {5, 2, 8, 40, 0, 0, rampPalette(256), {bytes({0, 1, 2, 3, 4}), bytes({5, 6, 7, 8, 9})}},
         bytes({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), 8},
        {"4 bits, 7 wide",
         {7, 2, 4, 40, 0, 0, rampPalette(16), {bytes({0x01, 0x23, 0x45, 0x60}), bytes({0x78, 0x9A, 0xBC, 0xD0})}},
         bytes({0x01, 0x23, 0x45, 0x60, 0x78, 0x9A, 0xBC, 0xD0}), 4},
        {"1 bit, 8 wide", {8, 3, 1, 40, 0, 0, rampPalette(2), {bytes({0x81}), bytes({0x42}), bytes({0x24})}},
         bytes({0x81, 0x42, 0x24}), 4},
        {"1 bit, 33 wide",
         {33, 2, 1, 40, 0, 0, rampPalette(2), {bytes({1, 2, 3, 4, 0x80}), bytes({5, 6, 7, 8, 0x00})}},
         bytes({1, 2, 3, 4, 0x80, 5, 6, 7, 8, 0x00}), 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(BmpDecoder::rowStride(c.spec.width, c.spec.bitsPerPixel), c.stride);
        const Read r = read(c.spec);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(hex(r.data), hex(c.data));
        EXPECT_EQ(r.width, c.spec.width);
        EXPECT_EQ(r.height, c.spec.height);
        EXPECT_EQ(r.bpp, c.spec.bitsPerPixel);
        const int entries = c.spec.bitsPerPixel == 24 ? 0 : 1 << c.spec.bitsPerPixel;
        EXPECT_EQ(hex(r.palette), hex(rampPaletteRgb(entries, entries)));
    }
}

TEST_F(BmpReading, PaletteAndPixelsTurnFromBlueGreenRedIntoRedGreenBlueOrGrey)
{
    BmpSpec spec;
    spec.width = 1;
    spec.height = 1;
    spec.bitsPerPixel = 24;
    spec.rows = {bytes({255, 0, 0})}; // stored blue 255, green 0, red 0
    EXPECT_EQ(hex(read(spec).data), hex(bytes({0, 0, 255})));

    // Grey is 0.33 R + 0.59 G + 0.11 B rounded; white (262.65) is held at 255.
    const struct {
        std::array<std::uint8_t, 3> rgb;
        int grey;
    } greys[] = {
        {{255, 255, 255}, 255}, {{0, 0, 0}, 0}, {{255, 0, 0}, 84}, {{0, 255, 0}, 150},
        {{0, 0, 255}, 28},      {{10, 20, 30}, 18},
    };
    for (const auto& g : greys) {
        SCOPED_TRACE(g.grey);
        spec.rows = {bytes({g.rgb[2], g.rgb[1], g.rgb[0]})};
        const Read pixel = read(spec, true);
        ASSERT_TRUE(pixel.ok);
        EXPECT_EQ(hex(pixel.data), hex(bytes({g.grey})));

        BmpSpec indexed;
        indexed.width = 2;
        indexed.bitsPerPixel = 1;
        indexed.palette = {g.rgb, {0, 0, 0}};
        indexed.rows = {bytes({0x40})};
        const Read entry = read(indexed, true);
        ASSERT_TRUE(entry.ok);
        EXPECT_EQ(hex(entry.palette), hex(bytes({g.grey, 0})));
        EXPECT_EQ(hex(entry.data), hex(bytes({0x40}))); // indices stay as they are
    }
}

TEST_F(BmpReading, PaletteFollowsTheHeaderWhateverItsSizeAndHoldsTheEntriesTheFileDeclares)
{
    // A larger header: the palette starts at 14 + 124, not at 54.
    BmpSpec v5;
    v5.width = 2;
    v5.bitsPerPixel = 8;
    v5.headerSize = 124;
    v5.palette = rampPalette(256);
    v5.rows = {bytes({7, 200})};
    Read r = read(v5);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(hex(r.palette), hex(rampPaletteRgb(256, 256)));
    EXPECT_EQ(hex(r.data), hex(bytes({7, 200})));

    // Three colours used: the pixels follow right after them; the rest of
    // the 256 entries is black, and the pixel rows are not taken for colours.
    BmpSpec few = v5;
    few.headerSize = 40;
    few.coloursUsed = 3;
    few.palette = rampPalette(3);
    r = read(few);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(hex(r.palette), hex(rampPaletteRgb(3, 256)));

    // No count given and fewer entries before the pixels: only those.
    few.coloursUsed = 0;
    r = read(few);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(hex(r.palette), hex(rampPaletteRgb(3, 256)));
}

TEST_F(BmpReading, TopDownRowsComeOutBottomRowFirstWithAPositiveHeight)
{
    BmpSpec bottomUp;
    bottomUp.width = 1;
    bottomUp.height = 3;
    bottomUp.bitsPerPixel = 8;
    bottomUp.palette = rampPalette(256);
    bottomUp.rows = {bytes({30}), bytes({20}), bytes({10})}; // bottom, middle, top
    BmpSpec topDown = bottomUp;
    topDown.height = -3;
    topDown.rows = {bytes({10}), bytes({20}), bytes({30})}; // top, middle, bottom

    const Read a = read(bottomUp);
    const Read b = read(topDown);
    ASSERT_TRUE(a.ok);
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(hex(a.data), hex(bytes({30, 20, 10})));
    EXPECT_EQ(hex(b.data), hex(a.data));
    EXPECT_EQ(b.height, 3);
}

TEST_F(BmpReading, DamagedFilesAreRefusedWithTheirReasonAndTheOutputsUntouched)
{
    BmpSpec good;
    good.width = 4;
    good.height = 4;
    for (int r = 0; r < 4; ++r)
        good.rows.append(QByteArray(12, char(r)));
    const QByteArray goodFile = makeBmp(good);

    const auto with = [&](const std::function<void(BmpSpec&)>& change) {
        BmpSpec s = good;
        change(s);
        return makeBmp(s);
    };
    const auto patched = [&](qsizetype at, std::uint32_t value, int size) {
        QByteArray b = goodFile;
        putLE(b, at, value, size);
        return b;
    };

    const struct {
        const char* what;
        QByteArray file;
        Bmp verdict;
    } cases[] = {
        {"empty file", QByteArray(), Bmp::NotBitmap},
        {"other signature", "PK" + goodFile.mid(2), Bmp::NotBitmap},
        {"headers cut short", goodFile.left(40), Bmp::Truncated},
        {"pixel rows cut short", goodFile.left(goodFile.size() - 13), Bmp::Truncated},
        {"core header of 12 bytes", patched(14, 12, 4), Bmp::BadHeader},
        {"header past the end", patched(14, 0xFFFFFFF0u, 4), Bmp::BadHeader},
        {"huge width", patched(18, 0x7FFFFFFF, 4), Bmp::BadSize},
        {"width beyond the limit", patched(18, 32768, 4), Bmp::BadSize},
        {"negative width", patched(18, static_cast<std::uint32_t>(-4), 4), Bmp::BadSize},
        {"zero height", patched(22, 0, 4), Bmp::BadSize},
        {"most negative height", patched(22, static_cast<std::uint32_t>(INT_MIN), 4), Bmp::BadSize},
        {"16 bits", patched(28, 16, 2), Bmp::UnsupportedDepth},
        {"32 bits", patched(28, 32, 2), Bmp::UnsupportedDepth},
        {"2 bits", patched(28, 2, 2), Bmp::UnsupportedDepth},
        {"run-length compressed", with([](BmpSpec& s) {
             s.bitsPerPixel = 8;
             s.compression = 1;
             s.palette = rampPalette(256);
         }),
         Bmp::Compressed},
        {"bit fields", patched(30, 3, 4), Bmp::Compressed},
        {"offset inside the header", patched(10, 20, 4), Bmp::BadOffset},
        {"offset past the end", patched(10, static_cast<std::uint32_t>(goodFile.size() + 1), 4), Bmp::BadOffset},
        {"offset at 4 GB", patched(10, 0xFFFFFFFFu, 4), Bmp::BadOffset},
        {"offset leaving too few rows", patched(10, 54 + 16, 4), Bmp::Truncated},
        {"pixel data of gigabytes", with([](BmpSpec& s) {
             s.width = 32767;
             s.height = -32767;
             s.rows.clear();
         }),
         Bmp::TooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BmpDecoder::Picture picture;
        picture.data = "untouched";
        EXPECT_EQ(BmpDecoder::decode(c.file, false, picture), c.verdict) << BmpDecoder::describe(c.verdict);
        EXPECT_EQ(picture.data, "untouched");

        const Read r = readFile(m_folder.write(QStringLiteral("bad.bmp"), c.file), false);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.data, "untouched");
        EXPECT_EQ(r.palette, "untouched");
        EXPECT_EQ(r.width, -7);
        EXPECT_EQ(r.height, -7);
        EXPECT_EQ(r.bpp, 99);
    }

    // Only the last row's padding missing: every pixel is there.
    BmpSpec odd = good;
    odd.width = 3; // 9 data bytes in a stride of 12
    for (QByteArray& row : odd.rows)
        row = row.left(9);
    const QByteArray oddFile = makeBmp(odd);
    EXPECT_TRUE(readFile(m_folder.write(QStringLiteral("odd.bmp"), oddFile.left(oddFile.size() - 3)), false).ok);
    EXPECT_FALSE(readFile(m_folder.write(QStringLiteral("odd.bmp"), oddFile.left(oddFile.size() - 4)), false).ok);

    // Not there at all, or a folder.
    EXPECT_FALSE(readFile(m_folder.file(QStringLiteral("missing.bmp")), false).ok);
    EXPECT_FALSE(readFile(m_folder.path(), false).ok);
    EXPECT_FALSE(readFile(QString(), false).ok);
}

// Every prefix of a file and every header byte set to a few extremes: the
// reader either reads a picture of the declared size or refuses, and never
// reads outside the file (the sanitizer build checks that).
TEST_F(BmpReading, CutAndMutatedFilesNeverReadOutsideTheFile)
{
    BmpSpec spec;
    spec.width = 5;
    spec.height = -3;
    spec.bitsPerPixel = 4;
    spec.palette = rampPalette(16);
    spec.rows = {bytes({0x12, 0x34, 0x50}), bytes({0x67, 0x89, 0xA0}), bytes({0xBC, 0xDE, 0xF0})};
    const QByteArray file = makeBmp(spec);
    const auto check = [](const QByteArray& f) {
        BmpDecoder::Picture p;
        for (const bool gray : {false, true}) {
            if (BmpDecoder::decode(QByteArray(f), gray, p) != Bmp::Read)
                continue;
            const std::int64_t rows = p.height;
            const std::int64_t expected = p.bitsPerPixel == 24
                                              ? std::int64_t(p.width) * rows * (gray ? 1 : 3)
                                              : BmpDecoder::rowDataBytes(p.width, p.bitsPerPixel) * rows;
            ASSERT_EQ(p.data.size(), expected);
        }
    };
    for (qsizetype n = 0; n <= file.size(); ++n)
        check(file.left(n));
    for (qsizetype at = 0; at < 54; ++at)
        for (const int value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            QByteArray f = file;
            f[at] = static_cast<char>(value);
            check(f);
        }
}

TEST(Ascii85, GroupsOfFourBytesBecomeFiveCharactersAndZerosOneZ)
{
    const struct {
        QByteArray in;
        QByteArray out;
    } cases[] = {
        {QByteArray(), "~>"},
        {QByteArray(4, '\0'), "z~>"},
        {QByteArray(8, '\0'), "zz~>"},
        {QByteArray(1, '\0'), "!!~>"},
        {"Man", "9jqo~>"},
        {QByteArray(5, '\0'), "z!!~>"},
        {"Man sure", "9jqo^F*2M7~>"},
        {QByteArray(4, char(0xFF)), "s8W-!~>"},
        {bytes({1, 2}), "!<N~>"},
        {bytes({0, 0, 0, 0, 1}), "z!<~>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Probe::ToASCII85(c.in), c.out) << hex(c.in);
}

class PdfImages : public ::testing::Test {
protected:
    // A document whose images are made by load() and drawn by draw() on one page.
    QByteArray write(const std::function<void(clsPDFCreator&)>& load,
                     const std::function<void(clsPDFCreator&)>& draw = {}, bool ascii85 = false)
    {
        m_path = m_folder.file(QStringLiteral("images.pdf"));
        clsPDFCreator pdf;
        pdf.setEncodeASCII85(ascii85);
        pdf.InitPDFFile(m_path);
        load(pdf);
        pdf.BeginPage();
        if (draw)
            draw(pdf);
        pdf.EndPage();
        pdf.ClosePDFFile();
        const Verdict v = qpdfCheck(m_path);
        EXPECT_TRUE(v.passed) << v.output.toStdString();
        return readBytes(m_path);
    }

    // The stream data of object n as qpdf decodes it.
    QByteArray decoded(int n)
    {
        QProcess p;
        p.start(QStringLiteral("qpdf"),
                {QStringLiteral("--show-object=%1").arg(n), QStringLiteral("--filtered-stream-data"), m_path});
        p.waitForFinished(60000);
        return p.readAllStandardOutput();
    }

    // The page rendered at 72 dpi, one pixel a point.
    RenderedPage render()
    {
        QProcess p;
        p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), m_path});
        p.waitForFinished(60000);
        return RenderedPage(p.readAllStandardOutput());
    }

    TempProgramFolder m_folder;
    QString m_path;
};

TEST_F(PdfImages, ImageObjectsAreWrittenWithTheirLengthAndPalette)
{
    const QByteArray data = bytes({1, 0xFE});
    const QByteArray palette = rampPaletteRgb(256, 256);
    const struct {
        bool ascii85;
        QByteArray image, length, lookup;
    } cases[] = {
        {false,
         "5 0 obj\r\n<<\r/Type /XObject\r/Subtype /Image\r/Name /Img1\r/Width 2\r/Height 1\r\n"
         "/BitsPerComponent 8\r/ColorSpace [/Indexed /DeviceRGB 255 7 0 R]\r/Length 6 0 R\r\n>>\rstream\r\n" +
             data + "\rendstream\r\nendobj",
         "6 0 obj\r\n2\r\nendobj", "7 0 obj\r\n<</Length 768 >>\rstream\r\n" + palette + "\rendstream\r\nendobj"},
        {true,
         "5 0 obj\r\n<<\r/Type /XObject\r/Subtype /Image\r/Name /Img1\r/Width 2\r/Height 1\r/Filter /ASCII85Decode\r\n"
         "/BitsPerComponent 8\r/ColorSpace [/Indexed /DeviceRGB 255 7 0 R]\r/Length 6 0 R\r\n>>\rstream\r\n" +
             Probe::ToASCII85(data) + "\rendstream\r\nendobj",
         "6 0 obj\r\n" + QByteArray::number(Probe::ToASCII85(data).size()) + "\r\nendobj",
         "7 0 obj\r\n<</Filter /ASCII85Decode\r/Length " + QByteArray::number(Probe::ToASCII85(palette).size()) +
             " >>\rstream\r\n" + Probe::ToASCII85(palette) + "\rendstream\r\nendobj"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ascii85);
        const QByteArray pdf = write(
            [&](clsPDFCreator& p) {
                p.LoadImgFromArray(QStringLiteral("Img1"), data, palette, 2, 1, 8, false);
                p.LoadImgFromArray(QStringLiteral("Img2"), bytes({1, 2, 3}), QByteArray(), 1, 1, 24, false);
            },
            {}, c.ascii85);
        EXPECT_EQ(objectBytes(pdf, 5), c.image);
        EXPECT_EQ(objectBytes(pdf, 6), c.length);
        EXPECT_EQ(objectBytes(pdf, 7), c.lookup);
        // A 24-bit picture has no palette: two objects.
        EXPECT_TRUE(objectBytes(pdf, 8).contains("/Name /Img2\r/Width 1\r/Height 1"));
        EXPECT_TRUE(objectBytes(pdf, 8).contains("\r\n/BitsPerComponent 8\r/ColorSpace /DeviceRGB\r/Length 9 0 R\r\n"));
        EXPECT_TRUE(objectBytes(pdf, 10).contains("/Type /Page\r"));
        EXPECT_TRUE(objectBytes(pdf, 4).contains("/ProcSet [/PDF /Text /ImageB /ImageC /ImageI ]\r"
                                                 "/XObject <<\r/Img1 5 0 R \r/Img2 8 0 R \r\r>>\r"));
        EXPECT_EQ(decoded(5), data);
        EXPECT_EQ(decoded(7), palette);
    }
}

TEST_F(PdfImages, GreyPicturesUseTheGreyColourSpace)
{
    const QByteArray pdf = write([](clsPDFCreator& p) {
        p.LoadImgFromArray(QStringLiteral("Mono"), bytes({0x80}), bytes({0, 255}), 1, 1, 1, true);
        p.LoadImgFromArray(QStringLiteral("Grey"), bytes({1, 2}), QByteArray(), 2, 1, 24, true);
    });
    EXPECT_TRUE(objectBytes(pdf, 5).contains("/BitsPerComponent 1\r/ColorSpace [/Indexed /DeviceGray 1 7 0 R]"));
    EXPECT_EQ(streamData(pdf, 7), bytes({0, 255, '\r'}));
    EXPECT_TRUE(objectBytes(pdf, 8).contains("/BitsPerComponent 8\r/ColorSpace /DeviceGray\r/Length 9 0 R"));
}

TEST_F(PdfImages, Ascii85StreamsDecodeToTheirBytes)
{
    std::mt19937 rng(7);
    QByteArray data;
    for (int i = 0; i < 3001; ++i) // zero runs, and a final group of one byte
        data += static_cast<char>(i % 97 < 9 ? 0 : rng() % 256);
    write([&](clsPDFCreator& p) { p.LoadImgFromArray(QStringLiteral("Noise"), data, QByteArray(), 3001, 1, 24, true); },
          {}, true);
    EXPECT_EQ(decoded(5), data);
}

TEST_F(PdfImages, DrawImgPlacesTheUnitSquareWithItsFirstRowAtTheBottom)
{
    const QByteArray pdf = write(
        [](clsPDFCreator& p) {
            p.setScaleMode(3);
            p.LoadImgFromArray(QStringLiteral("Img1"), bytes({9, 9, 9}), QByteArray(), 1, 1, 24, false);
        },
        [](clsPDFCreator& p) { p.DrawImg(u"Img1", 2, 2, 5, 5); });
    EXPECT_EQ(streamData(pdf, 8), "q\r141.732  0 0 -141.732 56.693 56.693 cm\r/Img1 Do\rQ\r\n");
}

// What a viewer shows: each layout of the same 2 x 2 picture stands upright
// in the box DrawImg gives it.
TEST_F(PdfImages, EveryLayoutRendersUprightInItsBox)
{
    using RGB = std::array<std::uint8_t, 3>;
    const RGB red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255};
    const auto indexed = [](int bpp, QList<RGB> colours, QList<QByteArray> rows, bool topDown = false) {
        BmpSpec s;
        s.width = 2;
        s.height = topDown ? -2 : 2;
        s.bitsPerPixel = static_cast<std::uint16_t>(bpp);
        while (colours.size() < (1 << bpp))
            colours.append({0, 0, 0});
        s.palette = colours;
        s.rows = rows;
        return s;
    };
    BmpSpec topDown24 = fourColours24({red, green, blue, white});
    topDown24.height = -2;
    std::swap(topDown24.rows[0], topDown24.rows[1]);

    const struct {
        const char* what;
        BmpSpec spec;
        bool gray;
        bool ascii85;
        std::array<RGB, 4> expected; // top left, top right, bottom left, bottom right
    } cases[] = {
        {"24 bits", fourColours24({red, green, blue, white}), false, false, {red, green, blue, white}},
        {"24 bits top down", topDown24, false, true, {red, green, blue, white}},
        {"24 bits grey", fourColours24({red, green, blue, white}), true, false,
         {RGB{84, 84, 84}, RGB{150, 150, 150}, RGB{28, 28, 28}, white}},
        {"8 bits", indexed(8, {red, green, blue, white}, {bytes({2, 3}), bytes({0, 1})}), false, false,
         {red, green, blue, white}},
        {"4 bits top down", indexed(4, {red, green, blue, white}, {bytes({0x01}), bytes({0x23})}, true), false, true,
         {red, green, blue, white}},
        {"1 bit", indexed(1, {red, blue}, {bytes({0x40}), bytes({0x40})}), false, false, {red, blue, red, blue}},
        {"1 bit grey", indexed(1, {white, blue}, {bytes({0x80}), bytes({0x40})}), true, false,
         {white, RGB{28, 28, 28}, RGB{28, 28, 28}, white}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString bmp = m_folder.write(QStringLiteral("pic.bmp"), makeBmp(c.spec));
        write(
            [&](clsPDFCreator& p) { ASSERT_TRUE(p.LoadImgFromBMPFile(QStringLiteral("Pic"), bmp, c.gray)); },
            [](clsPDFCreator& p) { p.DrawImg(u"Pic", 100, 700, 200, 100); }, c.ascii85);
        const RenderedPage page = render();
        ASSERT_FALSE(page.isNull());
        // The box runs from x 100 to 300 and from 142 to 242 from the top.
        const int centres[4][2] = {{150, 167}, {250, 167}, {150, 217}, {250, 217}};
        for (int q = 0; q < 4; ++q) {
            const RGB got = page.pixel(centres[q][0], centres[q][1]);
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(got[k], c.expected[q][k], 3) << q << " " << k;
        }
        EXPECT_EQ(page.pixel(90, 190), white); // nothing outside the box
        EXPECT_EQ(page.pixel(200, 135), white);
    }
}

TEST_F(PdfImages, AFileThatCannotBeReadWritesNothing)
{
    const QString bad = m_folder.write(QStringLiteral("bad.bmp"), "BM and nothing more");
    const QString good = m_folder.write(QStringLiteral("good.bmp"), makeBmp(fourColours24({})));
    const QByteArray pdf = write([&](clsPDFCreator& p) {
        EXPECT_FALSE(p.LoadImgFromBMPFile(QStringLiteral("Bad"), bad, false));
        EXPECT_FALSE(p.LoadImgFromBMPFile(QStringLiteral("Gone"), m_folder.file(QStringLiteral("gone.bmp")), false));
        EXPECT_TRUE(p.LoadImgFromBMPFile(QStringLiteral("Good"), QStringLiteral("good.bmp"), false));
    });
    // The good picture takes the first free number; the refused ones left no trace.
    EXPECT_TRUE(objectBytes(pdf, 5).contains("/Name /Good"));
    EXPECT_FALSE(pdf.contains("/Bad"));
    EXPECT_FALSE(pdf.contains("/Gone"));
}

TEST_F(PdfImages, APictureOfAnotherLayoutOrOutOfTurnIsAnArgumentErrorAndWritesNothing)
{
    const QByteArray pal1 = bytes({0, 0, 0, 255, 255, 255});
    const struct {
        const char* what;
        std::function<void(clsPDFCreator&)> call;
    } cases[] = {
        {"2 bits", [&](clsPDFCreator& p) { p.LoadImgFromArray("X", bytes({0}), QByteArray(12, 0), 1, 1, 2, false); }},
        {"32 bits", [&](clsPDFCreator& p) { p.LoadImgFromArray("X", QByteArray(4, 0), {}, 1, 1, 32, false); }},
        {"no width", [&](clsPDFCreator& p) { p.LoadImgFromArray("X", {}, {}, 0, 1, 24, false); }},
        {"short data", [&](clsPDFCreator& p) { p.LoadImgFromArray("X", bytes({1, 2}), {}, 1, 1, 24, false); }},
        {"colour data for grey",
         [&](clsPDFCreator& p) { p.LoadImgFromArray("X", bytes({1, 2, 3}), {}, 1, 1, 24, true); }},
        {"short palette",
         [&](clsPDFCreator& p) { p.LoadImgFromArray("X", bytes({0}), pal1.left(5), 1, 1, 1, false); }},
        {"rows of 9 pixels need 2 bytes",
         [&](clsPDFCreator& p) { p.LoadImgFromArray("X", bytes({0}), pal1, 9, 1, 1, false); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write([&](clsPDFCreator& p) { EXPECT_EQ(errorKindOf([&] { c.call(p); }), ErrorKind::Argument); });
        EXPECT_FALSE(readBytes(m_path).contains("/X"));
    }
    // Inside a page, where no object may begin.
    write([](clsPDFCreator&) {},
          [&](clsPDFCreator& p) {
              EXPECT_EQ(errorKindOf([&] { p.LoadImgFromArray("X", bytes({0}), pal1, 1, 1, 1, false); }),
                        ErrorKind::Argument);
          });
    EXPECT_FALSE(readBytes(m_path).contains("/X"));
}

} // namespace
