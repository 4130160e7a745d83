#include "platform/win32/WindowsRules.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

TEST(WindowsFamilyTest, PlatformIdNamesTheFamily)
{
    EXPECT_EQ(FamilyOfPlatformId(0), WindowsFamily::Other) << "Win32s";
    EXPECT_EQ(FamilyOfPlatformId(1), WindowsFamily::Win9x);
    EXPECT_EQ(FamilyOfPlatformId(2), WindowsFamily::NT);
    EXPECT_EQ(FamilyOfPlatformId(3), WindowsFamily::Other) << "Windows CE";
}

TEST(ExitWindowsPlanTest, FlagsAndPrivilegeFollowTheFamily)
{
    struct Row {
        const char* name;
        PowerAction action;
        WindowsFamily family;
        ExitWindowsPlan plan;
    };
    const Row rows[] = {
        {"95/98/Me power off: shut down", PowerAction::PowerOff, WindowsFamily::Win9x, {true, false, 1}},
        {"95/98/Me restart: reboot", PowerAction::Restart, WindowsFamily::Win9x, {true, false, 2}},
        {"95/98/Me log off", PowerAction::LogOff, WindowsFamily::Win9x, {true, false, 0}},
        {"NT power off: shut down and power off", PowerAction::PowerOff, WindowsFamily::NT, {true, true, 9}},
        {"NT restart: reboot", PowerAction::Restart, WindowsFamily::NT, {true, true, 2}},
        {"NT log off", PowerAction::LogOff, WindowsFamily::NT, {true, true, 0}},
        {"other platform: nothing", PowerAction::PowerOff, WindowsFamily::Other, {false, false, 0}},
        {"other platform log off: nothing", PowerAction::LogOff, WindowsFamily::Other, {false, false, 0}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PlanExitWindows(row.action, row.family), row.plan) << row.name;
}

TEST(CdDriveLettersTest, TakesExistingCdRomDrivesAToZInOrder)
{
    std::string asked;
    const auto isCdRom = [&asked](char letter) {
        asked += letter;
        return letter == 'd' || letter == 'e' || letter == 'z';
    };
    // a, c, d, e, f and z exist; bits above z mean nothing.
    const std::uint32_t mask = (1u << 0) | (1u << 2) | (1u << 3) | (1u << 4) | (1u << 5) | (1u << 25) | (1u << 26) |
                               (1u << 31);
    EXPECT_EQ(CdDriveLetters(mask, isCdRom), (std::vector<char>{'d', 'e', 'z'}));
    EXPECT_EQ(asked, "acdefz") << "only drives that exist are asked about";

    EXPECT_TRUE(CdDriveLetters(0, isCdRom).empty());
    EXPECT_TRUE(CdDriveLetters(1u << 2, isCdRom).empty()) << "a hard disk only";
}

struct CommandLineRow {
    const char* name;
    std::vector<std::string> arguments;
    const char* line;
};

const CommandLineRow kCommandLines[] = {
    {"no arguments", {}, "\"C:\\Program Files\\Ortavi\\Valderin\\Valderin.exe\""},
    {"plain names", {"Анна", "Мария"}, "\"C:\\Program Files\\Ortavi\\Valderin\\Valderin.exe\" Анна Мария"},
    {"an argument with a blank", {"Анна Мария"},
     "\"C:\\Program Files\\Ortavi\\Valderin\\Valderin.exe\" \"Анна Мария\""},
    {"an empty argument", {""}, "\"C:\\Program Files\\Ortavi\\Valderin\\Valderin.exe\" \"\""},
    {"a quote", {"a\"b"}, "\"C:\\Program Files\\Ortavi\\Valderin\\Valderin.exe\" \"a\\\"b\""},
    {"backslashes before a quote", {"a\\\\\"b"},
     "\"C:\\Program Files\\Ortavi\\Valderin\\Valderin.exe\" \"a\\\\\\\\\\\"b\""},
    {"backslashes elsewhere stay", {"C:\\a b\\"},
     "\"C:\\Program Files\\Ortavi\\Valderin\\Valderin.exe\" \"C:\\a b\\\\\""},
    {"plain backslashes", {"x\\y"}, "\"C:\\Program Files\\Ortavi\\Valderin\\Valderin.exe\" x\\y"},
};

TEST(WindowsCommandLineTest, QuotesWhatTheParserWouldOtherwiseSplitOrEat)
{
    for (const CommandLineRow& row : kCommandLines)
        EXPECT_EQ(WindowsCommandLine("C:\\Program Files\\Ortavi\\Valderin\\Valderin.exe", row.arguments), row.line)
            << row.name;
}

#ifdef _WIN32
std::wstring Wide(const std::string& utf8)
{
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

TEST(WindowsCommandLineTest, WindowsSplitsTheLineBackIntoTheSameArguments)
{
    const std::string program = "C:\\Program Files\\Ortavi\\Valderin\\Valderin.exe";
    for (const CommandLineRow& row : kCommandLines) {
        int count = 0;
        LPWSTR* argv = ::CommandLineToArgvW(Wide(WindowsCommandLine(program, row.arguments)).c_str(), &count);
        ASSERT_NE(argv, nullptr) << row.name;
        ASSERT_EQ(count, static_cast<int>(row.arguments.size()) + 1) << row.name;
        EXPECT_EQ(std::wstring(argv[0]), Wide(program)) << row.name;
        for (std::size_t i = 0; i < row.arguments.size(); ++i)
            EXPECT_EQ(std::wstring(argv[i + 1]), Wide(row.arguments[i])) << row.name << " argument " << i;
        ::LocalFree(argv);
    }
}
#endif

} // namespace
