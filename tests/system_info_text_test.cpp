#include "extras/SystemInfoText.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t MB = 1024 * 1024;
constexpr std::uint64_t GB = 1024 * MB;
const std::string kNbsp = "\u00a0";

TEST(SystemInfoTextTest, VersionTextByTheTable)
{
    struct Row {
        const char* name;
        OsVersionSnapshot snapshot;
        const char* text;
    } rows[] = {
        {"XP SP2", {2, 5, 1, 2600, "Service Pack 2", ""}, "Windows XP (Build 2600: Service Pack 2)"},
        {"NT 4.0 without a service pack", {2, 4, 0, 1381, "", ""}, "Windows NT 4.0 (Build 1381)"},
        {"NT 4.0 SP6", {2, 4, 0, 1381, "Service Pack 6", ""}, "Windows NT 4.0 (Build 1381: Service Pack 6)"},
        {"NT 3.51", {2, 3, 51, 1057, "", ""}, "Windows NT 3.51 (Build 1057)"},
        {"2000 SP4", {2, 5, 0, 2195, "Service Pack 4", ""}, "Windows 2000 (Build 2195: Service Pack 4)"},
        // The 9x family keeps the version in the high word of the build number.
        {"98 SE", {1, 4, 10, 0x040A08AE, " A ", ""}, "Windows 98SE (Build 2222:  A )"},
        {"98", {1, 4, 10, 0x040A07CE, "", ""}, "Windows 98 (Build 1998)"},
        {"98 with another letter", {1, 4, 10, 0x040A07CE, " B", ""}, "Windows 98 (Build 1998:  B)"},
        {"98 with a one-letter service text", {1, 4, 10, 0x040A07CE, "A", ""}, "Windows 98 (Build 1998: A)"},
        {"95", {1, 4, 0, 0x040003B6, "", ""}, "Windows 95 (Build 950)"},
        {"Me", {1, 4, 90, 0x045A0BB8, " ", ""}, "Windows Me (Build 3000:  )"},
        {"an unknown version of a known family",
         {2, 6, 1, 7601, "Service Pack 1", ""},
         "Unknown!!! (Build 7601: Service Pack 1)"},
        {"XP x64 is 5.2", {2, 5, 2, 3790, "", ""}, "Unknown!!! (Build 3790)"},
        {"an unknown family", {3, 5, 0, 1, "", ""}, "Unknown!!! 5.0"},
        {"a system other than Windows names itself",
         {0, 0, 0, 0, "", "Debian GNU/Linux 12 (bookworm), Linux 6.1.0"},
         "Debian GNU/Linux 12 (bookworm), Linux 6.1.0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(OSVersionText(row.snapshot), row.text);
    }
}

TEST(SystemInfoTextTest, MemoryLinesOfAnOrdinaryMachine)
{
    MemoryStatus status;
    status.TotalPhys = 512 * MB;
    status.AvailPhys = 212 * MB;
    status.TotalPageFile = 1024 * MB;
    status.AvailPageFile = 1024 * MB;
    status.TotalVirtual = 2048 * MB;
    status.AvailVirtual = 1536 * MB;
    const MemoryLines lines = MemoryTexts(status, kNbsp);
    EXPECT_EQ(lines.Physical, "Использование физической памяти - 58% (300 MB / 512 MB)");
    EXPECT_EQ(lines.PageFile, "Файл страничной памяти - 0% ( MB / 1024 MB)")
        << "nothing in use prints no digits";
    EXPECT_EQ(lines.Virtual, "Виртуальная память - 25% (512 MB / 2048 MB)");
    EXPECT_EQ(lines.Combined, "Использование памяти - 19% (300 MB / 1536 MB)");
    EXPECT_EQ(lines.PhysicalPercent, 58);
    EXPECT_EQ(lines.PageFilePercent, 0);
    EXPECT_EQ(lines.VirtualPercent, 25);
    EXPECT_EQ(lines.CombinedPercent, 19);
}

TEST(SystemInfoTextTest, OnlyThePhysicalLineGroupsThousands)
{
    MemoryStatus status;
    status.TotalPhys = 1024 * MB;
    status.AvailPhys = 24 * MB;
    status.TotalPageFile = 1024 * MB;
    status.AvailPageFile = 0;
    status.TotalVirtual = 1024 * MB;
    status.AvailVirtual = 0;
    const MemoryLines lines = MemoryTexts(status, kNbsp);
    EXPECT_EQ(lines.Physical,
              "Использование физической памяти - 97% (1" + kNbsp + "000 MB / 1" + kNbsp + "024 MB)");
    EXPECT_EQ(lines.PageFile, "Файл страничной памяти - 100% (1024 MB / 1024 MB)");
    EXPECT_EQ(lines.Virtual, "Виртуальная память - 100% (1024 MB / 1024 MB)");
    EXPECT_EQ(lines.Combined, "Использование памяти - 98% (2024 MB / 2048 MB)");
}

TEST(SystemInfoTextTest, MachinesBeyondFourGigabytesDoNotWrap)
{
    MemoryStatus status;
    status.TotalPhys = 16 * GB;
    status.AvailPhys = 6 * GB;
    status.TotalPageFile = 24 * GB;
    status.AvailPageFile = 10 * GB;
    status.TotalVirtual = 128ULL * 1024 * GB;
    status.AvailVirtual = 128ULL * 1024 * GB - 3 * GB;
    const MemoryLines lines = MemoryTexts(status, ",");
    EXPECT_EQ(lines.Physical, "Использование физической памяти - 62% (10,240 MB / 16,384 MB)");
    EXPECT_EQ(lines.PageFile, "Файл страничной памяти - 58% (14336 MB / 24576 MB)");
    EXPECT_EQ(lines.Virtual, "Виртуальная память - 0% (3072 MB / 134217728 MB)");
    EXPECT_EQ(lines.Combined, "Использование памяти - 60% (24576 MB / 40960 MB)");
}

TEST(SystemInfoTextTest, MegabytesRoundHalvesUpAndZeroHasNoDigits)
{
    struct Row {
        std::uint64_t bytes;
        const char* plain;
        const char* grouped;
    } rows[] = {
        {0, " MB", " MB"},
        {MB / 2 - 1, " MB", " MB"},
        {MB / 2, "1 MB", "1 MB"},
        {999 * MB + MB / 2 - 1, "999 MB", "999 MB"},
        {999 * MB + MB / 2, "1000 MB", "1.000 MB"},
        {1234567 * MB, "1234567 MB", "1.234.567 MB"},
        {UINT64_MAX, "17592186044416 MB", "17.592.186.044.416 MB"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bytes);
        EXPECT_EQ(MegabytesPlain(row.bytes), row.plain);
        EXPECT_EQ(MegabytesGrouped(row.bytes, "."), row.grouped);
    }
}

TEST(SystemInfoTextTest, EmptyOrInconsistentCountsGiveZeroNotGarbage)
{
    const MemoryLines empty = MemoryTexts(MemoryStatus{}, " ");
    EXPECT_EQ(empty.Physical, "Использование физической памяти - 0% ( MB /  MB)");
    EXPECT_EQ(empty.Combined, "Использование памяти - 0% ( MB /  MB)");
    MemoryStatus odd;
    odd.TotalPhys = 100 * MB;
    odd.AvailPhys = 200 * MB; // more available than there is
    const MemoryLines lines = MemoryTexts(odd, " ");
    EXPECT_EQ(lines.PhysicalPercent, 0);
    EXPECT_EQ(lines.Physical, "Использование физической памяти - 0% ( MB / 100 MB)");
}

TEST(SystemInfoTextTest, TheRunningSystemAnswers)
{
    const MemoryStatus status = SystemMemory().Status();
    EXPECT_GT(status.TotalPhys, 0u);
    EXPECT_LE(status.AvailPhys, status.TotalPhys);
    EXPECT_GT(status.TotalPageFile, 0u);
    EXPECT_LE(status.AvailPageFile, status.TotalPageFile);
    EXPECT_GT(status.TotalVirtual, 4 * MB);
    EXPECT_LT(status.AvailVirtual, status.TotalVirtual) << "this very test uses some of its address space";

    const OsVersionSnapshot& version = SystemOsVersion().Snapshot();
    EXPECT_EQ(&version, &SystemOsVersion().Snapshot()) << "taken once";
#ifdef _WIN32
    EXPECT_EQ(version.PlatformId, 2u);
    EXPECT_GE(version.Major, 5u);
    EXPECT_NE(OSVersionText(), "");
#else
    EXPECT_EQ(version.PlatformId, 0u);
    EXPECT_NE(OSVersionText().find("Linux"), std::string::npos) << OSVersionText();
#endif
}

} // namespace
