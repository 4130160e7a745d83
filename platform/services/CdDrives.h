#pragma once

#include <string>
#include <vector>

// One optical drive: how the system opens it, and on Windows its drive letter (lower case).
// Linux has no drive letters; there `letter` stays 0 and `device` is the device path.
struct CdDrive {
    std::string device;
    char letter = 0;

    friend bool operator==(const CdDrive&, const CdDrive&) = default;
};

// The machine's optical drives and their doors. Opening or closing a door that cannot move
// (no such drive, no right to it, a drive without a motor) changes nothing and says nothing.
class CdDrives {
public:
    virtual ~CdDrives() = default;
    // In a stable order: alphabetical by letter on Windows, by device path on Linux.
    virtual std::vector<CdDrive> List() = 0;
    virtual void OpenDoor(const CdDrive& drive) = 0;
    virtual void CloseDoor(const CdDrive& drive) = 0;
};

// The machine's drives (platform backend).
CdDrives& SystemCdDrives();

// The CdDrives in force. Raises std::logic_error when none has been installed.
CdDrives& CurrentCdDrives();
// Installs drives (not owned); nullptr removes them. Returns the ones replaced.
CdDrives* SetCdDrives(CdDrives* drives);
