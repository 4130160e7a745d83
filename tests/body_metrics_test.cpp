#include "calc/BodyMetrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

using Field = double BodyMetrics::*;

struct Expectation {
    const char* name;
    Field field;
    double value;
};

struct Person {
    const char* what;
    char sex;
    int height, weight;
    std::int32_t days;
    std::vector<Expectation> expected;
    // Pressures are checked as the result window shows them: truncated to whole numbers.
    int upperShown = -1, lowerShown = -1;
};

#define F(name, value) Expectation{#name, &BodyMetrics::name, value}

BodyMetrics Compute(char sex, int height, int weight, std::int32_t days)
{
    ProfileRecord r;
    r.Sex = sex;
    r.Height = static_cast<std::uint8_t>(height);
    r.Weight = static_cast<std::uint8_t>(weight);
    return ComputeBodyMetrics(r, days);
}

TEST(BodyMetricsTest, WorkedExamplesAndExtremePersons)
{
    const Person people[] = {
        {"example 1, male 180 cm 80 kg", 'M', 180, 80, 10000,
         {F(MassIndex, 24), F(NormWeight, 74.34), F(FatPercent, 13.07), F(FatMass, 10.45), F(WaterVolume, 54.41),
          F(Density, 1.07), F(BodyVolume, 74.76), F(SkinArea, 2), F(BrainMass, 1672.65), F(AirAtRest, 16),
          F(AirAtWork, 320)},
         130, 87},
        {"example 2, female 165 cm 55 kg", 'F', 165, 55, 5000,
         {F(MassIndex, 20), F(NormWeight, 53.7), F(FatPercent, 10.36), F(FatMass, 5.69), F(WaterVolume, 39.3),
          F(Density, 1.07), F(BodyVolume, 51.4), F(SkinArea, 1.59), F(BrainMass, 1208.25), F(AirAtRest, 11),
          F(AirAtWork, 220)},
         119, 85},
        {"example 3, fat raised to 4", 'M', 175, 70, 12345,
         {F(NormWeight, 72.2), F(FatPercent, 4), F(FatMass, 2.8), F(Density, 1.09), F(BodyVolume, 64.22)}},
        {"lightest and tallest", 'M', 220, 20, 100, {F(MassIndex, 4), F(FatPercent, 4), F(NormWeight, 97.56)}},
        {"heaviest and shortest", 'F', 100, 180, 20000,
         {F(MassIndex, 180), F(FatPercent, 80), F(Density, 0.93), F(NormWeight, 19.07), F(BodyVolume, 193.54)}},
        {"air at rest with one decimal", 'M', 180, 73, 10000, {F(AirAtRest, 14.6), F(AirAtWork, 292)}},
        // 46 - 12.88 is 33.12 on paper, but the stored norm weight lies a hair above 12.88,
        // so the fat figure is 79.9999... and cuts to 79.99 instead of reaching the cap.
        {"fat just below the cap", 'F', 109, 46, 100, {F(NormWeight, 12.88), F(FatPercent, 79.99)}},
        {"mass index 22.98 is 22", 'F', 118, 32, 0, {F(MassIndex, 22)}},
        // The stored norm weight 8.18 lies a hair below 8.18: in extended precision 2250 times
        // it stays below 18405 and cuts to 184.04, and the fat figure lands just above 65.1.
        // Double intermediates round both products the other way (184.05 and 65.09).
        {"extended precision decides the brain mass", 'M', 100, 20, 1000,
         {F(NormWeight, 8.18), F(BrainMass, 184.04), F(FatPercent, 65.1)}},
    };
    for (const Person& p : people) {
        const BodyMetrics m = Compute(p.sex, p.height, p.weight, p.days);
        for (const Expectation& e : p.expected)
            EXPECT_EQ(m.*(e.field), e.value) << p.what << ": " << e.name;
        if (p.upperShown >= 0) {
            EXPECT_EQ(std::trunc(m.UpperPressure), p.upperShown) << p.what;
            EXPECT_EQ(std::trunc(m.LowerPressure), p.lowerShown) << p.what;
        }
    }
}

TEST(BodyMetricsTest, FiguresStayInsideTheirRangesForEveryPerson)
{
    for (char sex : {'M', 'F', '\0'}) {
        for (int h = 100; h <= 220; h += 3) {
            for (int w = 20; w <= 180; w += 2) {
                for (std::int32_t d : {0, 365, 20000, 47000}) {
                    const BodyMetrics m = Compute(sex, h, w, d);
                    ASSERT_EQ(m.MassIndex, std::trunc(m.MassIndex));
                    ASSERT_GE(m.FatPercent, 4);
                    ASSERT_LE(m.FatPercent, 80);
                    ASSERT_GE(m.Density, 0.93);
                    ASSERT_GT(m.BodyVolume, 0);
                    ASSERT_TRUE(std::isfinite(m.SkinArea) && m.SkinArea > 0) << h << " " << w;
                }
            }
        }
    }
}

TEST(BodyMetricsTest, ANonMaleSexTakesTheFemaleConstants)
{
    const BodyMetrics none = Compute('\0', 165, 55, 5000);
    const BodyMetrics female = Compute('F', 165, 55, 5000);
    EXPECT_EQ(none.NormWeight, female.NormWeight);
    EXPECT_EQ(none.FatPercent, female.FatPercent);
    EXPECT_EQ(none.UpperPressure, female.UpperPressure);
}

TEST(BodyMetricsTest, ResultLinesOfExampleOne)
{
    const auto lines = BodyMetricLines(Compute('M', 180, 80, 10000), ",");
    const char* expected[] = {
        " Ваш индекс массы - 24",
        " Норма вашей массы - 74,34 кг",
        " Норма Вашего верхнего давления - 130 мм.р.ст",
        " Норма Вашего нижнего давления - 87 мм.р.ст",
        " В вашем организме содержится 13,07% жира",
        " Общая масса жира в вашем организме 10,45 кг",
        " Общий объём воды в организме - 54,41 л",
        " Средняя плотность вашего организма 1,07 г/см^3",
        " Объём вашего тела 74,76 л",
        " Общая площадь вашей кожи 2 м^2",
        " Масса вашего мозга 1672,65 г",
        " Потребность вашего организма в воздухе в спокойствии - 16 л/час",
        " Потребность вашего организма в воздухе при тяжёлой работе - 320 л/час",
    };
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i;
}

} // namespace
