#include "platform/services/Processes.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

// A program that writes each argument it was given on a line of its own into "<itself>.out".
std::string ArgumentWriter(const TempDir& dir)
{
    const auto path = dir / "writer";
    WriteBytes(path, "#!/bin/sh\n"
                     "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.tmp\" && mv \"$0.tmp\" \"$0.out\"\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path.string();
}

bool WaitFor(const std::filesystem::path& path)
{
    for (int i = 0; i < 500 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return std::filesystem::exists(path);
}

TEST(PosixProcessesTest, EveryArgumentArrivesAsGivenAndNoShellReadsIt)
{
    TempDir dir;
    const std::string program = ArgumentWriter(dir);
    const std::string trap = (dir / "touched").string();
    SystemProcesses().Start(program, {"Анна", "Мария", "two words", "$(touch " + trap + ")", "a;b", "*", ""});
    ASSERT_TRUE(WaitFor(program + ".out"));
    EXPECT_EQ(ReadBytes(program + ".out"), "Анна\nМария\ntwo words\n$(touch " + trap + ")\na;b\n*\n\n");
    EXPECT_FALSE(std::filesystem::exists(trap));
}

TEST(PosixProcessesTest, AMissingProgramIsNotReported)
{
    TempDir dir;
    EXPECT_NO_THROW(SystemProcesses().Start((dir / "Valderin" / "Valderin.exe").string(), {"Иван"}));
}

} // namespace
