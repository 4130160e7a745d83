#pragma once

#include <cmath>

// Figures are cut toward zero, never rounded, in extended precision.

// trunc(scaled) / 100: for formulas that already carry the factor 100 in them.
inline long double Hundredths(long double scaled)
{
    return std::trunc(scaled) / 100;
}

// trunc(x * 100) / 100
inline long double Trunc2(long double x)
{
    return Hundredths(x * 100);
}

// trunc(x * 1000) / 1000
inline long double Trunc3(long double x)
{
    return std::trunc(x * 1000) / 1000;
}
