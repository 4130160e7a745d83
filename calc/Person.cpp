#include "calc/Person.h"

#include "platform/Errors.h"
#include "platform/text/Cp1251.h"

#include <algorithm>

void ShortName::Assign(std::string_view utf8)
{
    const std::string bytes = Utf8ToCp1251(utf8);
    Chars.fill(0);
    Length = static_cast<std::uint8_t>(std::min(bytes.size(), kCapacity));
    std::copy_n(bytes.begin(), Length, Chars.begin());
}

std::string ShortName::Text() const
{
    const std::size_t n = std::min<std::size_t>(Length, kCapacity);
    return Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(Chars.data()), n));
}

namespace {

void PutU16(ProfileRecord::Bytes& b, std::size_t at, std::uint16_t v)
{
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

std::uint16_t GetU16(std::span<const std::uint8_t, ProfileRecord::kFileSize> b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

} // namespace

ProfileRecord::Bytes ProfileRecord::ToBytes() const
{
    Bytes b{};
    PutU16(b, 0, Year);
    PutU16(b, 2, Month);
    PutU16(b, 4, Day);
    b[6] = Height;
    b[7] = Weight;
    b[8] = static_cast<std::uint8_t>(Sex);
    b[9] = Name.Length;
    std::copy(Name.Chars.begin(), Name.Chars.end(), b.begin() + 10);
    return b;
}

ProfileRecord ProfileRecord::FromBytes(std::span<const std::uint8_t, kFileSize> b)
{
    ProfileRecord r;
    r.Year = GetU16(b, 0);
    r.Month = GetU16(b, 2);
    r.Day = GetU16(b, 4);
    r.Height = b[6];
    r.Weight = b[7];
    r.Sex = static_cast<char>(b[8]);
    r.Name.Length = b[9];
    std::copy(b.begin() + 10, b.end(), r.Name.Chars.begin());
    return r;
}

bool IsValidDayOfMonth(int year, int month, int day)
{
    if (day < 1)
        return false;
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return day <= 31;
    case 4: case 6: case 9: case 11:
        return day <= 30;
    case 2:
        return day <= (year % 4 == 0 ? 29 : 28);
    default:
        return false;
    }
}

std::chrono::year_month_day ToCalendarDate(int year, int month, int day)
{
    using namespace std::chrono;
    const bool inRange = year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
    if (inRange) {
        const year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                  std::chrono::day{static_cast<unsigned>(day)}};
        if (date.ok())
            return date;
    }
    throw ConvertError("Такой даты нет в календаре: " + std::to_string(day) + "." + std::to_string(month) +
                       "." + std::to_string(year));
}

std::int32_t ComputeDaysLived(const ProfileRecord& profile, const Clock& clock)
{
    using namespace std::chrono;
    const local_days birth{ToCalendarDate(profile.Year, profile.Month, profile.Day)};
    const milliseconds elapsed = clock.Now() - birth;
    // Integer division truncates toward zero, as the subtraction of two date-times does.
    return static_cast<std::int32_t>(elapsed.count() / milliseconds(days(1)).count());
}

std::string DaysLivedLine(std::int32_t days)
{
    const int r100 = days % 100;
    const int r10 = days % 10;
    const bool teens = r100 >= 10 && r100 <= 19; // 11 дней, 112 дней: the teens always take "дней"
    const char* word = " дней";
    if (!teens && r10 == 1)
        word = " день";
    else if (!teens && r10 >= 2 && r10 <= 4)
        word = " дня";
    return " Итак, вы живёте " + std::to_string(days) + word;
}

std::string WeekdayPhrase(int year, int month, int day)
{
    static constexpr const char* kPhrases[] = {
        "в воскресенье", "в понедельник", "во вторник", "в среду",
        "в четверг",     "в пятницу",     "в субботу",
    };
    const std::chrono::weekday wd{std::chrono::sys_days{ToCalendarDate(year, month, day)}};
    return kPhrases[wd.c_encoding()];
}

std::string ZodiacSign(int month, int day)
{
    struct Row {
        const char* first;
        int boundary;
        const char* second;
    };
    static constexpr Row kRows[12] = {
        {"Козерог", 20, "Водолей"}, {"Водолей", 19, "Рыбы"},     {"Рыбы", 20, "Овен"},
        {"Овен", 20, "Телец"},      {"Телец", 20, "Близнецы"},   {"Близнецы", 21, "Рак"},
        {"Рак", 22, "Лев"},         {"Лев", 23, "Дева"},         {"Дева", 23, "Весы"},
        {"Весы", 23, "Скорпион"},   {"Скорпион", 22, "Стрелец"}, {"Стрелец", 21, "Козерог"},
    };
    if (month < 1 || month > 12)
        return {};
    const Row& row = kRows[month - 1];
    return day <= row.boundary ? row.first : row.second;
}

std::string ZodiacSign(const ProfileRecord& profile)
{
    return ZodiacSign(profile.Month, profile.Day);
}
