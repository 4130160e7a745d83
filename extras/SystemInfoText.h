#pragma once
// The texts of the system monitor: the system's description and the four memory lines.

#include "platform/services/Memory.h"
#include "platform/services/OsVersion.h"

#include <cstdint>
#include <string>
#include <string_view>

// "Windows XP (Build 2600: Service Pack 2)", "Windows NT 4.0 (Build 1381)" ... by the
// version table; a version the table does not know is "Unknown!!!". A system other than
// Windows is named as it names itself.
std::string OSVersionText(const OsVersionSnapshot& snapshot);
// The running system's, from the snapshot taken once.
std::string OSVersionText();

// A byte count in whole megabytes (rounded, halves up) followed by " MB"; a count that
// rounds to 0 has no digits at all. The grouped form puts `separator` between thousands.
std::string MegabytesGrouped(std::uint64_t bytes, std::string_view separator);
std::string MegabytesPlain(std::uint64_t bytes);

// The four lines and their percentages (whole, cut toward zero; 0 for a total of 0).
struct MemoryLines {
    std::string Physical, PageFile, Virtual, Combined;
    int PhysicalPercent = 0, PageFilePercent = 0, VirtualPercent = 0, CombinedPercent = 0;
};
// Sums are taken in 64 bits, so the combined line stays right beyond 4 GiB.
MemoryLines MemoryTexts(const MemoryStatus& status, std::string_view thousandsSeparator);
