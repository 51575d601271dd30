#pragma once

#include <cstdint>

class clsDatentraegerList;

// Sums, averages and extremes over one numeric field of a collection. A field
// text that is no number is a conversion error for the caller.
class clsStatistic {
public:
    // The first title holding the largest value above 0; 0 when no value is above 0.
    static std::int16_t GetHighestValue(const clsDatentraegerList& list, int field);
    // The first title holding the smallest value above 0 and below 30000; 0 when none.
    static std::int16_t GetDeepestValue(const clsDatentraegerList& list, int field);
    // Averages count every title, rounded to 2 decimals (halves to even); 0 for an empty list.
    static double GetAverageRating(const clsDatentraegerList& list);
    static double GetAveragePrice(const clsDatentraegerList& list);
    static double GetAverageFSK(const clsDatentraegerList& list);
    static double GetAverageLength(const clsDatentraegerList& list);
    // Minutes.
    static double GetAllLength(const clsDatentraegerList& list);
    // In currency units (prices are kept in hundredths).
    static double GetAllPrices(const clsDatentraegerList& list);

    // The four totals and four averages above, taken in one pass over the titles.
    struct Summary {
        double allLength = 0;
        double allPrices = 0;
        double averageRating = 0;
        double averageFSK = 0;
        double averageLength = 0;
        double averagePrice = 0;
    };
    static Summary GetSummary(const clsDatentraegerList& list);
};
