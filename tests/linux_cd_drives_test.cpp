#include "platform/posix/LinuxCdDrives.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

const char* const kTwoDrives = "CD-ROM information, Id: cdrom.c 3.20 2003/12/17\n"
                               "\n"
                               "drive name:\t\tsr1\tsr0\n"
                               "drive speed:\t\t24\t48\n"
                               "Can close tray:\t\t1\t1\n";

TEST(CdromDriveNamesTest, ReadsTheDriveNameLine)
{
    struct Row {
        const char* name;
        const char* info;
        Names names;
    };
    const Row rows[] = {
        {"two drives, sorted", kTwoDrives, {"sr0", "sr1"}},
        {"one drive", "drive name:\t\tsr0\ndrive speed:\t\t0\n", {"sr0"}},
        {"no drives", "CD-ROM information, Id: cdrom.c 3.20 2003/12/17\n\ndrive name:\t\n", {}},
        {"no such line", "something else\n", {}},
        {"empty text", "", {}},
        {"only the first such line counts", "drive name:\tsr0\ndrive name:\tsr9\n", {"sr0"}},
        {"a name that is no device name", "drive name:\t../../etc/passwd\tsr0\n", {"sr0"}},
        {"carriage returns", "drive name:\tsr0\r\n", {"sr0"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CdromDriveNames(row.info), row.names) << row.name;
}

TEST(LinuxCdDrivesTest, ListsTheKernelsDrivesByDevicePath)
{
    TempDir dir;
    WriteBytes(dir / "info", kTwoDrives);
    LinuxCdDrives drives((dir / "info").string(), "/dev/");
    EXPECT_EQ(drives.List(), (std::vector<CdDrive>{{"/dev/sr0", 0}, {"/dev/sr1", 0}}));

    LinuxCdDrives none((dir / "missing").string(), "/dev/");
    EXPECT_TRUE(none.List().empty()) << "no cdrom driver: no drives";
}

TEST(LinuxCdDrivesTest, DoorOfSomethingThatIsNoDriveStaysQuiet)
{
    TempDir dir;
    WriteBytes(dir / "not-a-drive", "x");
    LinuxCdDrives drives((dir / "info").string(), (dir.Path().string() + "/"));
    const CdDrive fake{(dir / "not-a-drive").string(), 0};
    const CdDrive missing{(dir / "missing").string(), 0};
    EXPECT_NO_THROW(drives.OpenDoor(fake));
    EXPECT_NO_THROW(drives.CloseDoor(fake));
    EXPECT_NO_THROW(drives.OpenDoor(missing));
    EXPECT_EQ(ReadBytes(dir / "not-a-drive"), "x");
}

} // namespace
