#include "platform/services/CdDrives.h"

#include "platform/win32/WindowsRules.h"

#include <windows.h>
#include <mmsystem.h>

namespace {

bool IsCdRom(char letter)
{
    const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
    return ::GetDriveTypeW(root) == DRIVE_CDROM;
}

// The media control interface moves the door of the drive named by its letter.
void SetDoor(const CdDrive& drive, DWORD doorCommand)
{
    const wchar_t element[] = {static_cast<wchar_t>(drive.letter), L':', L'\0'};
    MCI_OPEN_PARMSW open{};
    open.lpstrDeviceType = L"CDAudio";
    open.lpstrElementName = element;
    if (::mciSendCommandW(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open)) != 0)
        return;
    ::mciSendCommandW(open.wDeviceID, MCI_SET, doorCommand, 0);
    ::mciSendCommandW(open.wDeviceID, MCI_CLOSE, 0, 0);
}

class WindowsCdDrives final : public CdDrives {
public:
    std::vector<CdDrive> List() override
    {
        std::vector<CdDrive> drives;
        for (const char letter : CdDriveLetters(::GetLogicalDrives(), IsCdRom))
            drives.push_back({std::string{letter, ':'}, letter});
        return drives;
    }
    void OpenDoor(const CdDrive& drive) override { SetDoor(drive, MCI_SET_DOOR_OPEN); }
    void CloseDoor(const CdDrive& drive) override { SetDoor(drive, MCI_SET_DOOR_CLOSED); }
};

} // namespace

CdDrives& SystemCdDrives()
{
    static WindowsCdDrives drives;
    return drives;
}
