#pragma once
// The three questions the plain name-day file answers. Each reads the file from its first
// line to its end, afresh on every call; nothing is kept between calls. Texts are
// Windows-1251 bytes, as the file holds them.
//
// A line of the file: the date text (the day without leading zeros, a blank and the month
// in the genitive, "1 января"), a tab, and the names of that day separated by ", ".

#include "platform/text/ByteSource.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The date text that a line of that day carries. A month outside 1..12 gives a text that
// ends with the blank, which no line carries.
std::string DateKey(unsigned day, unsigned month);

// The names of the last line whose date text is the key, untrimmed, in the line's order;
// at most `limit` of them.
std::vector<std::string> NamesOfDay(ByteSource& plain, std::string_view key, std::size_t limit);

// The date texts of every line whose names contain the name, blanks and control characters
// around both ignored; at most `limit`. An empty name finds nothing.
std::vector<std::string> DaysOfName(ByteSource& plain, std::string_view name, std::size_t limit);

// Every distinct name of the file, trimmed, in order of first occurrence; at most `limit`.
std::vector<std::string> AllNames(ByteSource& plain, std::size_t limit);
