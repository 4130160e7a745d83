#pragma once

#include "platform/services/CdDrives.h"

#include <string>
#include <string_view>
#include <vector>

// The names of the optical drives in the kernel's CD-ROM information text (the line
// "drive name:"), sorted. Anything that is not a plain device name is left out.
std::vector<std::string> CdromDriveNames(std::string_view info);

// The optical drives the kernel lists, their doors moved with the cdrom ioctls.
class LinuxCdDrives final : public CdDrives {
public:
    explicit LinuxCdDrives(std::string infoFile = "/proc/sys/dev/cdrom/info", std::string deviceFolder = "/dev/");
    std::vector<CdDrive> List() override;
    void OpenDoor(const CdDrive& drive) override;
    void CloseDoor(const CdDrive& drive) override;

private:
    std::string infoFile_;
    std::string deviceFolder_;
};
