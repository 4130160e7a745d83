#include "platform/FileIo.h"
#include "platform/posix/ProcSystemInfo.h"
#include "platform/services/Memory.h"
#include "platform/services/OsVersion.h"

#include <sys/resource.h>
#include <sys/utsname.h>

namespace {

// An unreadable file reads as empty: the monitor then shows zeros rather than an error.
std::string ReadSystemFile(const char* path)
{
    try {
        return File::OpenRead(path).ReadAll();
    } catch (const std::exception&) {
        return {};
    }
}

class ProcMemory final : public Memory {
  public:
    MemoryStatus Status() const override
    {
        std::uint64_t space = AddressSpaceFromMaps(ReadSystemFile("/proc/self/maps"));
        rlimit limit{};
        if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
            static_cast<std::uint64_t>(limit.rlim_cur) < space)
            space = limit.rlim_cur;
        return MemoryStatusFromProc(ReadSystemFile("/proc/meminfo"), ReadSystemFile("/proc/self/status"),
                                    space);
    }
};

class UnameVersion final : public OsVersion {
  public:
    const OsVersionSnapshot& Snapshot() const override
    {
        static const OsVersionSnapshot snapshot = [] {
            OsVersionSnapshot s;
            utsname names{};
            std::string kernel, release;
            if (::uname(&names) == 0) {
                kernel = names.sysname;
                release = names.release;
            }
            std::string osRelease = ReadSystemFile("/etc/os-release");
            if (osRelease.empty())
                osRelease = ReadSystemFile("/usr/lib/os-release");
            s.OtherSystem = LinuxSystemName(kernel, release, osRelease);
            return s;
        }();
        return snapshot;
    }
};

} // namespace

Memory& SystemMemory()
{
    static ProcMemory memory;
    return memory;
}

OsVersion& SystemOsVersion()
{
    static UnameVersion version;
    return version;
}
