#include "platform/posix/LinuxCdDrives.h"

#include "platform/Errors.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

bool IsDeviceName(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    });
}

void DoorIoctl(const std::string& device, unsigned long request)
{
    // Without O_NONBLOCK the open waits for a medium, and an empty drive is exactly the
    // one whose door the user wants to move.
    const int fd = ::open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    ::ioctl(fd, request, 0);
    ::close(fd);
}

} // namespace

std::vector<std::string> CdromDriveNames(std::string_view info)
{
    constexpr std::string_view kLabel = "drive name:";
    std::vector<std::string> names;
    std::size_t lineStart = 0;
    while (lineStart < info.size()) {
        const std::size_t lineEnd = std::min(info.find('\n', lineStart), info.size());
        const std::string_view line = info.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (line.substr(0, kLabel.size()) != kLabel)
            continue;
        std::size_t pos = kLabel.size();
        while (pos < line.size()) {
            const std::size_t start = line.find_first_not_of(" \t\r", pos);
            if (start == std::string_view::npos)
                break;
            const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
            const std::string_view name = line.substr(start, end - start);
            if (IsDeviceName(name))
                names.emplace_back(name);
            pos = end;
        }
        break;
    }
    std::sort(names.begin(), names.end());
    return names;
}

LinuxCdDrives::LinuxCdDrives(std::string infoFile, std::string deviceFolder)
    : infoFile_(std::move(infoFile)), deviceFolder_(std::move(deviceFolder))
{
}

std::vector<CdDrive> LinuxCdDrives::List()
{
    std::string info;
    try {
        info = File::OpenRead(PathFromUtf8(infoFile_)).ReadAll();
    } catch (const IoError&) {
        return {}; // no cdrom driver loaded: no drives
    }
    std::vector<CdDrive> drives;
    for (const std::string& name : CdromDriveNames(info))
        drives.push_back({deviceFolder_ + name, 0});
    return drives;
}

void LinuxCdDrives::OpenDoor(const CdDrive& drive)
{
    DoorIoctl(drive.device, CDROMEJECT);
}

void LinuxCdDrives::CloseDoor(const CdDrive& drive)
{
    DoorIoctl(drive.device, CDROMCLOSETRAY);
}

CdDrives& SystemCdDrives()
{
    static LinuxCdDrives drives;
    return drives;
}
