#pragma once
// The horoscope's sign files: which file holds which sign, and how the plain copy of one is
// read. Each line is a key, a tab and a value; the window shows the values by line number.

#include "platform/text/ByteSource.h"

#include <array>
#include <string>
#include <string_view>

// The key the sign files are scrambled with.
inline constexpr const char* kSignFileKey = "Wimbervex";

// The values of a sign file, entries 1 to 30, as UTF-8.
class SignTexts {
public:
    static constexpr int kCount = 30;

    // Entry n, for n from 1 to kCount.
    const std::string& operator[](int n) const { return entries_.at(static_cast<std::size_t>(n - 1)); }
    std::string& operator[](int n) { return entries_.at(static_cast<std::size_t>(n - 1)); }

private:
    std::array<std::string, kCount> entries_;
};

// The entry that the window shows with line breaks added.
inline constexpr int kSeductionEntry = 24;

// The file name of a sign ("Овен" gives "Oven.dat"); empty for a text that names no sign.
std::string SignFileNameFor(std::string_view signName);

// A line's value: everything after its first tab, or the whole line when it has none.
std::string_view SignLineValue(std::string_view line);

// Reads a plain sign file (Windows-1251, by the Windows text-line rules): the value of line n
// becomes entry n. Entries the file has no line for stay empty. A file has at most 30 lines;
// the lines of a longer one past the 30th are not read.
SignTexts ReadSignLines(ByteSource& plain);
// The same from a file; raises IoError when it cannot be read.
SignTexts ReadSignFile(const std::string& path);

// Entry 24 as the window shows it: CR LF after every ";" and ":", CR LF CR LF after every ".".
std::string BreakSeductionText(std::string_view text);
