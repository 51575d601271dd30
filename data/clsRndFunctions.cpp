#include "data/clsRndFunctions.h"

#include "platform/Numbers.h"
#include "platform/RandomSource.h"

int clsRndFunctions::RndWithoutSpecificNumbers(int lo, int hi, int a, int b, int c, int d)
{
    const int first = RndBetween(lo, hi);
    int x = first;
    const long long span = static_cast<long long>(hi) - lo + 1;
    // One full turn through the range at most, so an exhausted range cannot hang.
    for (long long tries = 0; tries < span && (x == a || x == b || x == c || x == d); ++tries)
        x = NextNumber(x, lo, hi);
    if (x == a || x == b || x == c || x == d)
        return first;
    return x;
}

int clsRndFunctions::RndBetween(int lo, int hi)
{
    const double r = Random::get().next();
    return static_cast<int>(Numbers::roundHalfEven(r * (static_cast<double>(hi) - lo) + lo));
}

int clsRndFunctions::NextNumber(int n, int lo, int hi)
{
    return (static_cast<long long>(n) + 1 <= hi) ? n + 1 : lo;
}

bool clsRndFunctions::FiftyFifty() { return Numbers::roundHalfEven(Random::get().next()) == 1; }
