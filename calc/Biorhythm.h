#pragma once

#include "calc/Person.h"

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kIntellectualPeriod = 33;
inline constexpr int kEmotionalPeriod = 28;
inline constexpr int kPhysicalPeriod = 23;
// 2pi in extended precision: every angle of a rhythm is formed as days * kTwoPi / period.
inline constexpr long double kTwoPi = 2 * 3.141592653589793238462643383279502884L;

// sin(D * 2pi / T) cut to hundredths, in extended precision.
double RhythmValue(std::int32_t daysLived, int period);

// Stores the three rhythms of the day count into state.
void ComputeBiorhythms(std::int32_t daysLived, CalcState& state);

enum class Rhythm { Bad, Critical, Good };
Rhythm RhythmState(double value);

// A number as a result text shows it: the general format with at most 15 significant
// digits, no trailing zeros, no thousands separator, the given decimal separator; fixed
// notation down to 0.00001, exponent form below that and from 10^15 up.
std::string NumberText(double value, std::string_view decimalSeparator);

std::string IntellectualLine(const CalcState& state, std::string_view decimalSeparator);
std::string EmotionalLine(const CalcState& state, std::string_view decimalSeparator);
std::string PhysicalLine(const CalcState& state, std::string_view decimalSeparator);
