#include "platform/FileIo.h"
#include "platform/services/Paths.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>

#ifndef _WIN32
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
const std::string S = "\\";
const std::string kRoot = "C:\\Ortavi";
const std::string kOtherSeparatorRoot = "C:/Ortavi/";
const char* const kTestProgram = "paths_test.exe";
#else
const std::string S = "/";
const std::string kRoot = "/opt/Ortavi";
const std::string kOtherSeparatorRoot = "/opt/Ortavi/";
const char* const kTestProgram = "paths_test";
#endif

TEST(JoinProgramPathTest, Rows)
{
    struct Row {
        const char* what;
        std::string folder;
        std::string name;
        std::string expected;
    };
    const Row rows[] = {
        {"folder with a trailing separator", kRoot + S, "names.dat", kRoot + S + "names.dat"},
        {"folder without a trailing separator", kRoot, "names.dat", kRoot + S + "names.dat"},
        {"folder ending in a forward slash", kOtherSeparatorRoot, "names.dat",
         kOtherSeparatorRoot + "names.dat"},
        {"backslash sub-folder name", kRoot + S, "Data\\Oven.dat", kRoot + S + "Data" + S + "Oven.dat"},
        {"forward-slash sub-folder name", kRoot, "Data/Oven.dat", kRoot + S + "Data" + S + "Oven.dat"},
        {"Cyrillic names pass through", kRoot + S + "Программа", "Данные\\Овен.dat",
         kRoot + S + "Программа" + S + "Данные" + S + "Овен.dat"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(JoinProgramPath(r.folder, r.name), r.expected) << r.what;
}

TEST(FixedPathsTest, AddsTheSeparatorOnlyWhenMissing)
{
    const FixedPaths without(kRoot, kRoot + S + "tmp");
    EXPECT_EQ(without.ProgramFolder(), kRoot + S);
    EXPECT_EQ(without.TempFolder(), kRoot + S + "tmp" + S);
    const FixedPaths with(kRoot + S, kOtherSeparatorRoot);
    EXPECT_EQ(with.ProgramFolder(), kRoot + S);
    EXPECT_EQ(with.TempFolder(), kOtherSeparatorRoot);
}

#ifndef _WIN32
// Empty when the folder is one only this user can use.
std::string PrivacyProblem(const std::string& folder)
{
    if (folder.size() < 2 || folder.back() != '/')
        return "does not end with the separator: " + folder;
    struct stat st{};
    if (::lstat(folder.substr(0, folder.size() - 1).c_str(), &st) != 0)
        return "missing: " + folder;
    if (S_ISLNK(st.st_mode))
        return "a symbolic link: " + folder;
    if (!S_ISDIR(st.st_mode))
        return "not a folder: " + folder;
    if (st.st_uid != ::geteuid())
        return "owned by user " + std::to_string(st.st_uid) + ": " + folder;
    if ((st.st_mode & 07777) != 0700) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 07777));
        return std::string("mode ") + mode + ": " + folder;
    }
    return {};
}
#endif

TEST(SystemPathsTest, TempFolderIsAnExistingPrivateFolder)
{
    const std::string folder = SystemPaths().TempFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), S[0]);
    EXPECT_TRUE(fs::is_directory(PathFromUtf8(folder))) << folder;
    EXPECT_EQ(SystemPaths().TempFolder(), folder);
#ifndef _WIN32
    EXPECT_EQ(PrivacyProblem(folder), "");
#endif
}

TEST(SystemPathsTest, ProgramFolderIsTheFolderOfThisTestProgram)
{
    const std::string folder = SystemPaths().ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), S[0]);
    EXPECT_TRUE(PathFromUtf8(folder).is_absolute()) << folder;
    EXPECT_TRUE(fs::is_regular_file(PathFromUtf8(folder + kTestProgram))) << folder;
}

#ifndef _WIN32
// The temporary folder is found once per process, so each row runs in a fresh one: it
// prepares a TMPDIR, asks for the folder and exits with 0 when it is private.
struct HostileRow {
    const char* what;
    std::function<void(const fs::path& tmpdir, const std::string& usualName)> prepare;
    bool underTmpdir; // false: TMPDIR is unusable and /tmp must serve
};

[[noreturn]] void ExitWithVerdict(const HostileRow& row)
{
    std::string problem;
    {
        TempDir dir;
        const fs::path tmpdir = dir / "tmp";
        fs::create_directory(tmpdir);
        row.prepare(tmpdir, "ortavi-" + std::to_string(::geteuid()));
        ::setenv("TMPDIR", tmpdir.c_str(), 1);
        try {
            const std::string folder = SystemPaths().TempFolder();
            problem = PrivacyProblem(folder);
            const std::string root = row.underTmpdir ? tmpdir.string() + "/" : "/tmp/";
            if (problem.empty() && folder.rfind(root + "ortavi-", 0) != 0)
                problem = "not under " + root + ": " + folder;
        } catch (const std::exception& e) {
            problem = std::string("raised: ") + e.what();
        }
    }
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::fflush(stderr);
    std::_Exit(problem.empty() ? 0 : 1);
}

void MakeFolder(const fs::path& path, fs::perms mode)
{
    fs::create_directory(path);
    fs::permissions(path, mode);
}

TEST(SystemPathsTest, TempFolderStaysPrivateWhateverHoldsItsName)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    using P = fs::perms;
    const bool root = ::geteuid() == 0;
    const HostileRow rows[] = {
        {"nothing there yet", [](const fs::path&, const std::string&) {}, true},
        {"our own private folder",
         [](const fs::path& t, const std::string& n) { MakeFolder(t / n, P::owner_all); }, true},
        {"our folder open to everyone",
         [](const fs::path& t, const std::string& n) { MakeFolder(t / n, P::all); }, true},
        {"our folder we cannot write to",
         [](const fs::path& t, const std::string& n) { MakeFolder(t / n, P::owner_read | P::owner_exec); },
         true},
        {"a umask that takes the owner's write bit",
         [](const fs::path&, const std::string&) { ::umask(0277); }, true},
        {"a link to a private folder",
         [](const fs::path& t, const std::string& n) {
             MakeFolder(t / "elsewhere", P::owner_all);
             fs::create_directory_symlink(t / "elsewhere", t / n);
         },
         true},
        {"a plain file", [](const fs::path& t, const std::string& n) { WriteBytes(t / n, "x"); }, true},
        {"a folder of another user",
         [](const fs::path& t, const std::string& n) {
             MakeFolder(t / n, P::owner_all);
             if (::chown((t / n).c_str(), 65534, 65534) != 0)
                 std::perror("chown");
         },
         true},
        {"TMPDIR is a plain file",
         [](const fs::path& t, const std::string&) {
             fs::remove(t);
             WriteBytes(t, "x");
         },
         false},
    };
    for (const HostileRow& r : rows) {
        if (!root && std::string(r.what) == "a folder of another user") {
            std::cout << "[  SKIPPED ] " << r.what << ": needs root to give a folder away\n";
            continue;
        }
        EXPECT_EXIT(ExitWithVerdict(r), ::testing::ExitedWithCode(0), "") << r.what;
    }
}
#endif

} // namespace
