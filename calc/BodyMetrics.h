#pragma once

#include "calc/Person.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The thirteen body figures of one calculation; every field is a double.
struct BodyMetrics {
    double MassIndex = 0;     // kg/m², whole number
    double NormWeight = 0;    // kg, hundredths
    double UpperPressure = 0; // mm Hg, unrounded
    double LowerPressure = 0; // mm Hg, unrounded
    double FatPercent = 0;    // percent, hundredths, within 4..80
    double FatMass = 0;       // kg, hundredths
    double WaterVolume = 0;   // litres, hundredths
    double Density = 0;       // g/cm³, hundredths
    double BodyVolume = 0;    // litres, hundredths
    double SkinArea = 0;      // m², hundredths
    double BrainMass = 0;     // grams, hundredths
    double AirAtRest = 0;     // litres per hour
    double AirAtWork = 0;     // litres per hour, whole number
};

// Intermediates in extended precision; each figure is stored as a double before a later
// step uses it.
BodyMetrics ComputeBodyMetrics(const ProfileRecord& profile, std::int32_t daysLived);

// The result line of each figure, in the order of the fields above.
std::array<std::string, 13> BodyMetricLines(const BodyMetrics& m, std::string_view decimalSeparator);
