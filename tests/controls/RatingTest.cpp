#include "controls/ucRating.h"

#include <gtest/gtest.h>

namespace {

class RatingTest : public ::testing::Test {
protected:
    ucRating rating;

    void SetUp() override
    {
        rating.resize(120, 30);
        rating.show();
    }

    QWidget* star(int k) const { return rating.findChild<QWidget*>(QStringLiteral("Stern%1").arg(k)); }
    int shown() const
    {
        int n = 0;
        for (int k = 1; k <= 5; ++k)
            n += star(k)->isHidden() ? 0 : 1;
        return n;
    }
};

TEST_F(RatingTest, StarsShowsThatManyFromTheLeft)
{
    EXPECT_EQ(rating.Stars(), 5);
    rating.setStars(3);
    EXPECT_EQ(shown(), 3);
    EXPECT_FALSE(star(3)->isHidden());
    EXPECT_TRUE(star(4)->isHidden());
    rating.setStars(0);
    EXPECT_EQ(shown(), 0);
    rating.setStars(6);
    EXPECT_EQ(shown(), 0);
    EXPECT_EQ(rating.Stars(), 6);
    rating.setStars(5);
    EXPECT_EQ(shown(), 5);
}

TEST_F(RatingTest, StarColorReachesHiddenStarsToo)
{
    rating.setStars(1);
    rating.setStarColor(0x0000FF);
    EXPECT_EQ(rating.StarColor(), 0x0000FF);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(star(k)->palette().color(QPalette::Window), QColor(255, 0, 0)) << k;
}

TEST_F(RatingTest, StarsStandEdgeToEdgeFromTheMargins)
{
    rating.setMarginX(10);
    rating.setMarginY(4);
    const int lefts[] = {10, 27, 44, 61, 78};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(star(k)->geometry(), QRect(lefts[k - 1], 4, 17, 17)) << k;
    // the control's size does not change the stars
    rating.resize(40, 10);
    EXPECT_EQ(star(5)->geometry(), QRect(78, 4, 17, 17));
}

} // namespace
