#pragma once

#include "calc/BodyMetrics.h"
#include "calc/Person.h"

#include <array>
#include <string>
#include <string_view>

// One line of the result window and the label that shows it.
struct ResultLine {
    const char* Label;
    std::string Text;
};

// The nineteen result lines, from the top label of the result window to the bottom one.
std::array<ResultLine, 19> ResultLines(const ProfileRecord& profile, const CalcState& state,
                                       const BodyMetrics& metrics, std::string_view decimalSeparator);

// Replaces state.DiagnosisText with the running text built from the person's sex, body-mass
// index, rhythm states, weight against the norm, density, brain mass and air figures.
void ComposeDiagnosis(const ProfileRecord& profile, CalcState& state, const BodyMetrics& metrics,
                      std::string_view decimalSeparator);
