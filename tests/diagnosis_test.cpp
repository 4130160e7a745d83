#include "calc/Diagnosis.h"

#include "calc/Biorhythm.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ProfileRecord Person(char sex, const char* name, int height, int weight, int year = 1990, int month = 3, int day = 5)
{
    ProfileRecord r;
    r.Sex = sex;
    r.Name.Assign(name);
    r.Height = static_cast<std::uint8_t>(height);
    r.Weight = static_cast<std::uint8_t>(weight);
    r.Year = static_cast<std::uint16_t>(year);
    r.Month = static_cast<std::uint16_t>(month);
    r.Day = static_cast<std::uint16_t>(day);
    return r;
}

// Figures chosen by hand, so each test sets exactly what its sentence depends on.
BodyMetrics Metrics(double massIndex, double normWeight, double density = 1.07, double brain = 1200,
                    double airAtRest = 16, double airAtWork = 320)
{
    BodyMetrics m;
    m.MassIndex = massIndex;
    m.NormWeight = normWeight;
    m.Density = density;
    m.BrainMass = brain;
    m.AirAtRest = airAtRest;
    m.AirAtWork = airAtWork;
    return m;
}

std::string Compose(const ProfileRecord& p, double i, double e, double ph, const BodyMetrics& m)
{
    CalcState s;
    s.Intellectual = i;
    s.Emotional = e;
    s.Physical = ph;
    s.DiagnosisText = "stale text of the previous calculation";
    ComposeDiagnosis(p, s, m, ",");
    return s.DiagnosisText;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(DiagnosisTest, IvanAsOneExactString)
{
    const ProfileRecord ivan = Person('M', "Иван", 180, 80);
    CalcState s;
    s.DaysLived = 10000;
    ComputeBiorhythms(s.DaysLived, s);
    ComposeDiagnosis(ivan, s, ComputeBodyMetrics(ivan, s.DaysLived), ",");
    EXPECT_EQ(s.DiagnosisText,
              "Итак, уважаемый Иван,"
              " у вас завышен индекс массы - это значит, что у вас большой риск сердечно-сосудистых заболеваний, советовал бы вам похудеть."
              " Интеллектуальный биоритм у вас хороший - я бы порекомендовал в этот день заниматься глубоким умственным трудом"
              " и эмоциональный биоритм у вас хороший - вы можете свободно проявлять свои эмоции"
              ", а вот физический биоритм к сожелению плохой - я бы не рекомендовал в этот день сильно переутруждать себя физически."
              " Кстати, у вас масса выше нормы - вам надо бы похудеть на 5,659 кг."
              " Судя по плотности, становится понятно, что утонуть вам будет просто."
              " Вы, наверно, умный, ведь масса вашего мозга больше стандартной."
              " Ну и ещё одно: если вас запихнуть в герметично закрытую комнату 1*1*1 м, и вы не будете пытаться из неё выбраться, то воздуха вам хватит на 12,5"
              " часов, а если будете пытаться, то и вовсе на 37,2 мин.");
}

TEST(DiagnosisTest, RhythmSentenceForEveryCombinationOfStates)
{
    struct Row {
        double i, e, p;
        const char* iStart;
        const char* eStart;
        const char* pStart;
    };
    const char* I1 = " Интеллектуальный биоритм у вас плохой";
    const char* I2 = " Интеллектуальный биоритм у вас хороший";
    const char* I3 = " Сегодня ваш интеллектуальный биоритм в кретической точке";
    const char* E1 = ", эмоциональный биоритм у вас также плохой - я бы не рекомендовал сегодня";
    const char* E2 = ", а эмоциональный биоритм у вас хороший";
    const char* E3 = ", а эмоциональный биоритм у вас в критической точке -  я бы";
    const char* E4 = ", а вот эмоциональный биоритм у вас плохой";
    const char* E5 = " и эмоциональный биоритм у вас хороший";
    const char* E6 = ", эмоциональный биоритм у вас также плохой - я бы не рекомендовал в этот день";
    const char* E7 = ", а вот эмоциональный биоритм у вас хороший";
    const char* P1 = " и к сожелению физический биоритм у вас также плохой";
    const char* P2 = ", а вот физический биоритм у вас сегодня вообще в критической точке";
    const char* P3 = ". Ура! Физический";
    const char* P4 = ", но к сожелению физический биоритм у вас также плохой";
    const char* P5 = ", но всё-же физический";
    const char* P6 = ", но к сожелению физический биоритм у вас сегодня также в критической точке";
    const char* P7 = ". Ура! физический";
    const char* P8 = ", а физический биоритм у вас сегодня вообще";
    const char* P9 = ". Ура! И физический";
    const char* P10 = ", а вот физический биоритм к сожелению плохой";
    const char* P11 = ", вот это удача,- физический";
    const char* P12 = " и к сожелению физический биоритм у вас сегодня также в критической точке - я бы не рекомендовал в этот день сильно нагружаться.";
    const char* P13 = " и к сожелению физический биоритм у вас сегодня также в критической точке - я бы не рекомендовал в этот день сильно нагружаться(это ваш самый критический день - 3 ритма и все на нулях).";
    const double bad = -0.5, crit = 0, good = 0.5;
    const Row rows[] = {
        {bad, bad, bad, I1, E1, P1},     {bad, bad, crit, I1, E1, P2},    {bad, bad, good, I1, E1, P3},
        {bad, good, bad, I1, E2, P4},    {bad, good, crit, I1, E2, P5},   {bad, good, good, I1, E2, P3},
        {bad, crit, bad, I1, E3, P4},    {bad, crit, crit, I1, E3, P6},   {bad, crit, good, I1, E3, P7},
        {good, bad, bad, I2, E4, P1},    {good, bad, crit, I2, E4, P8},   {good, bad, good, I2, E4, P9},
        {good, good, bad, I2, E5, P10},  {good, good, crit, I2, E5, P2},  {good, good, good, I2, E5, P11},
        {good, crit, bad, I2, E3, P4},   {good, crit, crit, I2, E3, P12}, {good, crit, good, I2, E3, P3},
        {crit, bad, bad, I3, E6, P1},    {crit, bad, crit, I3, E6, P12},  {crit, bad, good, I3, E6, P3},
        {crit, good, bad, I3, E7, P10},  {crit, good, crit, I3, E7, P12}, {crit, good, good, I3, E7, P11},
        {crit, crit, bad, I3, E3, P4},   {crit, crit, crit, I3, E3, P13}, {crit, crit, good, I3, E3, P7},
    };
    const ProfileRecord p = Person('F', "Аня", 165, 55);
    for (const Row& r : rows) {
        const std::string t = Compose(p, r.i, r.e, r.p, Metrics(20, 53.7));
        const auto iAt = t.find(r.iStart);
        ASSERT_NE(iAt, std::string::npos) << r.i << " " << r.e << " " << r.p;
        // The three fragments follow each other directly: every intellectual fragment ends in
        // "трудом", every emotional one in "эмоции", and the density sentence comes next,
        // since this person has no weight sentence.
        const std::string rest = t.substr(iAt);
        const std::string afterI = rest.substr(rest.find("трудом") + std::string("трудом").size());
        EXPECT_EQ(afterI.rfind(r.eStart, 0), 0u) << r.i << " " << r.e << " " << r.p;
        const std::string afterE = afterI.substr(afterI.find("эмоции") + std::string("эмоции").size());
        EXPECT_EQ(afterE.rfind(r.pStart, 0), 0u) << r.i << " " << r.e << " " << r.p;
        const auto density = afterE.find(" Судя по плотности");
        ASSERT_NE(density, std::string::npos);
        EXPECT_EQ(afterE[density - 1], '.') << afterE.substr(0, density);
        EXPECT_EQ(afterE.find(" Кстати"), std::string::npos);
    }
}

TEST(DiagnosisTest, AllCriticalOnTheBirthdayWithAPerfectWeight)
{
    const std::string t = Compose(Person('M', "Пётр", 170, 60), 0, 0, 0, Metrics(22, 60));
    EXPECT_TRUE(Contains(t, "нулях). Кстати, у вас прекрасная масса. Судя"));
}

TEST(DiagnosisTest, MassIndexAndWeightSentences)
{
    struct Row {
        const char* what;
        char sex;
        int weight;
        double bmi, norm;
        const char* massPart;   // right after the greeting
        const char* weightPart; // right before the density sentence, or "" for none
    };
    const Row rows[] = {
        {"heavy, index 24", 'M', 80, 24, 74.34, " у вас завышен", " Кстати, у вас масса выше нормы - вам надо бы похудеть на 5,659 кг."},
        {"heavy, index 23: no weight sentence", 'M', 80, 23, 74.34, " индекс массы у вас в норме", ""},
        {"exact norm, index 22", 'F', 60, 22, 60, " индекс массы у вас в норме", " Кстати, у вас прекрасная масса."},
        {"exact norm, index 24", 'F', 60, 24, 60, " у вас завышен", ""},
        {"light, index 21, male", 'M', 50, 21, 60.5, " у вас низкий индекс массы это всё же хорошо, но не надо быть таким худым.",
         " Кстати, у вас масса ниже нормы - вам надо бы поправиться на 10,5 кг."},
        {"light, index 21, female", 'F', 50, 21, 53.7, " у вас низкий индекс массы это всё же хорошо, но не надо быть такой худой.",
         " Кстати, у вас масса ниже нормы - вам надо бы поправиться на 3,7 кг."},
        {"light, index 22: no weight sentence", 'F', 50, 22, 53.7, " индекс массы у вас в норме", ""},
    };
    for (const Row& r : rows) {
        const std::string t = Compose(Person(r.sex, "Саша", 170, r.weight), 0.5, 0.5, 0.5, Metrics(r.bmi, r.norm));
        const std::string greeting = r.sex == 'M' ? "Итак, уважаемый Саша," : "Итак, уважаемая Саша,";
        EXPECT_EQ(t.rfind(greeting + r.massPart, 0), 0u) << r.what;
        const auto density = t.find(" Судя по плотности");
        const auto physicalEnd = t.find("можно нагружать себя физически.") + std::string("можно нагружать себя физически.").size();
        EXPECT_EQ(t.substr(physicalEnd, density - physicalEnd), r.weightPart) << r.what;
    }
}

TEST(DiagnosisTest, DensityBrainAndAirSentences)
{
    const ProfileRecord man = Person('M', "Иван", 180, 80);
    const ProfileRecord woman = Person('F', "Аня", 165, 55);
    EXPECT_TRUE(Contains(Compose(man, 1, 1, 1, Metrics(20, 70, 1.03)), "утонуть вам будет не просто."));
    EXPECT_TRUE(Contains(Compose(man, 1, 1, 1, Metrics(20, 70, 1.04)), "утонуть вам будет просто."));
    EXPECT_FALSE(Contains(Compose(man, 1, 1, 1, Metrics(20, 70, 1.07, 1500)), " Вы, наверно,"));
    EXPECT_TRUE(Contains(Compose(man, 1, 1, 1, Metrics(20, 70, 1.07, 1500.01)), " Вы, наверно, умный,"));
    EXPECT_TRUE(Contains(Compose(woman, 1, 1, 1, Metrics(20, 70, 1.07, 1500.01)), " Вы, наверно, умная,"));
    const std::string t = Compose(woman, 1, 1, 1, Metrics(20, 70, 1.07, 1200, 14.6, 292));
    // 20000 / 14.6 = 1369.86 -> 13,69 hours; trunc(20000 / 292) = 68 -> 40,8 minutes.
    EXPECT_TRUE(Contains(t, "хватит на 13,69 часов, а если будете пытаться, то и вовсе на 40,8 мин.")) << t;
    EXPECT_EQ(t.substr(t.size() - std::string(" мин.").size()), " мин.");
}

TEST(DiagnosisTest, NoSexGetsTheFemaleGreetingAndNeitherSexedSentence)
{
    const std::string t = Compose(Person('\0', "Кто", 170, 50), 1, 1, 1, Metrics(20, 60, 1.07, 1600));
    EXPECT_EQ(t.rfind("Итак, уважаемая Кто, Интеллектуальный", 0), 0u) << t;
    EXPECT_FALSE(Contains(t, "худ"));
    EXPECT_FALSE(Contains(t, " Вы, наверно,"));
}

TEST(ResultLinesTest, NineteenLinesInLabelOrder)
{
    const ProfileRecord ivan = Person('M', "Иван", 180, 80, 1977, 7, 23);
    CalcState s;
    s.DaysLived = 10000;
    ComputeBiorhythms(s.DaysLived, s);
    const auto lines = ResultLines(ivan, s, ComputeBodyMetrics(ivan, s.DaysLived), ",");
    const std::pair<const char*, const char*> expected[] = {
        {"Label2", " Итак, вы живёте 10000 дней"},
        {"Label1", " Родились вы в субботу"},
        {"Label17", " По знаку зодиака вы - Лев"},
        {"Label3", " Ваш индекс массы - 24"},
        {"Label4", " Ваш интеллектуальный биоритм - 0,18"},
        {"Label5", " Ваш эмоциональный биоритм - 0,78"},
        {"Label6", " Ваш физический биоритм - -0,97"},
        {"Label18", " Норма Вашего верхнего давления - 130 мм.р.ст"},
        {"Label19", " Норма Вашего нижнего давления - 87 мм.р.ст"},
        {"Label7", " Норма вашей массы - 74,34 кг"},
        {"Label8", " В вашем организме содержится 13,07% жира"},
        {"Label9", " Общая масса жира в вашем организме 10,45 кг"},
        {"Label10", " Общий объём воды в организме - 54,41 л"},
        {"Label11", " Средняя плотность вашего организма 1,07 г/см^3"},
        {"Label12", " Объём вашего тела 74,76 л"},
        {"Label13", " Общая площадь вашей кожи 2 м^2"},
        {"Label14", " Масса вашего мозга 1672,65 г"},
        {"Label15", " Потребность вашего организма в воздухе в спокойствии - 16 л/час"},
        {"Label16", " Потребность вашего организма в воздухе при тяжёлой работе - 320 л/час"},
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_STREQ(lines[i].Label, expected[i].first);
        EXPECT_EQ(lines[i].Text, expected[i].second) << expected[i].first;
    }
}

} // namespace
