#include "platform/Numbers.h"
#include "platform/RuntimeError.h"
#include "tests/support/ErrorKindOf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

struct ParseCase {
    const char* text;
    std::optional<double> value;
};

class NumbersParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(NumbersParse, AcceptsNumericTextOnly)
{
    const ParseCase& c = GetParam();
    const auto v = Numbers::tryParse(QString::fromUtf8(c.text));
    ASSERT_EQ(v.has_value(), c.value.has_value()) << c.text;
    if (c.value) {
        EXPECT_DOUBLE_EQ(*v, *c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, NumbersParse,
                         ::testing::Values(ParseCase{"4", 4}, ParseCase{" 4 ", 4}, ParseCase{"-12", -12},
                                           ParseCase{"+7", 7}, ParseCase{"2.5", 2.5}, ParseCase{".5", 0.5},
                                           ParseCase{"3.", 3}, ParseCase{"1e3", 1000}, ParseCase{"1.5E-1", 0.15},
                                           ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt},
                                           ParseCase{"abc", std::nullopt}, ParseCase{"1,5", std::nullopt},
                                           ParseCase{"1 000", std::nullopt}, ParseCase{"1e", std::nullopt},
                                           ParseCase{"-", std::nullopt}, ParseCase{"4x", std::nullopt},
                                           ParseCase{"0x10", std::nullopt},
                                           // Too small to hold: 0, however it is written.
                                           ParseCase{"1e-400", 0}, ParseCase{"-1e-400", 0},
                                           ParseCase{"2e-324", 0}, ParseCase{"123456e-330", 0},
                                           ParseCase{"0.0000001e-318", 0}, ParseCase{"1000e-99999999999999", 0},
                                           ParseCase{"5e-324", 4.9406564584124654e-324},
                                           ParseCase{"0e99999", 0}, ParseCase{"0.000e-999", 0}));

TEST(Numbers, RoundsHalvesToEvenWhenConverting)
{
    EXPECT_EQ(Numbers::toByte(QStringLiteral("2.5")), 2);
    EXPECT_EQ(Numbers::toByte(QStringLiteral("3.5")), 4);
    EXPECT_EQ(Numbers::toByte(QStringLiteral(" 4 ")), 4);
    EXPECT_EQ(Numbers::toInt16(-2.5), -2);
    EXPECT_EQ(Numbers::toInt16(-3.5), -4);
    EXPECT_EQ(Numbers::toInt32(2.4), 2);
    EXPECT_EQ(Numbers::toByte(255.4), 255);
}

TEST(Numbers, RangeAndTextErrorsHaveTheirKinds)
{
    EXPECT_EQ(errorKindOf([] { Numbers::toByte(QStringLiteral("300")); }), ErrorKind::Overflow);
    EXPECT_EQ(errorKindOf([] { Numbers::toByte(QStringLiteral("-1")); }), ErrorKind::Overflow);
    EXPECT_EQ(errorKindOf([] { Numbers::toByte(255.5); }), ErrorKind::Overflow); // rounds to 256
    EXPECT_EQ(errorKindOf([] { Numbers::toInt16(32768.0); }), ErrorKind::Overflow);
    EXPECT_EQ(errorKindOf([] { Numbers::toInt16(-32769.0); }), ErrorKind::Overflow);
    EXPECT_EQ(errorKindOf([] { Numbers::toInt32(3e9); }), ErrorKind::Overflow);
    // Too large to hold at all is an overflow, too small to hold is 0.
    for (const char* huge : {"1e400", "-1e400", "0.001e311", "12345678901234567890e300"})
        EXPECT_EQ(errorKindOf([&] { Numbers::toInt32(QString::fromLatin1(huge)); }), ErrorKind::Overflow) << huge;
    for (const char* tiny : {"1e-400", "-1e-400", "0.001e-330", "1000e-99999999999999"}) {
        EXPECT_EQ(Numbers::toByte(QString::fromLatin1(tiny)), 0) << tiny;
        EXPECT_EQ(Numbers::toInt16(QString::fromLatin1(tiny)), 0) << tiny;
        EXPECT_EQ(Numbers::toInt32(QString::fromLatin1(tiny)), 0) << tiny;
        EXPECT_EQ(Numbers::toText(Numbers::parse(QString::fromLatin1(tiny))), QStringLiteral("0")) << tiny;
    }
    EXPECT_EQ(errorKindOf([] { Numbers::toByte(QStringLiteral("abc")); }), ErrorKind::Conversion);
    EXPECT_EQ(errorKindOf([] { Numbers::toInt16(QString()); }), ErrorKind::Conversion);
    EXPECT_EQ(Numbers::toInt16(-32768.0), -32768);
}

TEST(Numbers, IntIsFloorAndTextIsShortestWithDot)
{
    EXPECT_EQ(Numbers::intFloor(2.7), 2);
    EXPECT_EQ(Numbers::intFloor(-2.1), -3);
    EXPECT_EQ(Numbers::toText(4), QStringLiteral("4"));
    EXPECT_EQ(Numbers::toText(-2.5), QStringLiteral("-2.5"));
    EXPECT_EQ(Numbers::toText(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(Numbers::toText(-0.0), QStringLiteral("0"));
    EXPECT_EQ(Numbers::toText(0.0005), QStringLiteral("0.0005"));
    EXPECT_EQ(Numbers::toText(1e20), QStringLiteral("100000000000000000000"));
}

} // namespace
