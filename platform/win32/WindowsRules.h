#pragma once
// The decisions the Windows backends take, apart from the Win32 calls that carry them out, so
// that they can be checked on any system.

#include "platform/services/Power.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class WindowsFamily {
    Win9x, // Windows 95, 98 and Me
    NT,    // NT, 2000, XP and everything since
    Other, // Win32s, or anything GetVersionEx does not name
};

// From OSVERSIONINFO's dwPlatformId.
WindowsFamily FamilyOfPlatformId(unsigned long platformId);

// What ExitWindowsEx is asked for a command, and whether the shutdown privilege must be
// enabled first (the NT family checks it; 95, 98 and Me have none).
struct ExitWindowsPlan {
    bool run = false;
    bool enableShutdownPrivilege = false;
    unsigned flags = 0;

    friend bool operator==(const ExitWindowsPlan&, const ExitWindowsPlan&) = default;
};

ExitWindowsPlan PlanExitWindows(PowerAction action, WindowsFamily family);

// The drive letters of a logical drive mask (bit 0 is a:) whose drives are CD-ROM drives, in
// lower case and alphabetical order. isCdRom is asked only about letters whose drive exists.
std::vector<char> CdDriveLetters(std::uint32_t mask, const std::function<bool(char letter)>& isCdRom);

// The command line that hands each argument to the program unchanged when the program splits
// its command line the way the C runtime (and CommandLineToArgvW) does. The program's own
// path is always quoted, so a folder name with a blank cannot be taken for a shorter program.
std::string WindowsCommandLine(const std::string& program, const std::vector<std::string>& arguments);
