#include "controls/clsZoomControl.h"
#include "platform/RuntimeError.h"

#include "tests/support/ErrorKindOf.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <ostream>
#include <vector>

namespace {

struct Geometry {
    int left, top, width, height;
};

Geometry geometryOf(const clsZoomControl& z)
{
    return {z.getPictureLeft(), z.getPictureTop(), z.getPictureWidth(), z.getPictureHeight()};
}

void expectGeometry(const clsZoomControl& z, Geometry g)
{
    EXPECT_EQ(z.getPictureLeft(), g.left);
    EXPECT_EQ(z.getPictureTop(), g.top);
    EXPECT_EQ(z.getPictureWidth(), g.width);
    EXPECT_EQ(z.getPictureHeight(), g.height);
}

} // namespace

TEST(ZoomControl, InitializeStartsAtNaturalSizeWithoutOffset)
{
    clsZoomControl z;
    expectGeometry(z, {0, 0, 0, 0});
    EXPECT_EQ(z.getZoomSize(), 0.0);

    z.Initialize(200.0, 400, 300, 1000, 800);
    expectGeometry(z, {0, 0, 1000, 800});
    EXPECT_EQ(z.getZoomSize(), 1.0);
}

// Each move in a sequence and the offset it leaves.
struct MoveCase {
    const char* name;
    int viewWidth, viewHeight, pictureWidth, pictureHeight;
    double step;
    void (clsZoomControl::*move)();
    bool horizontal;
    std::vector<int> offsets;
};
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class ZoomMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(ZoomMoves, OffsetsFollowEachMove)
{
    const MoveCase& c = GetParam();
    clsZoomControl z;
    z.Initialize(c.step, c.viewWidth, c.viewHeight, c.pictureWidth, c.pictureHeight);
    for (size_t i = 0; i < c.offsets.size(); ++i) {
        (z.*c.move)();
        EXPECT_EQ(c.horizontal ? z.getPictureLeft() : z.getPictureTop(), c.offsets[i]) << "move " << i + 1;
        // A move never touches the other offset or the size.
        EXPECT_EQ(c.horizontal ? z.getPictureTop() : z.getPictureLeft(), 0);
        EXPECT_EQ(z.getPictureWidth(), c.pictureWidth);
        EXPECT_EQ(z.getPictureHeight(), c.pictureHeight);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ZoomMoves,
    ::testing::Values(
        // Stops with the right edge on the view's right edge.
        MoveCase{"RightStopsAtEdge", 400, 300, 1000, 800, 200.0, &clsZoomControl::goRight, true,
                 {-200, -400, -600, -600, -600}},
        MoveCase{"DownStopsAtEdge", 400, 300, 1000, 800, 200.0, &clsZoomControl::goDown, false,
                 {-200, -400, -500, -500}},
        // Already at the left and upper edge: nothing to show there.
        MoveCase{"LeftAtStart", 400, 300, 1000, 800, 200.0, &clsZoomControl::goLeft, true, {0, 0}},
        MoveCase{"UpAtStart", 400, 300, 1000, 800, 200.0, &clsZoomControl::goUp, false, {0}},
        // A picture narrower than the view goes to the right edge, left becomes positive.
        MoveCase{"NarrowPictureRight", 400, 300, 100, 50, 200.0, &clsZoomControl::goRight, true, {300, 300}},
        MoveCase{"LowPictureDown", 400, 300, 100, 50, 200.0, &clsZoomControl::goDown, false, {250}},
        // Fractional steps round halves to the even neighbour.
        MoveCase{"HalfStepsRoundToEven", 400, 300, 1000, 800, 2.5, &clsZoomControl::goRight, true,
                 {-2, -4, -6, -8}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ZoomControl, GoLeftAndUpStopAtZeroRatherThanOvershoot)
{
    clsZoomControl z;
    z.Initialize(200.0, 900, 700, 1000, 800);
    z.goRight();
    z.goDown();
    EXPECT_EQ(z.getPictureLeft(), -100);
    EXPECT_EQ(z.getPictureTop(), -100);
    z.goLeft();
    z.goUp();
    EXPECT_EQ(z.getPictureLeft(), 0);
    EXPECT_EQ(z.getPictureTop(), 0);

    z.Initialize(200.0, 400, 300, 1000, 800);
    z.goRight();
    z.goRight();
    z.goRight();
    EXPECT_EQ(z.getPictureLeft(), -600);
    z.goLeft();
    EXPECT_EQ(z.getPictureLeft(), -400);

    // A narrow picture moved to the right edge comes back to 0.
    z.Initialize(200.0, 400, 300, 100, 50);
    z.goRight();
    z.goLeft();
    EXPECT_EQ(z.getPictureLeft(), 0);
}

TEST(ZoomControl, MakeBiggerFloorsTheAccumulatedFactorAndStopsAtFive)
{
    clsZoomControl z;
    z.Initialize(200.0, 400, 300, 1000, 800);
    z.goRight();
    z.goDown();
    z.makeBigger();
    expectGeometry(z, {0, 0, 1200, 960});
    for (int i = 0; i < 4; ++i)
        z.makeBigger();
    // 1.0 + 5 x 0.2 is just below 2 in double arithmetic.
    EXPECT_EQ(z.getZoomSize(), 1.0 + 0.2 + 0.2 + 0.2 + 0.2 + 0.2);
    expectGeometry(z, {0, 0, 1999, 1599});

    for (int i = 5; i < 20; ++i)
        z.makeBigger();
    EXPECT_GE(z.getZoomSize(), 5.0);
    const Geometry atLimit = geometryOf(z);
    EXPECT_EQ(atLimit.width, 5000);
    z.goRight();
    z.makeBigger(); // the twenty-first step changes nothing, not even the offset
    EXPECT_EQ(z.getPictureLeft(), -200);
    EXPECT_EQ(z.getPictureWidth(), atLimit.width);
    EXPECT_EQ(z.getPictureHeight(), atLimit.height);
}

TEST(ZoomControl, MakeSmallerReducesWhileThePictureCoversTheView)
{
    clsZoomControl z;
    z.Initialize(200.0, 400, 300, 1000, 800);
    z.makeBigger();
    z.makeBigger();
    z.goRight();
    z.makeSmaller();
    expectGeometry(z, {0, 0, 1200, 960});
    z.makeSmaller();
    expectGeometry(z, {0, 0, 1000, 800});
    z.makeSmaller();
    expectGeometry(z, {0, 0, 800, 640});
    EXPECT_DOUBLE_EQ(z.getZoomSize(), 0.8);
}

// The fitted step: factor and offsets stay, the size follows the view.
struct FitCase {
    const char* name;
    int viewWidth, viewHeight, pictureWidth, pictureHeight;
    int width, height;
};
void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class ZoomFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(ZoomFit, FitsTheDirectionThatFallsShortFirst)
{
    const FitCase& c = GetParam();
    clsZoomControl z;
    z.Initialize(200.0, c.viewWidth, c.viewHeight, c.pictureWidth, c.pictureHeight);
    z.goRight();
    const int left = z.getPictureLeft();
    z.makeSmaller();
    expectGeometry(z, {left, 0, c.width, c.height});
    EXPECT_EQ(z.getZoomSize(), 1.0);
    z.makeSmaller(); // repeating gives the same fitted size
    expectGeometry(z, {left, 0, c.width, c.height});

    z.makeBigger(); // continues from the unchanged factor
    EXPECT_DOUBLE_EQ(z.getZoomSize(), 1.2);
    EXPECT_EQ(z.getPictureLeft(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, ZoomFit,
                         ::testing::Values(FitCase{"Width", 900, 300, 1000, 800, 900, 720},
                                           FitCase{"Height", 400, 700, 1000, 800, 875, 700},
                                           // Width is tested before height.
                                           FitCase{"WidthBeforeHeight", 900, 700, 1000, 800, 900, 720},
                                           FitCase{"SmallPictureStretched", 400, 300, 100, 50, 400, 200},
                                           FitCase{"HalfRoundsDown", 18, 1, 4, 1, 18, 4},
                                           FitCase{"HalfRoundsUp", 22, 1, 4, 1, 22, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZoomControl, EmptyPictureIsNeverFittedByDividingByZero)
{
    clsZoomControl z;
    z.makeSmaller(); // before Initialize
    expectGeometry(z, {0, 0, 0, 0});

    z.Initialize(200.0, 400, 300, 0, 0);
    z.makeSmaller();
    expectGeometry(z, {0, 0, 0, 0});
    z.Initialize(200.0, 400, 300, 100, 0);
    z.makeSmaller();
    expectGeometry(z, {0, 0, 100, 0});
}

TEST(ZoomControl, SumsOutsideThe32BitRangeAreOverflowErrors)
{
    clsZoomControl z;
    z.Initialize(200.0, 400, 300, INT_MAX, 800);
    EXPECT_EQ(errorKindOf([&] { z.makeBigger(); }), ErrorKind::Overflow);

    z.Initialize(200.0, INT_MIN, 300, 1000, 800);
    EXPECT_EQ(errorKindOf([&] { z.goRight(); }), ErrorKind::Overflow);

    z.Initialize(200.0, 400, 300, 1000, INT_MAX);
    z.goDown(); // 0 + INT_MAX - 300 still fits
    EXPECT_EQ(z.getPictureTop(), -200);
    z.Initialize(200.0, 400, -10, 1000, INT_MAX);
    EXPECT_EQ(errorKindOf([&] { z.goDown(); }), ErrorKind::Overflow);
}
