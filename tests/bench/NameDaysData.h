#pragma once
// A year of name days for the benchmarks, written as the build writes names.dat: the reference
// calendar (366 days, 999 names, up to 84 on one day) when it is at hand, otherwise a made-up
// year of the same shape.

#include "platform/text/Cp1251.h"
#include "tools/DataFileBuilder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#ifndef ORTAVI_NAMEDAYS_TSV
#define ORTAVI_NAMEDAYS_TSV ""
#endif

namespace namedays_bench {

// "day<tab>month<tab>names" lines, '#' starting a comment.
inline std::string FromReference(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string source, line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const auto first = line.find('\t');
        if (first == std::string::npos)
            continue;
        source += line.substr(0, first) + ' ' + line.substr(first + 1) + '\n';
    }
    return source;
}

inline std::string MadeUp()
{
    const char* const months[] = {"января", "февраля", "марта",    "апреля",  "мая",    "июня",
                                  "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
    const int lengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const char* const letters[] = {"а", "б", "в", "г", "д", "е", "ж", "з", "и", "к"};
    std::string source;
    int next = 0;
    for (int m = 0; m < 12; ++m)
        for (int d = 1; d <= lengths[m]; ++d) {
            source += std::to_string(d) + ' ' + months[m] + '\t';
            const int count = (m == 0 && d == 17) ? 84 : 8 + (d * 7 + m) % 10;
            for (int i = 0; i < count; ++i, next = (next + 37) % 999)
                source += std::string(i ? ", " : "") + "Имя" + letters[next / 100] + letters[next / 10 % 10] +
                          letters[next % 10];
            source += '\n';
        }
    return source;
}

// Writes names.dat into the folder and says where its names came from.
inline std::string WriteNamesDat(const std::filesystem::path& folder)
{
    const std::string reference = ORTAVI_NAMEDAYS_TSV;
    const bool haveReference = !reference.empty() && std::filesystem::exists(reference);
    const std::string source = haveReference ? FromReference(reference) : MadeUp();
    std::ofstream(folder / "names.dat", std::ios::binary) << ScrambleSource(source, "ZEBROLM", "names.txt");
    return haveReference ? "the reference calendar " + reference : std::string("a made-up year");
}

} // namespace namedays_bench
