#include "pdf/clsPDFCreator.h"
#include "tests/pdf/PdfJudges.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace {

using namespace PdfJudges;

const char* const kFamilies[] = {"Times New Roman", "Arial", "Symbol", "Courier New"};

// Font "F<family><style>" for each family of kFamilies and each style 0 to 3.
QString fontName(int family, int style) { return QStringLiteral("F%1%2").arg(family).arg(style); }

class PdfFonts : public ::testing::Test {
protected:
    // One document with every family in every style, and whatever more makes.
    QByteArray write(const std::function<void(clsPDFCreator&)>& more = {})
    {
        QString path = m_folder.file(QStringLiteral("fonts.pdf"));
        clsPDFCreator pdf;
        pdf.InitPDFFile(path);
        for (int f = 0; f < 4; ++f)
            for (int s = 0; s < 4; ++s)
                pdf.LoadFont(fontName(f, s), QString::fromLatin1(kFamilies[f]), s);
        if (more)
            more(pdf);
        pdf.ClosePDFFile();
        const Verdict v = qpdfCheck(path);
        EXPECT_TRUE(v.passed) << v.output.toStdString();
        return readBytes(path);
    }

    // The font object whose /Name is name.
    static QByteArray fontObject(const QByteArray& pdf, const QString& name)
    {
        for (const auto& [n, offset] : xrefOffsets(pdf)) {
            const QByteArray obj = objectBytes(pdf, n);
            if (obj.contains("/Name /" + name.toLatin1() + "\r"))
                return obj;
        }
        return QByteArray();
    }

    // The lines of the font's /Widths array.
    static QList<QByteArray> widthLines(const QByteArray& fontObj)
    {
        QList<QByteArray> all = fontObj.split('\n');
        QList<QByteArray> widths;
        bool inside = false;
        for (QByteArray line : all) {
            line.chop(line.endsWith('\r') ? 1 : 0);
            if (line.startsWith("] >>"))
                break;
            if (inside)
                widths << line;
            if (line.endsWith("/Widths ["))
                inside = true;
        }
        return widths;
    }

    TempProgramFolder m_folder;
};

TEST_F(PdfFonts, WidthRowsOfEveryFamilyAndStyle)
{
    const struct {
        int family;
        std::vector<int> styles;
        int from;
        const char* widths;
    } rows[] = {
        {0, {0}, 32, "250 333 408 500 500 833 778 180 333 333 500 564 250 333 250 278"},
        {0, {0}, 64, "921 722 667 667 722 611 556 722 722 333 389 722 611 889 722 722"},
        {0, {1}, 32, "250 333 555 500 500 1000 833 278 333 333 500 570 250 333 250 278"},
        {0, {2}, 32, "250 333 420 500 500 833 778 214 333 333 500 675 250 333 250 278"},
        {0, {3}, 32, "250 389 555 500 500 833 778 278 333 333 500 570 250 333 250 278"},
        {1, {0, 2}, 32, "278 278 355 556 556 889 667 191 333 333 389 584 278 333 278 278"},
        {1, {0, 2}, 64, "1015 667 667 722 722 667 611 778 722 278 500 667 556 833 722 778"},
        {1, {1, 3}, 32, "278 333 474 556 556 889 722 238 333 333 389 584 278 333 278 278"},
        {2, {0, 1, 2, 3}, 30, "600 600 250 333 713 500 549 833 778 439 333 333 500 549 250 549"},
        // Digits.
        {0, {0, 1, 2, 3}, 48, "500 500 500 500 500 500 500 500 500 500"},
        {1, {0, 1, 2, 3}, 48, "556 556 556 556 556 556 556 556 556 556"},
        {2, {0, 1, 2, 3}, 48, "500 500 500 500 500 500 500 500 500 500"},
    };
    // Each width as written into the file and as Length measures it.
    std::map<std::pair<QString, int>, float> measured;
    const QByteArray pdf = write([&](clsPDFCreator& p) {
        for (const auto& row : rows)
            for (const int style : row.styles)
                for (int i = 0; i < 16; ++i) {
                    const QString font = fontName(row.family, style);
                    measured[{font, row.from + i}] = p.Length(QString(QChar(row.from + i)), font, 1000);
                }
    });

    for (const auto& row : rows) {
        const QList<QByteArray> widths = QByteArray(row.widths).split(' ');
        for (const int style : row.styles) {
            SCOPED_TRACE(QStringLiteral("%1 style %2 from %3")
                             .arg(QLatin1String(kFamilies[row.family]))
                             .arg(style)
                             .arg(row.from)
                             .toStdString());
            const QByteArray obj = fontObject(pdf, fontName(row.family, style));
            const int first = row.family == 2 ? 30 : 32;
            const QList<QByteArray> lines = widthLines(obj);
            ASSERT_EQ(lines.size(), row.family == 2 ? 15 : 14);
            for (int i = 0; i < widths.size(); ++i) {
                const int code = row.from + i;
                const QList<QByteArray> line = lines[(code - first) / 16].split(' ');
                EXPECT_EQ(line.value((code - first) % 16), widths[i]) << code;
                const float length = measured[{fontName(row.family, style), code}];
                EXPECT_EQ(length, widths[i].toFloat()) << code;
            }
        }
    }
}

TEST_F(PdfFonts, WidthsAreSharedWhereTheFamiliesShareThem)
{
    const QByteArray pdf = write();
    const auto widths = [&](int family, int style) { return widthLines(fontObject(pdf, fontName(family, style))); };
    EXPECT_EQ(widths(1, 2), widths(1, 0)); // Arial italic = regular
    EXPECT_EQ(widths(1, 3), widths(1, 1)); // bold italic = bold
    EXPECT_NE(widths(1, 0), widths(1, 1));
    for (int s = 1; s < 4; ++s) {
        EXPECT_NE(widths(0, s), widths(0, 0)) << s;
        EXPECT_EQ(widths(2, s), widths(2, 0)) << s;
    }
    for (int s = 0; s < 4; ++s) {
        const QList<QByteArray> courier = widths(3, s);
        ASSERT_EQ(courier.size(), 14);
        for (const QByteArray& line : courier)
            EXPECT_EQ(line, QByteArray("600 ").repeated(16)) << s;
    }
    // Symbol has 226 widths: 14 lines of 16 and one of 2.
    EXPECT_EQ(widths(2, 0).last(), "494 600 ");
}

TEST_F(PdfFonts, FontObjectsAndDescriptors)
{
    const QByteArray pdf = write([](clsPDFCreator& p) {
        p.LoadFontStandard(QStringLiteral("Std"), QStringLiteral("Times New Roman"), 3);
        p.LoadFontStandard(QStringLiteral("Std2"), QStringLiteral("Helvetica"), 7);
        p.LoadFont(QStringLiteral("Low"), QStringLiteral("times new roman"), 0);
        p.LoadFont(QStringLiteral("Caps"), QStringLiteral("TIMESNEWROMAN"), 0);
        p.LoadFont(QStringLiteral("Other"), QStringLiteral("Helvetica"), 0);
    });
    // The first font: objects 5 and 6, exactly.
    QByteArray font = objectBytes(pdf, 5);
    EXPECT_TRUE(font.startsWith("5 0 obj\r\n<< /Type /Font \r/Subtype /TrueType\r/Name /F00\r/BaseFont /TimesNewRoman\r"
                                "/FirstChar 32\r/LastChar 255\r/FontDescriptor 6 0 R\r/Encoding /WinAnsiEncoding\r"
                                "/Widths [\r\n250 333 408 500 500 833 778 180 333 333 500 564 250 333 250 278 \r\n"))
        << font.left(300).data();
    EXPECT_TRUE(font.endsWith(" \r\n] >>\r\nendobj"));
    EXPECT_EQ(objectBytes(pdf, 6),
              "6 0 obj\r\n<<\r/Type /FontDescriptor\r/FontName /TimesNewRoman\r"
              "/Flags 34 /FontBBox [-250 -216 1200 1000] /MissingWidth 333 /StemV 73 /StemH 73 /ItalicAngle 0 "
              "/CapHeight 891 /XHeight 446 /Ascent 891 /Descent -216 /Leading 149 /MaxWidth 1000 /AvgWidth 401\r"
              ">>\r\nendobj");

    const char* const baseNames[] = {"TimesNewRoman", "Arial", "Symbol", "CourierNew"};
    const char* const suffixes[] = {"", ",Bold", ",Italic", ",BoldItalic"};
    const int regularFlags[] = {34, 32, 6, 34};
    const int missing[4][4] = {{333, 333, 333, 333}, {272, 311, 259, 311}, {332, 332, 332, 332}, {600, 600, 600, 600}};
    for (int f = 0; f < 4; ++f) {
        for (int s = 0; s < 4; ++s) {
            SCOPED_TRACE(fontName(f, s).toStdString());
            const QByteArray obj = fontObject(pdf, fontName(f, s));
            const QByteArray base = QByteArray(baseNames[f]) + suffixes[s];
            EXPECT_TRUE(obj.contains("/BaseFont /" + base + "\r/FirstChar " + (f == 2 ? "30" : "32") +
                                     "\r/LastChar 255\r"));
            const int descriptor = obj.mid(obj.indexOf("/FontDescriptor ") + 16).split(' ').value(0).toInt();
            const QByteArray desc = objectBytes(pdf, descriptor);
            const int flags = regularFlags[f] + (s & 2 ? 64 : 0) + (s & 1 ? 16384 : 0);
            EXPECT_TRUE(desc.contains("/FontName /" + base + "\r/Flags " + QByteArray::number(flags) + " "));
            EXPECT_TRUE(desc.contains(" /MissingWidth " + QByteArray::number(missing[f][s]) + " "));
            EXPECT_TRUE(desc.contains(s >= 2 ? "/ItalicAngle -11 " : "/ItalicAngle 0 "));
        }
    }
    EXPECT_TRUE(pdf.contains("<< /Type /Font /Subtype /Type1 /Name /Std /BaseFont /TimesNewRoman,BoldItalic "
                             "/Encoding /WinAnsiEncoding >>\r\n"));
    EXPECT_TRUE(pdf.contains("/Name /Std2 /BaseFont /Helvetica /Encoding"));
    EXPECT_TRUE(fontObject(pdf, QStringLiteral("Low")).contains("/BaseFont /TimesNewRoman\r"));
    EXPECT_TRUE(fontObject(pdf, QStringLiteral("Caps")).contains("/BaseFont /TimesNewRoman\r"));
    EXPECT_TRUE(fontObject(pdf, QStringLiteral("Other")).contains("/BaseFont /Arial\r"));
    EXPECT_TRUE(objectBytes(pdf, 4).contains("/Font <<\r/F00 5 0 R \r/F01 7 0 R \r"));
}

TEST_F(PdfFonts, LengthOfText)
{
    struct Case {
        const char* what;
        QString text;
        QString font;
        float size;
        float expected;
        std::int32_t scaleMode = 0;
    };
    const Case cases[] = {
        {"empty text", QString(), QStringLiteral("F00"), 12, 0},
        {"one letter", QStringLiteral("A"), QStringLiteral("F00"), 12, 8.664f},
        {"in centimetres", QStringLiteral("A"), QStringLiteral("F00"), 12, 8.664f / 72 * 2.54f, 3},
        {"in inches", QStringLiteral("A"), QStringLiteral("F00"), 12, 8.664f / 72, 1},
        {"in millimetres", QStringLiteral("A"), QStringLiteral("F00"), 12, 8.664f / 72 * 25.4f, 2},
        {"font name in capitals", QStringLiteral("A"), QStringLiteral("f00"), 12, 8.664f},
        {"a tab takes the missing width", QStringLiteral("\t"), QStringLiteral("F00"), 10, 3.33f},
        {"the missing width by style", QStringLiteral("\t"), QStringLiteral("F12"), 1000, 259},
        {"italic Arial measures upright", QStringLiteral("A@"), QStringLiteral("F12"), 1000, 667 + 1015},
        {"a word", QStringLiteral("Seite 12"), QStringLiteral("F00"), 1000, 556 + 444 + 278 + 278 + 444 + 250 + 1000},
        {"the euro sign", QStringLiteral("\u20ac"), QStringLiteral("F00"), 1000, 500},
        {"a character outside the code page is a question mark", QStringLiteral("\u4e2d"), QStringLiteral("F00"),
         1000, 444},
        {"Symbol below code 30", QStringLiteral("\x1d"), QStringLiteral("F20"), 1000, 332},
        {"Symbol at 30 and 31", QStringLiteral("\x1e\x1f"), QStringLiteral("F20"), 1000, 1200},
        {"Courier", QStringLiteral("iiWW"), QStringLiteral("F31"), 10, 24},
        {"a name that no font carries", QStringLiteral("A"), QStringLiteral("F0"), 12, 0},
        {"a standard font has no metrics", QStringLiteral("A"), QStringLiteral("Std"), 12, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        float length = -1;
        write([&](clsPDFCreator& p) {
            p.LoadFontStandard(QStringLiteral("Std"), QStringLiteral("Arial"), 0);
            p.setScaleMode(c.scaleMode);
            length = p.Length(c.text, c.font, c.size);
        });
        EXPECT_NEAR(length, c.expected, 1e-4f * std::max(1.0f, c.expected));
    }

    // A second font under a name already taken: Length keeps the first. Such a
    // document is never finished, so no file is written.
    QString path = m_folder.file(QStringLiteral("dup.pdf"));
    clsPDFCreator pdf;
    pdf.InitPDFFile(path);
    pdf.LoadFont(QStringLiteral("Dup"), QStringLiteral("Times New Roman"), 0);
    pdf.LoadFont(QStringLiteral("Dup"), QStringLiteral("Courier New"), 0);
    EXPECT_EQ(pdf.Length(u"A", u"Dup", 1000), 722);
}

TEST_F(PdfFonts, ViewersReadTheTextBack)
{
    const QString texts[] = {
        QStringLiteral("Gr\u00fc\u00dfe aus K\u00f6ln (1) \\ 12,50 \u20ac"),
        QStringLiteral("\u201eZitat\u201c \u2013 \u0160koda \u2026 na\u00efve"),
        QStringLiteral("Kein Zeichen: \u4e2d"),
        QStringLiteral("Mono (links) [rechts]"),
    };
    const QString fonts[] = {QStringLiteral("F00"), QStringLiteral("F11"), QStringLiteral("F02"), QStringLiteral("F33")};
    QString path = m_folder.file(QStringLiteral("read.pdf"));
    clsPDFCreator pdf;
    pdf.setScaleMode(3);
    pdf.InitPDFFile(path);
    pdf.LoadFont(QStringLiteral("F00"), QStringLiteral("Times New Roman"), 0);
    pdf.LoadFont(QStringLiteral("F11"), QStringLiteral("Arial"), 1);
    pdf.LoadFont(QStringLiteral("F02"), QStringLiteral("Times New Roman"), 2);
    pdf.LoadFont(QStringLiteral("F33"), QStringLiteral("Courier New"), 3);
    pdf.BeginPage();
    for (int i = 0; i < 4; ++i)
        pdf.DrawText(2, 26 - 2 * i, texts[i], fonts[i], 12, 0, 0);
    pdf.DrawText(19, 4, QStringLiteral("rechtsb\u00fcndig"), u"F00", 12, 1, 0);
    pdf.DrawText(10.5f, 2, QStringLiteral("mittig"), u"F11", 12, 2, 0);
    pdf.EndPage();
    pdf.ClosePDFFile();

    const Verdict v = qpdfCheck(path);
    EXPECT_TRUE(v.passed) << v.output.toStdString();
    const QStringList read = pdftotext(path).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(read, (QStringList{texts[0], texts[1], QStringLiteral("Kein Zeichen: ?"), texts[3],
                                 QStringLiteral("rechtsb\u00fcndig"), QStringLiteral("mittig"), QStringLiteral("\f")}));
}

} // namespace
