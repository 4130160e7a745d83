#include "calc/BodyMetrics.h"

#include "calc/Biorhythm.h"
#include "calc/Truncation.h"

#include <cmath>

BodyMetrics ComputeBodyMetrics(const ProfileRecord& profile, std::int32_t daysLived)
{
    using LD = long double;
    const int w = profile.Weight;
    const int h = profile.Height;
    const bool male = profile.Sex == 'M';
    const LD W = w;
    const LD H = h;
    const LD age = static_cast<LD>(daysLived) / 365;

    BodyMetrics m;
    m.MassIndex = static_cast<double>(std::trunc(static_cast<LD>(w * 10000) / (h * h)));

    m.NormWeight = static_cast<double>(male ? Trunc2((3 * h - 450 + age) / 4 + 45)
                                            : Trunc2((3 * h - 450 + age) * 0.225L + 40.5L));

    LD fat = Trunc2((W - m.NormWeight) * 100 / W + (male ? 6 : 8));
    if (fat < 4)
        fat = 4;
    if (fat >= 80)
        fat = 80;
    m.FatPercent = static_cast<double>(fat);

    m.FatMass = static_cast<double>(Hundredths(W * m.FatPercent));
    m.WaterVolume = static_cast<double>(Hundredths(73.2L * m.NormWeight));
    m.Density = static_cast<double>(Hundredths(110 - 0.21L * m.FatPercent));
    m.BodyVolume = static_cast<double>(Hundredths(W * 100 / m.Density));

    // The base is the weight in grams, while the logarithm takes kilograms.
    const LD p1 = std::pow(1000 * W, (35.75L - std::log10(W)) / 53.2L);
    const LD p2 = std::pow(H, 0.3L);
    m.SkinArea = static_cast<double>(Hundredths(p1 * p2 / 31.182L));

    m.BrainMass = static_cast<double>(Hundredths(2250 * static_cast<LD>(m.NormWeight)));
    m.AirAtRest = static_cast<double>(W * 0.2L);
    m.AirAtWork = static_cast<double>(W * 4);

    const LD norm = m.NormWeight;
    m.UpperPressure = static_cast<double>(male ? age * 0.5L + 109 + 0.1L * norm
                                               : age * 0.7L + 102 + 0.15L * norm);
    m.LowerPressure = static_cast<double>(male ? age * 0.1L + 74 + 0.15L * norm
                                               : age * 0.17L + 78 + 0.1L * norm);
    return m;
}

namespace {

std::string WholeText(double value)
{
    return std::to_string(static_cast<long long>(std::trunc(value)));
}

} // namespace

std::array<std::string, 13> BodyMetricLines(const BodyMetrics& m, std::string_view sep)
{
    return {
        " Ваш индекс массы - " + NumberText(m.MassIndex, sep),
        " Норма вашей массы - " + NumberText(m.NormWeight, sep) + " кг",
        " Норма Вашего верхнего давления - " + WholeText(m.UpperPressure) + " мм.р.ст",
        " Норма Вашего нижнего давления - " + WholeText(m.LowerPressure) + " мм.р.ст",
        " В вашем организме содержится " + NumberText(m.FatPercent, sep) + "% жира",
        " Общая масса жира в вашем организме " + NumberText(m.FatMass, sep) + " кг",
        " Общий объём воды в организме - " + NumberText(m.WaterVolume, sep) + " л",
        " Средняя плотность вашего организма " + NumberText(m.Density, sep) + " г/см^3",
        " Объём вашего тела " + NumberText(m.BodyVolume, sep) + " л",
        " Общая площадь вашей кожи " + NumberText(m.SkinArea, sep) + " м^2",
        " Масса вашего мозга " + NumberText(m.BrainMass, sep) + " г",
        " Потребность вашего организма в воздухе в спокойствии - " + NumberText(m.AirAtRest, sep) + " л/час",
        " Потребность вашего организма в воздухе при тяжёлой работе - " + NumberText(m.AirAtWork, sep) +
            " л/час",
    };
}
