#include "platform/services/Memory.h"
#include "platform/services/OsVersion.h"

#include <windows.h>

namespace {

std::string Utf8(const wchar_t* text)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(size - 1));
    return out;
}

// The extended query: the plain one stops at 4 GiB.
class StatusMemory final : public Memory {
  public:
    MemoryStatus Status() const override
    {
        MEMORYSTATUSEX ms{};
        ms.dwLength = sizeof ms;
        MemoryStatus status;
        if (!::GlobalMemoryStatusEx(&ms))
            return status;
        status.TotalPhys = ms.ullTotalPhys;
        status.AvailPhys = ms.ullAvailPhys;
        status.TotalPageFile = ms.ullTotalPageFile;
        status.AvailPageFile = ms.ullAvailPageFile;
        status.TotalVirtual = ms.ullTotalVirtual;
        status.AvailVirtual = ms.ullAvailVirtual;
        return status;
    }
};

class QueriedVersion final : public OsVersion {
  public:
    const OsVersionSnapshot& Snapshot() const override
    {
        static const OsVersionSnapshot snapshot = [] {
            OsVersionSnapshot s;
            OSVERSIONINFOW info{};
            info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
            // The version the system admits to a program without a compatibility manifest,
            // which is what the version table was made for.
            const BOOL ok = ::GetVersionExW(&info);
#pragma GCC diagnostic pop
            if (ok) {
                s.PlatformId = info.dwPlatformId;
                s.Major = info.dwMajorVersion;
                s.Minor = info.dwMinorVersion;
                s.Build = info.dwBuildNumber;
                info.szCSDVersion[127] = L'\0';
                s.ServicePack = Utf8(info.szCSDVersion);
            }
            return s;
        }();
        return snapshot;
    }
};

} // namespace

Memory& SystemMemory()
{
    static StatusMemory memory;
    return memory;
}

OsVersion& SystemOsVersion()
{
    static QueriedVersion version;
    return version;
}
