#include "calc/Person.h"
#include "platform/Errors.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

ProfileRecord Born(int year, int month, int day)
{
    ProfileRecord r;
    r.Year = static_cast<std::uint16_t>(year);
    r.Month = static_cast<std::uint16_t>(month);
    r.Day = static_cast<std::uint16_t>(day);
    return r;
}

TEST(ProfileRecordTest, AnyaHasTheDocumentedTwentyTwoBytes)
{
    ProfileRecord r;
    r.Year = 1990;
    r.Month = 3;
    r.Day = 5;
    r.Height = 165;
    r.Weight = 55;
    r.Sex = 'F';
    r.Name.Assign("Аня");
    const ProfileRecord::Bytes expected = {0xC6, 0x07, 0x03, 0x00, 0x05, 0x00, 0xA5, 0x37, 0x46, 0x03, 0xC0,
                                           0xED, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(r.ToBytes(), expected);
    EXPECT_EQ(ProfileRecord::FromBytes(expected), r);
    EXPECT_EQ(ProfileRecord::FromBytes(expected).Name.Text(), "Аня");
}

TEST(ProfileRecordTest, BytesRoundTripEveryFieldAtItsLimits)
{
    ProfileRecord r;
    r.Year = 0xFFFF;
    r.Month = 0x1234;
    r.Day = 0xABCD;
    r.Height = 220;
    r.Weight = 180;
    r.Sex = 'M';
    r.Name.Assign("Александр Сергеевич");
    const auto bytes = r.ToBytes();
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[2], 0x34);
    EXPECT_EQ(bytes[3], 0x12);
    EXPECT_EQ(bytes[4], 0xCD);
    EXPECT_EQ(bytes[5], 0xAB);
    EXPECT_EQ(bytes[9], 12);
    EXPECT_EQ(ProfileRecord::FromBytes(bytes), r);
    EXPECT_EQ(r.Name.Text(), "Александр Се");
}

TEST(ProfileRecordTest, NameIsCutToTwelveCharactersAndUnencodableOnesBecomeQuestionMarks)
{
    ShortName n;
    n.Assign("Zoë 😀 Иван");
    EXPECT_EQ(n.Text(), "Zo? ? Иван");
    EXPECT_EQ(n.Length, 10);
    n.Assign("ab");
    EXPECT_EQ(n.Length, 2);
    for (std::size_t i = 2; i < ShortName::kCapacity; ++i)
        EXPECT_EQ(n.Chars[i], 0) << "stale byte " << i;
}

TEST(ProfileRecordTest, DamagedLengthByteReadsAsTwelve)
{
    ProfileRecord::Bytes b{};
    b[9] = 200;
    for (int i = 10; i < 22; ++i)
        b[i] = 'a';
    const ProfileRecord r = ProfileRecord::FromBytes(b);
    EXPECT_EQ(r.Name.Text(), "aaaaaaaaaaaa");
    EXPECT_EQ(r.ToBytes(), b); // kept as read
}

TEST(DatesTest, IsValidDayOfMonth)
{
    struct Row {
        int y, m, d;
        bool valid;
    };
    const Row rows[] = {
        {2001, 1, 31, true},  {2001, 4, 30, true},  {2001, 4, 31, false}, {2000, 2, 29, true},
        {2001, 2, 29, false}, {2001, 2, 28, true},  {1900, 2, 29, true},  {2001, 12, 31, true},
        {2001, 6, 0, false},  {2001, 13, 1, false}, {2001, 0, 1, false},  {2001, 9, 31, false},
        {2001, 11, 30, true}, {2001, 8, 31, true},  {2001, 1, -1, false}, {4, 2, 29, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(IsValidDayOfMonth(r.y, r.m, r.d), r.valid) << r.d << "." << r.m << "." << r.y;
}

TEST(DatesTest, CalendarConversionRejectsDatesTheCalendarLacks)
{
    EXPECT_NO_THROW(ToCalendarDate(2000, 2, 29));
    EXPECT_NO_THROW(ToCalendarDate(1, 1, 1));
    EXPECT_NO_THROW(ToCalendarDate(9999, 12, 31));
    EXPECT_THROW(ToCalendarDate(1900, 2, 29), ConvertError);
    EXPECT_THROW(ToCalendarDate(0, 1, 1), ConvertError);
    EXPECT_THROW(ToCalendarDate(10000, 1, 1), ConvertError);
    EXPECT_THROW(ToCalendarDate(2001, 4, 31), ConvertError);
}

TEST(DatesTest, DaysLivedCountsWholeDaysFromMidnight)
{
    FixedClock clock(At(2026, 12, 11, 13, 45));
    EXPECT_EQ(ComputeDaysLived(Born(2026, 12, 11), clock), 0);
    EXPECT_EQ(ComputeDaysLived(Born(2026, 12, 10), clock), 1);
    EXPECT_EQ(ComputeDaysLived(Born(2025, 12, 11), clock), 365);
    EXPECT_EQ(ComputeDaysLived(Born(2000, 1, 1), clock), 9841);
    EXPECT_EQ(ComputeDaysLived(Born(1, 1, 1), clock), 739960);
    clock.Set(At(2026, 12, 11, 23, 59, 59));
    EXPECT_EQ(ComputeDaysLived(Born(2026, 12, 11), clock), 0);
    clock.Set(At(2026, 12, 12));
    EXPECT_EQ(ComputeDaysLived(Born(2026, 12, 11), clock), 1);
    // Before the birth date the count truncates toward zero.
    clock.Set(At(2026, 12, 10, 12));
    EXPECT_EQ(ComputeDaysLived(Born(2026, 12, 11), clock), 0);
    EXPECT_THROW(ComputeDaysLived(Born(1900, 2, 29), clock), ConvertError);
}

TEST(DatesTest, DaysLivedUsesTheInstalledClockByDefault)
{
    FixedClock clock(At(2004, 6, 27, 10));
    Clock* previous = SetClock(&clock);
    const auto days = ComputeDaysLived(Born(2004, 6, 1));
    SetClock(previous);
    EXPECT_EQ(days, 26);
}

LocalTime LocalFromC(std::time_t t)
{
    const std::tm tm = *std::localtime(&t);
    return At(tm.tm_year + 1900, static_cast<unsigned>(tm.tm_mon + 1), static_cast<unsigned>(tm.tm_mday),
              tm.tm_hour, tm.tm_min, tm.tm_sec);
}

TEST(DatesTest, SystemClockAgreesWithTheLocalTimeOfTheCLibrary)
{
    const LocalTime before = LocalFromC(std::time(nullptr));
    const LocalTime now = SystemClock().Now();
    const LocalTime after = LocalFromC(std::time(nullptr));
    EXPECT_LE(before, now);
    // time() reads the kernel's coarse clock, which may still show the previous second for a
    // tick after the precise clock has passed it.
    EXPECT_LT(now, after + std::chrono::seconds(2));
}

TEST(DaysLivedLineTest, WordFormFollowsTheLastTwoDigits)
{
    struct Row {
        int days;
        const char* word;
    };
    const Row rows[] = {
        {0, " дней"},  {1, " день"},  {2, " дня"},   {4, " дня"},   {5, " дней"},  {10, " дней"},
        {11, " дней"}, {12, " дней"}, {14, " дней"}, {19, " дней"}, {21, " день"}, {22, " дня"},
        {23, " дня"},  {101, " день"}, {111, " дней"}, {112, " дней"}, {1000, " дней"}, {10001, " день"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(DaysLivedLine(r.days), " Итак, вы живёте " + std::to_string(r.days) + r.word);
}

TEST(WeekdayTest, PhraseForEachWeekday)
{
    struct Row {
        int y, m, d;
        const char* phrase;
    };
    const Row rows[] = {
        {2004, 6, 27, "в воскресенье"}, {2004, 6, 28, "в понедельник"}, {2004, 6, 29, "во вторник"},
        {2004, 6, 30, "в среду"},       {2004, 7, 1, "в четверг"},      {2004, 7, 2, "в пятницу"},
        {2004, 7, 3, "в субботу"},      {1990, 3, 5, "в понедельник"},  {1, 1, 1, "в понедельник"},
        {2000, 2, 29, "во вторник"},    {1900, 3, 1, "в четверг"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(WeekdayPhrase(r.y, r.m, r.d), r.phrase) << r.d << "." << r.m << "." << r.y;
    EXPECT_THROW(WeekdayPhrase(1900, 2, 29), ConvertError);
}

TEST(ZodiacTest, BoundariesBelongToTheFirstSign)
{
    struct Row {
        int m, d;
        const char* sign;
    };
    const Row rows[] = {
        {1, 20, "Козерог"},   {1, 21, "Водолей"},  {2, 19, "Водолей"},  {2, 20, "Рыбы"},
        {3, 20, "Рыбы"},      {3, 21, "Овен"},     {4, 20, "Овен"},     {4, 21, "Телец"},
        {5, 20, "Телец"},     {5, 21, "Близнецы"}, {6, 21, "Близнецы"}, {6, 22, "Рак"},
        {7, 22, "Рак"},       {7, 23, "Лев"},      {8, 23, "Лев"},      {8, 24, "Дева"},
        {9, 23, "Дева"},      {9, 24, "Весы"},     {10, 23, "Весы"},    {10, 24, "Скорпион"},
        {11, 22, "Скорпион"}, {11, 23, "Стрелец"}, {12, 21, "Стрелец"}, {12, 22, "Козерог"},
        {1, 1, "Козерог"},    {12, 31, "Козерог"}, {0, 5, ""},          {13, 5, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ZodiacSign(r.m, r.d), r.sign) << r.d << "." << r.m;
    EXPECT_EQ(ZodiacSign(Born(1990, 3, 5)), "Рыбы");
}

} // namespace
