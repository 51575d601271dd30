#include "data/clsStatistic.h"

#include "data/clsDatentraegerList.h"
#include "platform/Numbers.h"

#include <cmath>
#include <cstdlib>

namespace {

double valueOf(const clsDatentraegerList& list, int i, int field)
{
    // The numeric fields are read as numbers: their text would only be
    // parsed back, and that was most of the time of a statistics page.
    const clsDatentraeger& title = list.titleAt(i);
    switch (field) {
    case clsDatentraegerList::FieldBewertung: return title.GetBewertung();
    case clsDatentraegerList::FieldFsk: return title.GetFsk();
    case clsDatentraegerList::FieldLaenge: return title.GetLaenge();
    case clsDatentraegerList::FieldKaufpreis: return title.GetKaufpreis();
    default: return Numbers::parse(list.getDataString(i, field));
    }
}

double sumOf(const clsDatentraegerList& list, int field)
{
    double sum = 0;
    for (int i = 1; i <= list.getListSize(); ++i)
        sum += valueOf(list, i, field);
    return sum;
}

// numerator / denominator to 2 decimals, halves to even. Whole sums are
// divided exactly, so that 0.125 really is a half and goes down to 0.12.
double rounded2(double numerator, long long denominator)
{
    if (denominator <= 0)
        return 0;
    if (numerator == std::floor(numerator) && std::fabs(numerator) < 1e15) {
        const long long scaled = static_cast<long long>(numerator) * 100;
        long long q = scaled / denominator;
        const long long r = std::llabs(scaled % denominator);
        const int sign = scaled < 0 ? -1 : 1;
        if (2 * r > denominator || (2 * r == denominator && q % 2 != 0))
            q += sign;
        return static_cast<double>(q) / 100;
    }
    return Numbers::roundHalfEven(numerator * 100 / static_cast<double>(denominator)) / 100;
}

} // namespace

std::int16_t clsStatistic::GetHighestValue(const clsDatentraegerList& list, int field)
{
    double best = 0;
    int found = 0;
    for (int i = 1; i <= list.getListSize(); ++i) {
        const double v = valueOf(list, i, field);
        if (v > best) {
            best = v;
            found = i;
        }
    }
    return static_cast<std::int16_t>(found);
}

std::int16_t clsStatistic::GetDeepestValue(const clsDatentraegerList& list, int field)
{
    double best = 30000;
    int found = 0;
    for (int i = 1; i <= list.getListSize(); ++i) {
        const double v = valueOf(list, i, field);
        if (v > 0 && v < best) {
            best = v;
            found = i;
        }
    }
    return static_cast<std::int16_t>(found);
}

double clsStatistic::GetAverageRating(const clsDatentraegerList& list)
{
    return rounded2(sumOf(list, clsDatentraegerList::FieldBewertung), list.getListSize());
}

double clsStatistic::GetAveragePrice(const clsDatentraegerList& list)
{
    // The sum is kept in hundredths so that the division stays exact.
    return rounded2(sumOf(list, clsDatentraegerList::FieldKaufpreis), 100LL * list.getListSize());
}

double clsStatistic::GetAverageFSK(const clsDatentraegerList& list)
{
    return rounded2(sumOf(list, clsDatentraegerList::FieldFsk), list.getListSize());
}

double clsStatistic::GetAverageLength(const clsDatentraegerList& list)
{
    return rounded2(GetAllLength(list), list.getListSize());
}

double clsStatistic::GetAllLength(const clsDatentraegerList& list)
{
    return sumOf(list, clsDatentraegerList::FieldLaenge);
}

double clsStatistic::GetAllPrices(const clsDatentraegerList& list)
{
    return sumOf(list, clsDatentraegerList::FieldKaufpreis) / 100;
}

clsStatistic::Summary clsStatistic::GetSummary(const clsDatentraegerList& list)
{
    // Summed in the same order as the single-field getters, so the results are the same.
    double rating = 0, fsk = 0, length = 0, price = 0;
    const int n = list.getListSize();
    for (int i = 1; i <= n; ++i) {
        const clsDatentraeger& title = list.titleAt(i);
        rating += title.GetBewertung();
        fsk += title.GetFsk();
        length += title.GetLaenge();
        price += title.GetKaufpreis();
    }
    Summary s;
    s.allLength = length;
    s.allPrices = price / 100;
    s.averageRating = rounded2(rating, n);
    s.averageFSK = rounded2(fsk, n);
    s.averageLength = rounded2(length, n);
    s.averagePrice = rounded2(price, 100LL * n);
    return s;
}
