#pragma once

// The person the program talks about, and the facts that follow from the birth date.
//
// Data flows one way through the calculation: the main window's inputs are checked
// (calc/PersonInput.h) and copied into the ProfileRecord; ComputeDaysLived fills
// CalcState::DaysLived, from which calc/Biorhythm.h fills the three rhythms and
// calc/BodyMetrics.h derives the body figures; calc/Diagnosis.h turns all of it into the
// nineteen result lines and the diagnosis text.

#include "platform/services/Clock.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A name of at most 12 Windows-1251 characters, kept as its length and its bytes; bytes
// past the length are zero.
struct ShortName {
    static constexpr std::size_t kCapacity = 12;

    std::uint8_t Length = 0;
    std::array<std::uint8_t, kCapacity> Chars{};

    // Converts the UTF-8 text to Windows-1251 and keeps its first 12 characters.
    void Assign(std::string_view utf8);
    // The name as UTF-8. A length byte above 12 (a damaged file) reads as 12.
    std::string Text() const;

    bool operator==(const ShortName&) const = default;
};

// One person: the current person of the program and the element of users.dat.
struct ProfileRecord {
    static constexpr std::size_t kFileSize = 22;
    using Bytes = std::array<std::uint8_t, kFileSize>;

    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;
    std::uint8_t Height = 0;
    std::uint8_t Weight = 0;
    char Sex = 0; // 'M', 'F', or 0 when neither box is checked
    ShortName Name;

    // All 22 bytes back to zero.
    void Clear() { *this = ProfileRecord{}; }

    // The file form: little-endian, no padding, written byte by byte.
    Bytes ToBytes() const;
    static ProfileRecord FromBytes(std::span<const std::uint8_t, kFileSize> bytes);

    bool operator==(const ProfileRecord&) const = default;
};

// The results of the last calculation that other windows read.
struct CalcState {
    std::int32_t DaysLived = 0;
    double Intellectual = 0;
    double Emotional = 0;
    double Physical = 0;
    std::string DiagnosisText;
};

// The day exists in that month. Only divisibility by 4 decides the leap year.
bool IsValidDayOfMonth(int year, int month, int day);

// The Gregorian calendar date, or ConvertError for a date the calendar does not have
// (year 0, years past 9999, 29 February 1900).
std::chrono::year_month_day ToCalendarDate(int year, int month, int day);

// Whole days from the birth date (at midnight) to now, truncated toward zero.
std::int32_t ComputeDaysLived(const ProfileRecord& profile, const Clock& clock = CurrentClock());

// " Итак, вы живёте N дней/день/дня".
std::string DaysLivedLine(std::int32_t days);

// "в понедельник", "во вторник", ... for the Gregorian weekday of the date.
std::string WeekdayPhrase(int year, int month, int day);

// The Russian name of the sign for the record's Day and Month; empty for a month outside 1..12.
std::string ZodiacSign(const ProfileRecord& profile);
std::string ZodiacSign(int month, int day);
