#include "calc/Diagnosis.h"

#include "calc/Biorhythm.h"
#include "calc/Truncation.h"

#include <cmath>

namespace {

// The sentence fragments, joined with nothing in between.
namespace Fragment {
constexpr const char* M1 = " у вас завышен индекс массы - это значит, что у вас большой риск сердечно-сосудистых заболеваний, советовал бы вам похудеть.";
constexpr const char* M2 = " индекс массы у вас в норме - нет риска сердечно-сосудистых заболеваний. Так держать!";
constexpr const char* M3 = " у вас низкий индекс массы это всё же хорошо, но не надо быть таким худым.";
constexpr const char* M4 = " у вас низкий индекс массы это всё же хорошо, но не надо быть такой худой.";
constexpr const char* I1 = " Интеллектуальный биоритм у вас плохой - я бы не рекомендовал в этот день заниматься глубоким умственным трудом";
constexpr const char* I2 = " Интеллектуальный биоритм у вас хороший - я бы порекомендовал в этот день заниматься глубоким умственным трудом";
constexpr const char* I3 = " Сегодня ваш интеллектуальный биоритм в кретической точке - я бы порекомендовал в этот день не заниматься глубоким умственным трудом";
constexpr const char* E1 = ", эмоциональный биоритм у вас также плохой - я бы не рекомендовал сегодня сильно проявлять свои эмоции";
constexpr const char* E2 = ", а эмоциональный биоритм у вас хороший - вы можете свободно проявлять свои эмоции";
constexpr const char* E3 = ", а эмоциональный биоритм у вас в критической точке -  я бы не рекомендовал сегодня сильно проявлять свои эмоции";
constexpr const char* E4 = ", а вот эмоциональный биоритм у вас плохой - я бы не рекомендовал в этот день сильно проявлять свои эмоции";
constexpr const char* E5 = " и эмоциональный биоритм у вас хороший - вы можете свободно проявлять свои эмоции";
constexpr const char* E6 = ", эмоциональный биоритм у вас также плохой - я бы не рекомендовал в этот день сильно проявлять свои эмоции";
constexpr const char* E7 = ", а вот эмоциональный биоритм у вас хороший - вы можете свободно проявлять свои эмоции";
constexpr const char* P1 = " и к сожелению физический биоритм у вас также плохой - я бы не рекомендовал в этот день сильно переутруждать себя физически.";
constexpr const char* P2 = ", а вот физический биоритм у вас сегодня вообще в критической точке - я бы не рекомендовал в этот день сильно нагружаться.";
constexpr const char* P3 = ". Ура! Физический биоритм у вас выше среднего - можно нагружать себя физически.";
constexpr const char* P4 = ", но к сожелению физический биоритм у вас также плохой - я бы не рекомендовал в этот день сильно переутруждать себя физически.";
constexpr const char* P5 = ", но всё-же физический биоритм у вас сегодня вообще в критической точке - я бы не рекомендовал в этот день сильно нагружаться.";
constexpr const char* P6 = ", но к сожелению физический биоритм у вас сегодня также в критической точке - я бы не рекомендовал в этот день сильно нагружаться.";
constexpr const char* P7 = ". Ура! физический биоритм у вас выше среднего - можно нагружать себя физически.";
constexpr const char* P8 = ", а физический биоритм у вас сегодня вообще в критической точке - я бы не рекомендовал в этот день сильно нагружаться.";
constexpr const char* P9 = ". Ура! И физический биоритм у вас выше среднего - можно нагружать себя физически.";
constexpr const char* P10 = ", а вот физический биоритм к сожелению плохой - я бы не рекомендовал в этот день сильно переутруждать себя физически.";
constexpr const char* P11 = ", вот это удача,- физический биоритм у вас выше среднего - можно нагружать себя физически.";
constexpr const char* P12 = " и к сожелению физический биоритм у вас сегодня также в критической точке - я бы не рекомендовал в этот день сильно нагружаться.";
constexpr const char* P13 = " и к сожелению физический биоритм у вас сегодня также в критической точке - я бы не рекомендовал в этот день сильно нагружаться(это ваш самый критический день - 3 ритма и все на нулях).";
constexpr const char* W1 = " Кстати, у вас масса выше нормы - вам надо бы похудеть на ";
constexpr const char* W2 = " кг.";
constexpr const char* W3 = " Кстати, у вас прекрасная масса.";
constexpr const char* W4 = " Кстати, у вас масса ниже нормы - вам надо бы поправиться на ";
constexpr const char* D1 = " Судя по плотности, становится понятно, что утонуть вам будет не просто.";
constexpr const char* D2 = " Судя по плотности, становится понятно, что утонуть вам будет просто.";
constexpr const char* B1 = " Вы, наверно, умный, ведь масса вашего мозга больше стандартной.";
constexpr const char* B2 = " Вы, наверно, умная, ведь масса вашего мозга больше стандартной.";
constexpr const char* A1 = " Ну и ещё одно: если вас запихнуть в герметично закрытую комнату 1*1*1 м, и вы не будете пытаться из неё выбраться, то воздуха вам хватит на ";
constexpr const char* A2 = " часов, а если будете пытаться, то и вовсе на ";
constexpr const char* A3 = " мин.";
} // namespace Fragment

// Indexed by RhythmState: Bad, Critical, Good.
struct EmotionRow {
    const char* emotion;
    const char* physical[3];
};
struct IntellectRow {
    const char* intellect;
    EmotionRow byEmotion[3];
};

using namespace Fragment;
constexpr IntellectRow kRhythmSentence[3] = {
    /* I Bad */ {I1, {{E1, {P1, P2, P3}}, {E3, {P4, P6, P7}}, {E2, {P4, P5, P3}}}},
    /* I Critical */ {I3, {{E6, {P1, P12, P3}}, {E3, {P4, P13, P7}}, {E7, {P10, P12, P11}}}},
    /* I Good */ {I2, {{E4, {P1, P8, P9}}, {E3, {P4, P12, P3}}, {E5, {P10, P2, P11}}}},
};

int Index(Rhythm r)
{
    return static_cast<int>(r);
}

} // namespace

std::array<ResultLine, 19> ResultLines(const ProfileRecord& profile, const CalcState& state,
                                       const BodyMetrics& metrics, std::string_view sep)
{
    const auto body = BodyMetricLines(metrics, sep);
    return {{
        {"Label2", DaysLivedLine(state.DaysLived)},
        {"Label1", " Родились вы " + WeekdayPhrase(profile.Year, profile.Month, profile.Day)},
        {"Label17", " По знаку зодиака вы - " + ZodiacSign(profile)},
        {"Label3", body[0]},
        {"Label4", IntellectualLine(state, sep)},
        {"Label5", EmotionalLine(state, sep)},
        {"Label6", PhysicalLine(state, sep)},
        {"Label18", body[2]},
        {"Label19", body[3]},
        {"Label7", body[1]},
        {"Label8", body[4]},
        {"Label9", body[5]},
        {"Label10", body[6]},
        {"Label11", body[7]},
        {"Label12", body[8]},
        {"Label13", body[9]},
        {"Label14", body[10]},
        {"Label15", body[11]},
        {"Label16", body[12]},
    }};
}

void ComposeDiagnosis(const ProfileRecord& profile, CalcState& state, const BodyMetrics& m,
                      std::string_view sep)
{
    using LD = long double;
    const bool male = profile.Sex == 'M';
    const bool female = profile.Sex == 'F';
    const double bmi = m.MassIndex;
    const bool bmiHigh = bmi >= 24;
    const bool bmiNormal = bmi >= 22 && bmi < 24;
    const bool bmiLow = bmi < 22;

    std::string t = male ? "Итак, уважаемый " : "Итак, уважаемая ";
    t += profile.Name.Text();
    t += ",";

    if (bmiHigh)
        t += M1;
    else if (bmiNormal)
        t += M2;
    else if (male)
        t += M3;
    else if (female)
        t += M4;

    const IntellectRow& i = kRhythmSentence[Index(RhythmState(state.Intellectual))];
    const EmotionRow& e = i.byEmotion[Index(RhythmState(state.Emotional))];
    t += i.intellect;
    t += e.emotion;
    t += e.physical[Index(RhythmState(state.Physical))];

    const LD excess = static_cast<LD>(profile.Weight) - m.NormWeight;
    if (excess > 0 && bmiHigh) {
        t += W1;
        t += NumberText(static_cast<double>(Trunc3(excess)), sep);
        t += W2;
    } else if (excess == 0 && bmiNormal) {
        t += W3;
    } else if (excess < 0 && bmiLow) {
        t += W4;
        t += NumberText(static_cast<double>(Trunc3(m.NormWeight - static_cast<LD>(profile.Weight))), sep);
        t += W2;
    }

    t += m.Density < 1.04L ? D1 : D2;

    if (m.BrainMass > 1500) {
        if (male)
            t += B1;
        else if (female)
            t += B2;
    }

    t += A1;
    t += NumberText(static_cast<double>(std::trunc(20000 / static_cast<LD>(m.AirAtRest)) / 100), sep);
    t += A2;
    t += NumberText(static_cast<double>(std::trunc(20000 / static_cast<LD>(m.AirAtWork)) * 60 / 100), sep);
    t += A3;

    state.DiagnosisText = std::move(t);
}
