#include "platform/win32/WindowsRules.h"

namespace {

// The values of windows.h, spelled out so that this file compiles anywhere.
constexpr unsigned long kPlatformWin32Windows = 1;
constexpr unsigned long kPlatformWin32NT = 2;
constexpr unsigned kExitLogOff = 0x0;
constexpr unsigned kExitShutdown = 0x1;
constexpr unsigned kExitReboot = 0x2;
constexpr unsigned kExitPowerOff = 0x8;

std::string QuotedArgument(const std::string& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos)
        return argument;
    // Backslashes count only in front of a quote: there they are doubled, and a quote of the
    // text gets one more to escape it.
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"')
            quoted.append(2 * backslashes + 1, '\\');
        else
            quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    quoted += '"';
    return quoted;
}

} // namespace

WindowsFamily FamilyOfPlatformId(unsigned long platformId)
{
    switch (platformId) {
    case kPlatformWin32Windows:
        return WindowsFamily::Win9x;
    case kPlatformWin32NT:
        return WindowsFamily::NT;
    default:
        return WindowsFamily::Other;
    }
}

ExitWindowsPlan PlanExitWindows(PowerAction action, WindowsFamily family)
{
    switch (family) {
    case WindowsFamily::Win9x:
        switch (action) {
        case PowerAction::PowerOff:
            return {true, false, kExitShutdown};
        case PowerAction::Restart:
            return {true, false, kExitReboot};
        case PowerAction::LogOff:
            return {true, false, kExitLogOff};
        }
        break;
    case WindowsFamily::NT:
        switch (action) {
        case PowerAction::PowerOff:
            return {true, true, kExitShutdown | kExitPowerOff};
        case PowerAction::Restart:
            return {true, true, kExitReboot};
        case PowerAction::LogOff:
            return {true, true, kExitLogOff};
        }
        break;
    case WindowsFamily::Other:
        break;
    }
    return {};
}

std::vector<char> CdDriveLetters(std::uint32_t mask, const std::function<bool(char letter)>& isCdRom)
{
    std::vector<char> letters;
    for (int bit = 0; bit < 26; ++bit) {
        const char letter = static_cast<char>('a' + bit);
        if ((mask >> bit) & 1u && isCdRom(letter))
            letters.push_back(letter);
    }
    return letters;
}

std::string WindowsCommandLine(const std::string& program, const std::vector<std::string>& arguments)
{
    // The program name is read up to the closing quote with no escapes, and a path cannot
    // hold a quote anyway.
    std::string line = "\"" + program + "\"";
    for (const std::string& argument : arguments)
        line += ' ' + QuotedArgument(argument);
    return line;
}
