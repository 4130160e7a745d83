#include "platform/services/CdDrives.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(WindowsCdDrivesTest, ListsOnlyCdRomDrivesByLetter)
{
    const DWORD mask = ::GetLogicalDrives();
    for (const CdDrive& drive : SystemCdDrives().List()) {
        ASSERT_GE(drive.letter, 'a');
        ASSERT_LE(drive.letter, 'z');
        EXPECT_EQ(drive.device, std::string({drive.letter, ':'}));
        EXPECT_TRUE(mask & (1u << (drive.letter - 'a')));
        const wchar_t root[] = {static_cast<wchar_t>(drive.letter), L':', L'\\', L'\0'};
        EXPECT_EQ(::GetDriveTypeW(root), static_cast<UINT>(DRIVE_CDROM));
    }
}

TEST(WindowsCdDrivesTest, DoorOfADriveThatIsNotThereChangesNothing)
{
    const DWORD mask = ::GetLogicalDrives();
    char absent = 0;
    for (char letter = 'z'; letter >= 'a' && absent == 0; --letter)
        if (!(mask & (1u << (letter - 'a'))))
            absent = letter;
    ASSERT_NE(absent, 0);
    const CdDrive drive{std::string({absent, ':'}), absent};
    EXPECT_NO_THROW(SystemCdDrives().OpenDoor(drive));
    EXPECT_NO_THROW(SystemCdDrives().CloseDoor(drive));
    EXPECT_EQ(::GetLogicalDrives(), mask);
}

} // namespace
