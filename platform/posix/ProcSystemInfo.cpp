#include "platform/posix/ProcSystemInfo.h"

#include <algorithm>
#include <optional>

namespace {

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Calls `visit(key, value)` for every "key<sep>value" line.
template <class Visit> void ForEachLine(std::string_view text, char separator, Visit visit)
{
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        const auto sep = line.find(separator);
        if (sep != std::string_view::npos)
            visit(Trim(line.substr(0, sep)), Trim(line.substr(sep + 1)));
    }
}

// A "<number> kB" value in bytes.
std::optional<std::uint64_t> Kilobytes(std::string_view value)
{
    std::uint64_t n = 0;
    std::size_t i = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        if (n > (UINT64_MAX - 9) / 10)
            return std::nullopt;
        n = n * 10 + static_cast<unsigned>(value[i] - '0');
    }
    if (i == 0 || n > UINT64_MAX / 1024)
        return std::nullopt;
    return n * 1024;
}

std::optional<std::uint64_t> Field(std::string_view text, std::string_view key)
{
    std::optional<std::uint64_t> found;
    ForEachLine(text, ':', [&](std::string_view k, std::string_view v) {
        if (!found && k == key)
            found = Kilobytes(v);
    });
    return found;
}

std::optional<std::uint64_t> Hex(std::string_view text)
{
    if (text.empty() || text.size() > 16)
        return std::nullopt;
    std::uint64_t n = 0;
    for (char c : text) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        n = n * 16 + static_cast<unsigned>(d);
    }
    return n;
}

// A shell-style value of os-release: unquoted, or in single or double quotes with
// backslash escapes.
std::string Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        const char quote = value.front();
        value = value.substr(1, value.size() - 2);
        std::string out;
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (quote == '"' && value[i] == '\\' && i + 1 < value.size())
                ++i;
            out += value[i];
        }
        return out;
    }
    return std::string(value);
}

} // namespace

MemoryStatus MemoryStatusFromProc(std::string_view meminfo, std::string_view selfStatus,
                                  std::uint64_t addressSpace)
{
    MemoryStatus status;
    const std::uint64_t total = Field(meminfo, "MemTotal").value_or(0);
    // Kernels before 3.14 do not estimate the available memory; free memory and the caches
    // it could drop are the nearest.
    std::uint64_t available = 0;
    if (const auto estimate = Field(meminfo, "MemAvailable"))
        available = *estimate;
    else
        available = Field(meminfo, "MemFree").value_or(0) + Field(meminfo, "Buffers").value_or(0) +
                    Field(meminfo, "Cached").value_or(0);
    available = std::min(available, total);
    const std::uint64_t swapTotal = Field(meminfo, "SwapTotal").value_or(0);
    const std::uint64_t swapFree = std::min(Field(meminfo, "SwapFree").value_or(0), swapTotal);

    status.TotalPhys = total;
    status.AvailPhys = available;
    status.TotalPageFile = total + swapTotal;
    status.AvailPageFile = available + swapFree;
    status.TotalVirtual = addressSpace;
    const std::uint64_t used = std::min(Field(selfStatus, "VmSize").value_or(0), addressSpace);
    status.AvailVirtual = addressSpace - used;
    return status;
}

std::uint64_t AddressSpaceFromMaps(std::string_view maps)
{
    std::uint64_t top = 0;
    while (!maps.empty()) {
        const auto end = maps.find('\n');
        const std::string_view line = maps.substr(0, end);
        maps = end == std::string_view::npos ? std::string_view{} : maps.substr(end + 1);
        // The vsyscall page sits in the kernel's half and is no part of the process's space.
        if (line.find("[vsyscall]") != std::string_view::npos)
            continue;
        const auto dash = line.find('-');
        const auto blank = line.find(' ');
        if (dash == std::string_view::npos || blank == std::string_view::npos || blank < dash)
            continue;
        if (const auto high = Hex(line.substr(dash + 1, blank - dash - 1)))
            top = std::max(top, *high);
    }
    if (top == 0)
        return 0;
    std::uint64_t size = 1;
    while (size < top && size <= UINT64_MAX / 2)
        size *= 2;
    return std::max(size, top);
}

std::string LinuxSystemName(std::string_view kernelName, std::string_view kernelRelease,
                            std::string_view osRelease)
{
    std::string pretty, name, version;
    ForEachLine(osRelease, '=', [&](std::string_view key, std::string_view value) {
        if (key == "PRETTY_NAME")
            pretty = Unquote(value);
        else if (key == "NAME")
            name = Unquote(value);
        else if (key == "VERSION")
            version = Unquote(value);
    });
    if (pretty.empty())
        pretty = version.empty() ? name : name + " " + version;
    std::string kernel(kernelName);
    if (!kernelRelease.empty())
        kernel += (kernel.empty() ? "" : " ") + std::string(kernelRelease);
    if (pretty.empty())
        return kernel;
    return kernel.empty() ? pretty : pretty + ", " + kernel;
}
