#pragma once

#include <cstddef>
#include <string_view>

// Positions of the three parts in the end-time field "hh:nn:ss".
inline constexpr std::size_t kEndHourAt = 0;
inline constexpr std::size_t kEndMinuteAt = 3;
inline constexpr std::size_t kEndSecondAt = 6;

// The two characters at `position` of the end-time text, with every blank taken out, as a
// whole number. A part without digits is an empty text, which raises ConvertError with the
// runtime's "'' is not a valid integer value".
int EndTimePart(std::string_view fieldText, std::size_t position);
