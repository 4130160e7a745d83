#pragma once
// The shipped name-day calendar (366 days, 999 names, up to 84 on one day), written as the
// build writes names.dat.

#include "tools/DataFileBuilder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#ifndef ORTAVI_NAMES_SOURCE
#error ORTAVI_NAMES_SOURCE names content/names.txt
#endif

namespace namedays_bench {

// Writes names.dat into the folder and says where its names came from.
inline std::string WriteNamesDat(const std::filesystem::path& folder)
{
    std::ifstream in(ORTAVI_NAMES_SOURCE, std::ios::binary);
    std::stringstream source;
    source << in.rdbuf();
    std::ofstream(folder / "names.dat", std::ios::binary) << ScrambleSource(source.str(), "ZEBROLM", "names.txt");
    return ORTAVI_NAMES_SOURCE;
}

} // namespace namedays_bench
