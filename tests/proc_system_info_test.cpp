#include "platform/posix/ProcSystemInfo.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t KB = 1024;

const char* const kMeminfo = "MemTotal:       16314324 kB\n"
                             "MemFree:         1200000 kB\n"
                             "MemAvailable:    9000000 kB\n"
                             "Buffers:          300000 kB\n"
                             "Cached:          5000000 kB\n"
                             "SwapCached:            0 kB\n"
                             "SwapTotal:       2097148 kB\n"
                             "SwapFree:        1048574 kB\n"
                             "Committed_AS:   30000000 kB\n";

const char* const kStatus = "Name:\tortavi\n"
                            "VmPeak:\t  900000 kB\n"
                            "VmSize:\t  812345 kB\n"
                            "VmRSS:\t   90000 kB\n";

TEST(ProcSystemInfoTest, MemoryFromMeminfoAndTheProcessStatus)
{
    const MemoryStatus s = MemoryStatusFromProc(kMeminfo, kStatus, 1ULL << 47);
    EXPECT_EQ(s.TotalPhys, 16314324 * KB);
    EXPECT_EQ(s.AvailPhys, 9000000 * KB);
    EXPECT_EQ(s.TotalPageFile, (16314324 + 2097148) * KB) << "memory and swap, as a commit limit";
    EXPECT_EQ(s.AvailPageFile, (9000000 + 1048574) * KB);
    EXPECT_EQ(s.TotalVirtual, 1ULL << 47);
    EXPECT_EQ(s.AvailVirtual, (1ULL << 47) - 812345 * KB);
}

TEST(ProcSystemInfoTest, OldKernelsWithoutAnEstimateAndMissingTexts)
{
    const char* old = "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 250 kB\nSwapTotal: 0 "
                      "kB\nSwapFree: 0 kB\n";
    const MemoryStatus s = MemoryStatusFromProc(old, "", 4096);
    EXPECT_EQ(s.AvailPhys, 400 * KB) << "free memory and the caches";
    EXPECT_EQ(s.TotalPageFile, 1000 * KB);
    EXPECT_EQ(s.AvailVirtual, 4096u);

    const MemoryStatus none = MemoryStatusFromProc("", "", 0);
    EXPECT_EQ(none.TotalPhys, 0u);
    EXPECT_EQ(none.AvailPhys, 0u);
    EXPECT_EQ(none.AvailVirtual, 0u);

    const MemoryStatus broken = MemoryStatusFromProc(
        "MemTotal: lots\nMemAvailable: 99999999999999999999 kB\n", "VmSize: 9999999 kB\n", 4096);
    EXPECT_EQ(broken.TotalPhys, 0u);
    EXPECT_EQ(broken.AvailPhys, 0u) << "never more available than there is";
    EXPECT_EQ(broken.AvailVirtual, 0u);
}

TEST(ProcSystemInfoTest, AddressSpaceFromTheHighestUserMapping)
{
    const char* x86 = "55d0c8a00000-55d0c8a21000 r--p 00000000 08:01 1 /usr/bin/ortavi\n"
                      "7ffd3a5e0000-7ffd3a601000 rw-p 00000000 00:00 0 [stack]\n"
                      "ffffffffff600000-ffffffffff601000 --xp 00000000 00:00 0 [vsyscall]\n";
    EXPECT_EQ(AddressSpaceFromMaps(x86), 1ULL << 47);
    const char* arm = "aaaab0000000-aaaab0010000 r-xp 00000000 08:01 1 /usr/bin/ortavi\n"
                      "ffffd0000000-ffffd0021000 rw-p 00000000 00:00 0 [stack]\n";
    EXPECT_EQ(AddressSpaceFromMaps(arm), 1ULL << 48);
    EXPECT_EQ(AddressSpaceFromMaps(""), 0u);
    EXPECT_EQ(AddressSpaceFromMaps("garbage\nzz-yy x\n"), 0u);
}

TEST(ProcSystemInfoTest, SystemNameFromOsReleaseAndTheKernel)
{
    struct Row {
        const char* name;
        const char* osRelease;
        const char* text;
    } rows[] = {
        {"pretty name",
         "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nVERSION_ID=\"12\"\n",
         "Debian GNU/Linux 12 (bookworm), Linux 6.1.0-13-amd64"},
        {"name and version", "NAME='Alpine Linux'\nVERSION=\"3.19\"\n",
         "Alpine Linux 3.19, Linux 6.1.0-13-amd64"},
        {"escapes in quotes", "PRETTY_NAME=\"The \\\"Best\\\" OS\"\n",
         "The \"Best\" OS, Linux 6.1.0-13-amd64"},
        {"no os-release", "", "Linux 6.1.0-13-amd64"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LinuxSystemName("Linux", "6.1.0-13-amd64", row.osRelease), row.text);
    }
}

} // namespace
