#pragma once
// Name-day data files for tests, made the way the build makes names.dat: UTF-8 lines
// ("1 января<tab>Анна, Иван") in Windows-1251, scrambled with the library's key. Tests that
// include this link ortavi_databuilder.

#include "support/TestSupport.h"
#include "tools/DataFileBuilder.h"

#include <filesystem>
#include <string_view>

inline constexpr const char* kNameDaysKey = "ZEBROLM";

inline void WriteNameDays(const std::filesystem::path& file, std::string_view lines)
{
    WriteBytes(file, ScrambleSource(lines, kNameDaysKey, file.filename().string()));
}
