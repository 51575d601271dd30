#include "data/clsDatentraegerList.h"
#include "data/clsStatistic.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

namespace {

struct Title {
    int rating = 0;
    int fsk = 0;
    int length = 0;
    int price = 0;
};

void fill(clsDatentraegerList& list, const std::vector<Title>& titles)
{
    list.ClearList();
    int n = 0;
    for (const Title& t : titles) {
        clsDatentraeger d;
        d.SetFilmname(QStringLiteral("Film %1").arg(++n));
        d.SetBewertung(static_cast<std::uint8_t>(t.rating));
        d.SetFsk(static_cast<std::uint8_t>(t.fsk));
        d.SetLaenge(static_cast<std::int16_t>(t.length));
        d.SetKaufpreis(static_cast<std::int16_t>(t.price));
        list.AddDVD(d);
    }
}

} // namespace

TEST(Statistic, SumsAndAveragesCountEveryTitle)
{
    clsDatentraegerList list;
    fill(list, {{4, 0, 90, 1999}, {0, 0, 120, 1001}, {5, 0, 0, 0}});
    EXPECT_DOUBLE_EQ(clsStatistic::GetAverageRating(list), 3);
    EXPECT_DOUBLE_EQ(clsStatistic::GetAllLength(list), 210);
    EXPECT_DOUBLE_EQ(clsStatistic::GetAverageLength(list), 70);
    EXPECT_DOUBLE_EQ(clsStatistic::GetAllPrices(list), 30);
    EXPECT_DOUBLE_EQ(clsStatistic::GetAveragePrice(list), 10);

    fill(list, {{0, 0, 0, 1999}, {0, 0, 0, 1001}});
    EXPECT_DOUBLE_EQ(clsStatistic::GetAllPrices(list), 30);
    EXPECT_DOUBLE_EQ(clsStatistic::GetAveragePrice(list), 15);
    fill(list, {{0, 0, 0, 1999}, {0, 0, 0, 0}});
    EXPECT_DOUBLE_EQ(clsStatistic::GetAllPrices(list), 19.99);
    EXPECT_DOUBLE_EQ(clsStatistic::GetAveragePrice(list), 10); // 9.995 is a half: to the even 10.00
}

TEST(Statistic, AveragesRoundHalvesToEven)
{
    clsDatentraegerList list;
    struct Case {
        std::vector<int> fsk;
        double expected;
    };
    const Case cases[] = {
        {{1, 0, 0, 0, 0, 0, 0, 0}, 0.12},  // 0.125
        {{3, 0, 0, 0, 0, 0, 0, 0}, 0.38},  // 0.375
        {{1, 0, 0}, 0.33},                 // 0.333...
        {{2, 0, 0}, 0.67},                 // 0.666...
        {{12, 16, 18}, 15.33},
    };
    for (const Case& c : cases) {
        std::vector<Title> titles;
        for (int f : c.fsk)
            titles.push_back({0, f, 0, 0});
        fill(list, titles);
        EXPECT_DOUBLE_EQ(clsStatistic::GetAverageFSK(list), c.expected) << c.expected;
    }
    fill(list, {{0, 0, 0, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0},
                {0, 0, 0, 0}});
    EXPECT_DOUBLE_EQ(clsStatistic::GetAveragePrice(list), 0); // 0.00125 units
}

TEST(Statistic, EmptyListGivesZeroEverywhere)
{
    clsDatentraegerList list;
    EXPECT_EQ(clsStatistic::GetAverageRating(list), 0);
    EXPECT_EQ(clsStatistic::GetAveragePrice(list), 0);
    EXPECT_EQ(clsStatistic::GetAverageFSK(list), 0);
    EXPECT_EQ(clsStatistic::GetAverageLength(list), 0);
    EXPECT_EQ(clsStatistic::GetAllLength(list), 0);
    EXPECT_EQ(clsStatistic::GetAllPrices(list), 0);
    EXPECT_EQ(clsStatistic::GetHighestValue(list, clsDatentraegerList::FieldBewertung), 0);
    EXPECT_EQ(clsStatistic::GetDeepestValue(list, clsDatentraegerList::FieldLaenge), 0);
}

TEST(Statistic, ExtremesAreTheFirstTitleHoldingThem)
{
    clsDatentraegerList list;
    fill(list, {{3}, {5}, {5}});
    EXPECT_EQ(clsStatistic::GetHighestValue(list, clsDatentraegerList::FieldBewertung), 2);
    fill(list, {{0}, {0}});
    EXPECT_EQ(clsStatistic::GetHighestValue(list, clsDatentraegerList::FieldBewertung), 0);

    fill(list, {{0, 0, 0}, {0, 0, 95}, {0, 0, 80}, {0, 0, 80}});
    EXPECT_EQ(clsStatistic::GetDeepestValue(list, clsDatentraegerList::FieldLaenge), 3);
    fill(list, {{0, 0, 30000}, {0, 0, -5}, {0, 0, 0}});
    EXPECT_EQ(clsStatistic::GetDeepestValue(list, clsDatentraegerList::FieldLaenge), 0);
    fill(list, {{0, 0, 0, 30000}, {0, 0, 0, 29999}});
    EXPECT_EQ(clsStatistic::GetDeepestValue(list, clsDatentraegerList::FieldKaufpreis), 2);
}

TEST(Statistic, FieldThatIsNoNumberFails)
{
    clsDatentraegerList list;
    fill(list, {{1}});
    try {
        clsStatistic::GetHighestValue(list, clsDatentraegerList::FieldFilmname);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Conversion);
    }
}

TEST(Statistic, SummaryGivesWhatTheSingleGettersGive)
{
    clsDatentraegerList list;
    const std::vector<std::vector<Title>> lists = {
        {},
        {{4, 0, 90, 1999}, {0, 0, 120, 1001}, {5, 0, 0, 0}},
        {{0, 1, 0, 1999}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0},
         {0, 0, 0, 0}},
        {{3, 12, -5, -250}, {2, 16, 32767, 32767}, {1, 18, 7, 3}},
    };
    for (size_t i = 0; i < lists.size(); ++i) {
        fill(list, lists[i]);
        const clsStatistic::Summary s = clsStatistic::GetSummary(list);
        EXPECT_EQ(s.allLength, clsStatistic::GetAllLength(list)) << i;
        EXPECT_EQ(s.allPrices, clsStatistic::GetAllPrices(list)) << i;
        EXPECT_EQ(s.averageRating, clsStatistic::GetAverageRating(list)) << i;
        EXPECT_EQ(s.averageFSK, clsStatistic::GetAverageFSK(list)) << i;
        EXPECT_EQ(s.averageLength, clsStatistic::GetAverageLength(list)) << i;
        EXPECT_EQ(s.averagePrice, clsStatistic::GetAveragePrice(list)) << i;
    }
}
