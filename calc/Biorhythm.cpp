#include "calc/Biorhythm.h"

#include "calc/Truncation.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

double RhythmValue(std::int32_t daysLived, int period)
{
    const long double angle = static_cast<long double>(daysLived) * kTwoPi / period;
    return static_cast<double>(Trunc2(std::sin(angle)));
}

void ComputeBiorhythms(std::int32_t daysLived, CalcState& state)
{
    state.Intellectual = RhythmValue(daysLived, kIntellectualPeriod);
    state.Emotional = RhythmValue(daysLived, kEmotionalPeriod);
    state.Physical = RhythmValue(daysLived, kPhysicalPeriod);
}

Rhythm RhythmState(double value)
{
    if (value < 0)
        return Rhythm::Bad;
    if (value == 0)
        return Rhythm::Critical;
    return Rhythm::Good;
}

std::string NumberText(double value, std::string_view sep)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0"; // also -0, which a truncated small negative sine gives

    // 15 significant digits, rounded: "d.dddddddddddddde+XX".
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    std::string digits;
    const char* p = buf;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            digits.push_back(*p);
    }
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent >= 0) {
            const auto intDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                out += digits;
                out.append(intDigits - digits.size(), '0');
            } else {
                out += digits.substr(0, intDigits);
                out += sep;
                out += digits.substr(intDigits);
            }
        } else {
            out += "0";
            out += sep;
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        }
    } else {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += sep;
            out += digits.substr(1);
        }
        out += "E" + std::to_string(exponent);
    }
    return out;
}

std::string IntellectualLine(const CalcState& state, std::string_view sep)
{
    return " Ваш интеллектуальный биоритм - " + NumberText(state.Intellectual, sep);
}

std::string EmotionalLine(const CalcState& state, std::string_view sep)
{
    return " Ваш эмоциональный биоритм - " + NumberText(state.Emotional, sep);
}

std::string PhysicalLine(const CalcState& state, std::string_view sep)
{
    return " Ваш физический биоритм - " + NumberText(state.Physical, sep);
}
