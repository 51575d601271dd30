#include "pdf/clsPDFCreator.h"
#include "platform/RuntimeError.h"
#include "tests/pdf/PdfJudges.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

using namespace PdfJudges;
using Draw = std::function<void(clsPDFCreator&)>;

// The content of the only page of a document that draws with draw; every
// document must satisfy qpdf.
QByteArray pageContent(const Draw& draw, std::int32_t scaleMode = 0)
{
    TempProgramFolder folder;
    QString path = folder.file(QStringLiteral("ops.pdf"));
    clsPDFCreator pdf;
    pdf.setScaleMode(scaleMode);
    pdf.InitPDFFile(path);
    pdf.LoadFont(QStringLiteral("Fnt1"), QStringLiteral("Times New Roman"), 0); // 5 and 6
    pdf.LoadFontStandard(QStringLiteral("Std"), QStringLiteral("Helvetica"), 0); // 7
    pdf.BeginPage();                                                              // 8, content 9
    draw(pdf);
    pdf.EndPage();
    pdf.ClosePDFFile();
    const Verdict v = qpdfCheck(path);
    EXPECT_TRUE(v.passed) << v.output.toStdString();
    return streamData(readBytes(path), 9);
}

QByteArray lines(std::initializer_list<const char*> list)
{
    QByteArray out;
    for (const char* l : list)
        out += QByteArray(l) + "\r\n";
    return out;
}

struct Case {
    const char* what;
    Draw draw;
    QByteArray expected;
    std::int32_t scaleMode = 0;
};

TEST(PdfOperators, EachOperatorWritesItsExactText)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"word spacing", [](clsPDFCreator& p) { p.SetWordSpacing(2.5f); }, lines({"2.5 Tw"})},
        {"character spacing", [](clsPDFCreator& p) { p.SetCharSpacing(-0.25f); }, lines({"-0.25 Tc"})},
        {"horizontal scaling", [](clsPDFCreator& p) { p.SetTextHorizontalScaling(80); }, lines({"80 Tz"})},
        {"rendering mode", [](clsPDFCreator& p) { p.SetTextRenderingMode(1); }, lines({"1 Tr"})},
        {"rendering modes outside 0 to 2",
         [nan](clsPDFCreator& p) {
             p.SetTextRenderingMode(3);
             p.SetTextRenderingMode(-1);
             p.SetTextRenderingMode(nan);
         },
         ""},
        {"text", [](clsPDFCreator& p) { p.DrawText(10, 20, u"Hi (x) \\", u"Fnt1", 12, 0, 0); },
         lines({"BT", "/Fnt1 12 Tf", "10 20 Td", "(Hi \\(x\\) \\\\) Tj", "ET"})},
        {"text in centimetres", [](clsPDFCreator& p) { p.DrawText(2, 28, u"QuorDVD", u"Fnt1", 16, 0, 0); },
         lines({"BT", "/Fnt1 16 Tf", "56.693 793.701 Td", "(QuorDVD) Tj", "ET"}), 3},
        {"text turned by 90 degrees", [](clsPDFCreator& p) { p.DrawText(10, 20, u"up", u"Fnt1", 9.5f, 0, 90); },
         lines({"BT", "/Fnt1 9.5 Tf", "0 1 -1 0 10 20 Tm", "(up) Tj", "ET"})},
        {"text turned by 30 degrees", [](clsPDFCreator& p) { p.DrawText(10, 20, u"x", u"Fnt1", 8, 0, 30); },
         lines({"BT", "/Fnt1 8 Tf", "0.866 0.5 -0.5 0.866 10 20 Tm", "(x) Tj", "ET"})},
        {"right aligned", [](clsPDFCreator& p) { p.DrawText(100, 20, u"A", u"Fnt1", 12, 1, 0); },
         lines({"BT", "/Fnt1 12 Tf", "91.336 20 Td", "(A) Tj", "ET"})},
        {"centred", [](clsPDFCreator& p) { p.DrawText(100, 20, u"A", u"Fnt1", 12, 2, 0); },
         lines({"BT", "/Fnt1 12 Tf", "95.668 20 Td", "(A) Tj", "ET"})},
        {"right aligned and turned: the shift stays on the page's x axis",
         [](clsPDFCreator& p) { p.DrawText(100, 20, u"A", u"Fnt1", 12, 1, 90); },
         lines({"BT", "/Fnt1 12 Tf", "0 1 -1 0 91.336 20 Tm", "(A) Tj", "ET"})},
        {"right aligned in a font without metrics",
         [](clsPDFCreator& p) { p.DrawText(100, 20, u"A", u"Std", 12, 1, 0); },
         lines({"BT", "/Std 12 Tf", "100 20 Td", "(A) Tj", "ET"})},
        {"any other alignment is left", [](clsPDFCreator& p) { p.DrawText(100, 20, u"A", u"Fnt1", 12, 3, 0); },
         lines({"BT", "/Fnt1 12 Tf", "100 20 Td", "(A) Tj", "ET"})},
        {"grey fill", [](clsPDFCreator& p) { p.SetColorFill(-128); }, lines({"0.502 g"})},
        {"white fill", [](clsPDFCreator& p) { p.SetColorFill(-255); }, lines({"1 g"})},
        {"black stroke", [](clsPDFCreator& p) { p.SetColorStroke(0); }, lines({"0 G"})},
        {"red stroke", [](clsPDFCreator& p) { p.SetColorStroke(255); }, lines({"1 0 0 RG"})},
        {"colour as 0x00BBGGRR", [](clsPDFCreator& p) { p.SetColorFill(0x00FF8000); }, lines({"0 0.502 1 rg"})},
        {"high byte ignored", [](clsPDFCreator& p) { p.SetColorStroke(0x7F0000FF); }, lines({"1 0 0 RG"})},
        {"below -255: the bytes of the value", [](clsPDFCreator& p) { p.SetColorStroke(-256); },
         lines({"0 1 1 RG"})},
        {"solid line", [](clsPDFCreator& p) { p.SetDash(0, 0); }, lines({"[ ] 0 d"})},
        {"dash with no ink", [](clsPDFCreator& p) { p.SetDash(0, 3); }, lines({"[0 3] 0 d"})},
        {"dash in centimetres", [](clsPDFCreator& p) { p.SetDash(1, 0.5f); }, lines({"[28.346 14.173] 0 d"}), 3},
        {"line width in centimetres", [](clsPDFCreator& p) { p.SetLineWidth(0.1f); }, lines({"2.835 w"}), 3},
        {"line width in inches", [](clsPDFCreator& p) { p.SetLineWidth(0.5f); }, lines({"36 w"}), 1},
        {"line width in millimetres", [](clsPDFCreator& p) { p.SetLineWidth(25.4f); }, lines({"72 w"}), 2},
        {"line width in an unknown unit", [](clsPDFCreator& p) { p.SetLineWidth(3); }, lines({"0 w"}), 5},
        {"cap and join",
         [](clsPDFCreator& p) {
             p.SetLineCap(1);
             p.SetLineCap(3);
             p.SetLineJoin(2);
             p.SetLineJoin(-1);
         },
         lines({"1 J", "2 j"})},
        {"miter limit",
         [](clsPDFCreator& p) {
             p.SetMiterLimit(10);
             p.SetMiterLimit(0.5f);
         },
         lines({"10 M"})},
        {"move and open line",
         [](clsPDFCreator& p) {
             p.MoveTo(1, 2);
             p.LineTo(3.5f, 4, 0);
         },
         lines({"1 2 m", "3.5 4 l"})},
        {"curve stroked", [](clsPDFCreator& p) { p.Curve(1, 2, 3, 4, 5, 6, 1); }, lines({"1 2 3 4 5 6 c", "S"})},
        {"rectangle", [](clsPDFCreator& p) { p.Rectangle(10, 20, 30, 40, 1, 0); }, lines({"n", "10 20 30 40 re", "S"})},
        {"rounded rectangle: the radius is at most half the shorter side",
         [](clsPDFCreator& p) { p.Rectangle(10, 20, 40, 30, 4, 100); },
         lines({"n", "25 20 m", "35 20 l", "43.25 20 50 26.75 50 35 c", "50 35 l", "50 43.25 43.25 50 35 50 c",
                "25 50 l", "16.75 50 10 43.25 10 35 c", "10 35 l", "10 26.75 16.75 20 25 20 c", "f"})},
        {"circle", [](clsPDFCreator& p) { p.DrawCircle(0, 0, 10, 1); },
         lines({"0 -10 m", "5.5 -10 10 -5.5 10 0 c", "10 5.5 5.5 10 0 10 c", "-5.5 10 -10 5.5 -10 0 c",
                "-10 -5.5 -5.5 -10 0 -10 c", "S"})},
        {"open arc: the centre stays a lone point",
         [](clsPDFCreator& p) { p.Arc(0, 0, 10, 0, 360, 1, false, 0, 90, 1); },
         lines({"n", "0 0 m", "10 0 m", "10 0 l", "0 10 l", "-10 0 l", "0 -10 l", "10 0 l", "S"})},
        {"filled arc is a pie", [](clsPDFCreator& p) { p.Arc(0, 0, 10, 0, 360, 1, false, 0, 90, 5); },
         lines({"n", "0 0 m", "10 0 l", "0 10 l", "-10 0 l", "0 -10 l", "10 0 l", "0 0 l", "B"})},
        {"pie counting down", [](clsPDFCreator& p) { p.Arc(5, 5, 10, 180, 0, 1, true, 0, -90, 1); },
         lines({"n", "5 5 m", "-5 5 l", "5 15 l", "15 5 l", "5 5 l", "S"})},
        {"turned flat arc", [](clsPDFCreator& p) { p.Arc(0, 0, 10, 0, 90, 0.5f, false, 90, 90, 0); },
         lines({"n", "0 0 m", "0 10 m", "0 10 l", "-5 0 l"})},
        {"arc with a step of 0 draws nothing", [](clsPDFCreator& p) { p.Arc(0, 0, 10, 0, 360, 1, false, 0, 0, 1); },
         ""},
        {"arc whose angle cannot move draws nothing",
         [](clsPDFCreator& p) { p.Arc(0, 0, 10, 1e9f, 2e9f, 1, false, 0, 1, 1); }, ""},
        {"form drawn by name", [](clsPDFCreator& p) { p.DrawObject(u"Footers"); }, lines({"/Footers Do"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(pageContent(c.draw, c.scaleMode), c.expected);
    }
}

TEST(PdfOperators, PaintFlagsEndThePath)
{
    const char* const painted[] = {"", "S\r\n", "h\r\n", "h\r\nS\r\n", "f\r\n", "B\r\n", "f\r\n", "b\r\n"};
    for (std::int32_t flags : {0, 1, 2, 3, 4, 5, 6, 7, 8, 15, 0x7FFFFFF9}) {
        SCOPED_TRACE(flags);
        EXPECT_EQ(pageContent([flags](clsPDFCreator& p) { p.LineTo(1, 2, flags); }),
                  QByteArray("1 2 l\r\n") + painted[flags & 7]);
    }
}

TEST(PdfOperators, AFailedOperationWritesNothing)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const QByteArray content = pageContent([&](clsPDFCreator& p) {
        p.MoveTo(1, 1);
        EXPECT_EQ(errorKindOf([&] { p.DrawText(10, nan, u"lost", u"Fnt1", 12, 0, 0); }), ErrorKind::Argument);
        EXPECT_EQ(errorKindOf([&] { p.LineTo(inf, 0, 1); }), ErrorKind::Argument);
        EXPECT_EQ(errorKindOf([&] { p.Rectangle(0, 0, 10, 10, 1, nan); }), ErrorKind::Argument);
        EXPECT_EQ(errorKindOf([&] { p.SetWordSpacing(nan); }), ErrorKind::Argument);
        // Sums beyond single precision are overflow errors.
        EXPECT_EQ(errorKindOf([&] { p.Rectangle(3e38f, 0, 3e38f, 10, 1, 2); }), ErrorKind::Overflow);
        EXPECT_EQ(errorKindOf([&] { p.DrawCircle(3e38f, 0, 3e38f, 1); }), ErrorKind::Overflow);
        EXPECT_EQ(errorKindOf([&] { p.Arc(3e38f, 0, 3e38f, 0, 90, 1, true, 0, 90, 1); }), ErrorKind::Overflow);
        EXPECT_EQ(errorKindOf([&] { p.DrawText(-3e38f, 0, u"AAAA", u"Fnt1", 1e38f, 1, 0); }), ErrorKind::Overflow);
        p.LineTo(2, 2, 1);
    });
    EXPECT_EQ(content, lines({"1 1 m", "2 2 l", "S"}));
    EXPECT_EQ(pageContent([](clsPDFCreator& p) {
                  EXPECT_EQ(errorKindOf([&] { p.MoveTo(1e37f, 0); }), ErrorKind::Overflow);
              },
                          1),
              "");
}

TEST(PdfOperators, TextSpacingStartsAfreshOnEveryPage)
{
    TempProgramFolder folder;
    QString path = folder.file(QStringLiteral("spacing.pdf"));
    clsPDFCreator pdf;
    pdf.InitPDFFile(path);
    pdf.LoadFont(QStringLiteral("Fnt1"), QStringLiteral("Times New Roman"), 0);
    pdf.BeginPage();
    pdf.SetWordSpacing(2);
    pdf.SetCharSpacing(1);
    pdf.SetTextHorizontalScaling(50);
    const float spaced = pdf.Length(u"a b", u"Fnt1", 10);
    pdf.EndPage();
    pdf.BeginPage();
    const float plain = pdf.Length(u"a b", u"Fnt1", 10);
    pdf.EndPage();
    pdf.ClosePDFFile();
    // a 444, blank 250, b 500 at 10 points: 11.94; plus 2 for the blank and 3 for three characters; halved.
    EXPECT_FLOAT_EQ(spaced, (11.94f + 2 + 3) / 2);
    EXPECT_FLOAT_EQ(plain, 11.94f);
    // Spacing is text state, written where it is set, never again by the page.
    const QByteArray page2 = streamData(readBytes(path), 11);
    EXPECT_EQ(page2, "");
    const Verdict v = qpdfCheck(path);
    EXPECT_TRUE(v.passed) << v.output.toStdString();
}

} // namespace
