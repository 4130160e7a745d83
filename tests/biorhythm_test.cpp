#include "calc/Biorhythm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(BiorhythmTest, WorkedValues)
{
    struct Row {
        std::int32_t days;
        double intellectual, emotional, physical;
    };
    const Row rows[] = {
        {0, 0, 0, 0},
        {1, 0.18, 0.22, 0.26},
        {7, 0.97, 1, 0.94},
        {21, -0.75, -1, -0.51},
        {10000, 0.18, 0.78, -0.97},
        {12345, 0.54, -0.62, -0.99},
    };
    for (const Row& r : rows) {
        CalcState s;
        ComputeBiorhythms(r.days, s);
        EXPECT_EQ(s.Intellectual, r.intellectual) << "D = " << r.days;
        EXPECT_EQ(s.Emotional, r.emotional) << "D = " << r.days;
        EXPECT_EQ(s.Physical, r.physical) << "D = " << r.days;
    }
}

TEST(BiorhythmTest, EmotionalPeaksEveryTwentyEightDaysOthersNeverReachOne)
{
    for (std::int32_t k = 0; k < 400; ++k) {
        ASSERT_EQ(RhythmValue(7 + 28 * k, kEmotionalPeriod), 1) << k;
        ASSERT_EQ(RhythmValue(21 + 28 * k, kEmotionalPeriod), -1) << k;
    }
    for (std::int32_t d = 0; d < 30000; ++d) {
        ASSERT_LT(std::fabs(RhythmValue(d, kIntellectualPeriod)), 1) << d;
        ASSERT_LT(std::fabs(RhythmValue(d, kPhysicalPeriod)), 1) << d;
    }
}

TEST(BiorhythmTest, ValuesAreTruncatedToHundredthsNotRounded)
{
    // sin(2pi/33) = 0.1893..., sin(2pi*16/33) = 0.0951..., sin(2pi*17/33) = -0.0951...
    EXPECT_EQ(RhythmValue(1, kIntellectualPeriod), 0.18);
    EXPECT_EQ(RhythmValue(16, kIntellectualPeriod), 0.09);
    EXPECT_EQ(RhythmValue(17, kIntellectualPeriod), -0.09);
    // Cut toward zero: never beyond the sine, and less than a hundredth short of it.
    for (std::int32_t d = 0; d < 2000; ++d) {
        const long double sine = std::sin(d * 2 * 3.141592653589793238462643383279502884L / kPhysicalPeriod);
        const long double v = RhythmValue(d, kPhysicalPeriod);
        ASSERT_LE(std::fabs(v), std::fabs(sine) + 1e-15L) << d;
        ASSERT_LT(std::fabs(sine) - std::fabs(v), 0.01L) << d;
        ASSERT_TRUE(v == 0 || (v < 0) == (sine < 0)) << d;
    }
}

TEST(RhythmStateTest, ZeroIsCriticalEvenWhenNegative)
{
    EXPECT_EQ(RhythmState(-0.01), Rhythm::Bad);
    EXPECT_EQ(RhythmState(0.0), Rhythm::Critical);
    EXPECT_EQ(RhythmState(-0.0), Rhythm::Critical);
    EXPECT_EQ(RhythmState(0.01), Rhythm::Good);
    // A sine just below zero truncates to -0, which is Critical and writes as 0.
    CalcState s;
    ComputeBiorhythms(33 * 50, s);
    EXPECT_EQ(RhythmState(s.Intellectual), Rhythm::Critical);
    EXPECT_EQ(IntellectualLine(s, ","), " Ваш интеллектуальный биоритм - 0");
}

TEST(NumberTextTest, GeneralFormat)
{
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {0.5, "0,5"},
        {22, "22"},
        {-0.54, "-0,54"},
        {0, "0"},
        {-0.0, "0"},
        {74.34, "74,34"},
        {5.659, "5,659"},
        {12.5, "12,5"},
        {37.2, "37,2"},
        {1672.65, "1672,65"},
        {73 * 0.2, "14,6"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3, "0,333333333333333"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"},
        {1.5e20, "1,5E20"},
        {0.00001, "0,00001"},
        {0.000123, "0,000123"},
        {0.0000099, "9,9E-6"},
        {-2.5e-7, "-2,5E-7"},
        {100, "100"},
        {1234.5, "1234,5"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(NumberText(r.value, ","), r.text) << r.value;
    EXPECT_EQ(NumberText(0.5, "."), "0.5");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity(), ","), "INF");
    EXPECT_EQ(NumberText(std::nan(""), ","), "NAN");
}

TEST(BiorhythmTest, ResultLines)
{
    CalcState s;
    ComputeBiorhythms(12345, s);
    EXPECT_EQ(IntellectualLine(s, ","), " Ваш интеллектуальный биоритм - 0,54");
    EXPECT_EQ(EmotionalLine(s, ","), " Ваш эмоциональный биоритм - -0,62");
    EXPECT_EQ(PhysicalLine(s, ","), " Ваш физический биоритм - -0,99");
}

} // namespace
