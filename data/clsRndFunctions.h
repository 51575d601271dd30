#pragma once

// Random whole numbers for the games, from the platform's random source.
class clsRndFunctions {
public:
    // A random number from lo to hi that is none of a, b, c, d; when the range
    // holds no other number, the first random pick is returned.
    static int RndWithoutSpecificNumbers(int lo, int hi, int a, int b, int c, int d);
    // random * (hi - lo) + lo, rounded half to even.
    static int RndBetween(int lo, int hi);
    static int NextNumber(int n, int lo, int hi);
    static bool FiftyFifty();
};
