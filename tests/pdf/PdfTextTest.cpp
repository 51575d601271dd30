#include "pdf/PdfText.h"
#include "platform/RuntimeError.h"
#include "tests/support/ErrorKindOf.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

TEST(PdfText, FormatNumRoundsToThreePlacesWithoutTrailingZeros)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {595.2f, "595.2"},          // a single-precision page width
        {842, "842"},
        {0, "0"},
        {-0.0, "0"},
        {-0.0004, "0"},             // rounds to zero: no sign
        {-1.5, "-1.5"},
        {0.1 + 0.2, "0.3"},
        {56.69291338582677, "56.693"},
        {141.73228346456693, "141.732"},
        {0.0125, "0.012"},          // a half goes to the even digit
        {0.0135, "0.014"},
        {0.0625, "0.062"},
        {-2.0625, "-2.062"},
        {128.0 / 255, "0.502"},
        {1e-7, "0"},
        {123456789.1234, "123456789.123"},
        {1e20, "100000000000000000000"}, // no exponent however large
        {4503599627370495.5, "4503599627370495.5"},
        {1234567890123.0625, "1234567890123.062"},
        {-1180591620717411303424.0, "-1180591620717411303424"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PdfText::FormatNum(c.value), QByteArray(c.text)) << c.value;

    EXPECT_EQ(PdfText::FormatNum(2.5, 0), "2");
    EXPECT_EQ(PdfText::FormatNum(3.5, 0), "4");
    EXPECT_EQ(PdfText::FormatNum(1.23456, 2), "1.23");
}

TEST(PdfText, FormatNumIgnoresTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray text = PdfText::FormatNum(12345.5);
    QLocale::setDefault(before);
    EXPECT_EQ(text, "12345.5");
}

TEST(PdfText, NumberThatIsNotFiniteIsAnArgumentError)
{
    for (const double v : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(errorKindOf([v] { PdfText::FormatNum(v); }), ErrorKind::Argument) << v;
}

TEST(PdfText, EscapeStringDoublesBackslashesThenEscapesParentheses)
{
    const struct {
        QString text;
        QByteArray escaped;
    } cases[] = {
        {QStringLiteral("(senza titolo)"), "\\(senza titolo\\)"},
        {QStringLiteral("a\\b"), "a\\\\b"},
        {QStringLiteral("\\(x)"), "\\\\\\(x\\)"}, // the added backslashes are not doubled again
        {QStringLiteral("plain <text> [1] %"), "plain <text> [1] %"},
        {QStringLiteral(""), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PdfText::EscapeString(c.text), c.escaped) << c.text.toStdString();
}

TEST(PdfText, TextIsWrittenInWindows1252WithQuestionMarksForTheRest)
{
    // Latin-1 letters, the Windows-1252 additions, and characters it lacks.
    const QString text = QStringLiteral("\u00c4\u00f6\u00df\u00e9 \u20ac\u201e\u201c\u2026\u0160\u0178 "
                                        "\u0141\u4e2d\U0001F600\u0081");
    EXPECT_EQ(PdfText::toWinAnsi(text), QByteArray("\xc4\xf6\xdf\xe9 \x80\x84\x93\x85\x8a\x9f ????"));
    EXPECT_EQ(PdfText::winAnsiCode(u'\u00a0'), 0xa0);
    EXPECT_EQ(PdfText::winAnsiCode(u'\u0090'), -1);
}

} // namespace
