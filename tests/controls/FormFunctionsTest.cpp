#include "controls/clsFormFunctions.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

namespace {

struct LeftCase {
    std::int16_t total, width;
    std::uint8_t column, columns;
    bool centred;
    std::int16_t margin;
    std::int16_t left, widthAfter;
};

class GetLeftTable : public ::testing::TestWithParam<LeftCase> {};

TEST_P(GetLeftTable, PlacesInColumnAndCapsWidth)
{
    const LeftCase c = GetParam();
    clsFormFunctions f;
    std::int16_t width = c.width;
    EXPECT_EQ(f.GetLeft(c.total, width, c.column, c.columns, c.centred, c.margin), c.left);
    EXPECT_EQ(width, c.widthAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, GetLeftTable,
    ::testing::Values(
        // column width 380: centred in the second column, or capped to the column
        LeftCase{800, 300, 2, 2, true, 10, 430, 300}, LeftCase{800, 500, 2, 2, true, 10, 390, 380},
        // the same width uncentred; columns follow at c, not c + 2 margins
        LeftCase{800, 300, 2, 2, false, 10, 390, 300}, LeftCase{800, 300, 1, 2, false, 10, 10, 300},
        // a width equal to the column gets no centring offset
        LeftCase{800, 380, 1, 2, true, 10, 10, 380},
        // column and count of 0 count as 1
        LeftCase{800, 300, 1, 0, true, 10, 400 - 150, 300}, LeftCase{800, 300, 0, 2, false, 10, 10, 300},
        // the division rounds down: 801 / 2 = 400.5 -> 400
        LeftCase{801, 100, 2, 2, false, 0, 400, 100},
        // a total too small for its margins leaves a width of 0, not a negative one
        LeftCase{30, 100, 1, 1, false, 20, 20, 0}, LeftCase{100, -5, 1, 1, true, 0, 50, 0}));

TEST(FormFunctions, CenterScreenWidthRoundsDown)
{
    clsFormFunctions f;
    EXPECT_EQ(f.CenterScreenWidth(801, 100), 350);
    EXPECT_EQ(f.CenterScreenWidth(100, 301), -101);
    EXPECT_EQ(f.CenterScreenWidth(800, 800), 0);
}

TEST(FormFunctions, RunningTopWalksDown)
{
    clsFormFunctions f;
    f.SetActualTop(30);
    f.ClearTop();
    EXPECT_EQ(f.GetActualTop(25), 0);
    EXPECT_EQ(f.GetActualTop(25), 25);
    f.SetActualTop(10);
    EXPECT_EQ(f.GetActualTop(0), 60);
    f.ClearTop();
    EXPECT_EQ(f.GetActualTop(-5), 0);
    EXPECT_EQ(f.ActualTop(), -5);
}

TEST(FormFunctions, SixteenBitOverflowIsAnError)
{
    clsFormFunctions f;
    f.SetActualTop(32000);
    try {
        f.SetActualTop(1000);
        FAIL() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Overflow);
    }
    EXPECT_EQ(f.ActualTop(), 32000);
    std::int16_t width = 10;
    EXPECT_THROW(f.GetLeft(32000, width, 255, 2, false, 0), RuntimeError);
}

TEST(FormFunctions, TwipsAndPixelsAtFifteenPerPixel)
{
    clsFormFunctions f;
    EXPECT_EQ(f.TwipsToPixelsX(22), 1);
    EXPECT_EQ(f.TwipsToPixelsX(23), 2);
    EXPECT_EQ(f.TwipsToPixelsY(7), 0);   // 0.47
    EXPECT_EQ(f.TwipsToPixelsY(-23), -2);
    EXPECT_EQ(f.PixelsToTwipsX(3), 45);
    EXPECT_EQ(f.PixelsToTwipsY(-2), -30);
    EXPECT_THROW(f.PixelsToTwipsX(200000000), RuntimeError);
}

} // namespace
