#include "app/Startup.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Each factory notes its name and the splash's progress at the moment it runs.
struct Recorder {
    EventLog log;
    int progress = kStartupFirstProgress;
    std::vector<int> progressSteps;

    StartupWindow Window(char group, std::string name, bool fails = false)
    {
        return {group, [this, name, fails] {
                    if (fails)
                        throw std::runtime_error("cannot create " + name);
                    log.push_back(name + "@" + std::to_string(progress));
                }};
    }

    int Run(const std::vector<StartupWindow>& windows)
    {
        ScriptedDialogs dialogs(log);
        return RunStartup(
            windows,
            [this](int value) {
                progress = value;
                progressSteps.push_back(value);
            },
            dialogs);
    }
};

TEST(StartupTest, WindowsAreCreatedInGroupOrderWhileTheProgressCounts)
{
    Recorder r;
    const int last = r.Run({r.Window('L', "Analys"), r.Window('A', "Form1"), r.Window('K', "result"),
                            r.Window('A', "Horoscop"), r.Window('C', "Tip"), r.Window('M', "Clock1")});
    EXPECT_EQ(last, 100);
    EXPECT_EQ(r.log, (EventLog{"Form1@10", "Horoscop@10", "Tip@28", "result@82", "Analys@88", "Clock1@94"}));
    EXPECT_EQ(r.progressSteps, (std::vector<int>{28, 34, 40, 46, 52, 58, 64, 70, 82, 88, 94, 100}));
}

TEST(StartupTest, AFailureSkipsTheRestOfItsGroupShowsItsMessageAndStartUpGoesOn)
{
    Recorder r;
    const int last = r.Run({r.Window('A', "Form1"), r.Window('A', "Horoscop", true), r.Window('A', "NameDay"),
                            r.Window('K', "result", true), r.Window('L', "Analys")});
    EXPECT_EQ(last, 100);
    EXPECT_EQ(r.log, (EventLog{"Form1@10", "message[Ошибочка вышла...]:Не могу создать форму MainForm!!!",
                               "message[Ошибочка вышла...]:Не могу создать форму Result!!!", "Analys@88"}));
}

TEST(StartupTest, EveryGroupHasItsOwnMessage)
{
    std::vector<StartupWindow> windows;
    Recorder r;
    for (const StartupGroup& group : StartupGroups())
        windows.push_back(r.Window(group.Id, std::string(1, group.Id), true));
    r.Run(windows);
    const char* names[] = {"MainForm", "Assistance", "Tip",    "Me",     "Bio",    "Opt",   "Open",
                           "KTime",    "Syst",       "OKBottomDlg", "Result", "Analys", "Clock1"};
    ASSERT_EQ(r.log.size(), std::size(names));
    for (std::size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(r.log[i], std::string("message[Ошибочка вышла...]:Не могу создать форму ") + names[i] + "!!!");
}

} // namespace
