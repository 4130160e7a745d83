#include "extras/SystemInfoText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const char* VersionName(const OsVersionSnapshot& v)
{
    if (v.PlatformId == 1 && v.Major == 4) {
        if (v.Minor == 0)
            return "Windows 95";
        if (v.Minor == 10)
            return v.ServicePack.size() >= 2 && v.ServicePack[1] == 'A' ? "Windows 98SE" : "Windows 98";
        if (v.Minor == 90)
            return "Windows Me";
    }
    if (v.PlatformId == 2) {
        if (v.Major <= 4)
            return "Windows NT";
        if (v.Major == 5 && v.Minor == 0)
            return "Windows 2000";
        if (v.Major == 5 && v.Minor == 1)
            return "Windows XP";
    }
    return "Unknown!!!";
}

std::string Format(const char* pattern, auto... values)
{
    char text[512];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

std::uint64_t WholeMegabytes(std::uint64_t bytes)
{
    constexpr std::uint64_t kMegabyte = 1024 * 1024;
    return bytes / kMegabyte + (bytes % kMegabyte >= kMegabyte / 2 ? 1 : 0);
}

int Percent(long double part, long double whole)
{
    if (whole == 0)
        return 0;
    return static_cast<int>(std::trunc(part / whole * 100));
}

std::string Line(const char* prefix, int percent, const std::string& used, const std::string& total)
{
    return prefix + std::to_string(percent) + "% (" + used + " / " + total + ")";
}

} // namespace

std::string OSVersionText(const OsVersionSnapshot& v)
{
    const char* name = VersionName(v);
    const int major = static_cast<int>(v.Major);
    const int minor = static_cast<int>(v.Minor);
    if (v.PlatformId != 1 && v.PlatformId != 2) {
        if (!v.OtherSystem.empty())
            return v.OtherSystem;
        return Format("%s %d.%d", name, major, minor);
    }
    const int build = static_cast<int>(v.PlatformId == 1 ? v.Build & 0xFFFF : v.Build);
    const char* sp = v.ServicePack.c_str();
    const bool nt = std::string_view(name) == "Windows NT";
    if (nt)
        return v.ServicePack.empty() ? Format("%s %d.%d (Build %d)", name, major, minor, build)
                                     : Format("%s %d.%d (Build %d: %s)", name, major, minor, build, sp);
    return v.ServicePack.empty() ? Format("%s (Build %d)", name, build)
                                 : Format("%s (Build %d: %s)", name, build, sp);
}

std::string OSVersionText()
{
    return OSVersionText(CurrentOsVersion().Snapshot());
}

std::string MegabytesGrouped(std::uint64_t bytes, std::string_view separator)
{
    const std::uint64_t mb = WholeMegabytes(bytes);
    if (mb == 0)
        return " MB";
    const std::string digits = std::to_string(mb);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out + " MB";
}

std::string MegabytesPlain(std::uint64_t bytes)
{
    const std::uint64_t mb = WholeMegabytes(bytes);
    return (mb == 0 ? std::string() : std::to_string(mb)) + " MB";
}

MemoryLines MemoryTexts(const MemoryStatus& s, std::string_view thousandsSeparator)
{
    // A source that reports more available than there is must not make "in use" wrap around.
    const std::uint64_t availPhys = std::min(s.AvailPhys, s.TotalPhys);
    const std::uint64_t usedPhys = s.TotalPhys - availPhys;
    const std::uint64_t usedPage = s.TotalPageFile - std::min(s.AvailPageFile, s.TotalPageFile);
    const std::uint64_t usedVirtual = s.TotalVirtual - std::min(s.AvailVirtual, s.TotalVirtual);
    const std::uint64_t usedBoth = usedPhys + usedPage;
    const std::uint64_t totalBoth = s.TotalPhys + s.TotalPageFile;

    MemoryLines lines;
    lines.PhysicalPercent =
        s.TotalPhys == 0
            ? 0
            : static_cast<int>(std::trunc((1 - static_cast<long double>(availPhys) / s.TotalPhys) * 100));
    lines.PageFilePercent = Percent(usedPage, s.TotalPageFile);
    lines.VirtualPercent = Percent(usedVirtual, s.TotalVirtual);
    lines.CombinedPercent = Percent(usedBoth, totalBoth);

    lines.Physical = Line("Использование физической памяти - ", lines.PhysicalPercent,
                          MegabytesGrouped(usedPhys, thousandsSeparator),
                          MegabytesGrouped(s.TotalPhys, thousandsSeparator));
    lines.PageFile = Line("Файл страничной памяти - ", lines.PageFilePercent, MegabytesPlain(usedPage),
                          MegabytesPlain(s.TotalPageFile));
    lines.Virtual = Line("Виртуальная память - ", lines.VirtualPercent, MegabytesPlain(usedVirtual),
                         MegabytesPlain(s.TotalVirtual));
    lines.Combined = Line("Использование памяти - ", lines.CombinedPercent, MegabytesPlain(usedBoth),
                          MegabytesPlain(totalBoth));
    return lines;
}
