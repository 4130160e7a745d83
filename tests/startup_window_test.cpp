#include "app/Entry.h"
#include "app/StartupTable.h"
#include "app/main.h"
#include "calc/Analyz.h"
#include "calc/Unit2.h"
#include "chart/aboutbio.h"
#include "data/Horo.h"
#include "extras/Loading.h"
#include "nameday/NameDayForm.h"
#include "extras/MyFoto.h"
#include "extras/SysUnit.h"
#include "extras/Thanks.h"
#include "extras/ThanksBox.h"
#include "extras/Timer.h"
#include "extras/TipOfTheDay.h"
#include "extras/Uarclock.h"
#include "platform/qt/Application.h"
#include "platform/widgets/GradientProgressBar.h"
#include "support/NameDaysFixture.h"
#include "support/QtTestSupport.h"

#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace {

class StartupWindowTest : public ::testing::Test {
protected:
    WindowTestEnvironment env{At(2026, 12, 11, 9, 0, 0)};
    StartupWindowTest() { WriteNameDays(env.folder / "names.dat", "11 декабря\tАнна\n"); }
    ~StartupWindowTest() override { DestroyLongLivedWindows(); }
};

TEST_F(StartupWindowTest, SplashCountsFromTenWhileTheMainWindowIsMadeToOneHundred)
{
    std::vector<StartupWindow> windows = LongLivedWindows();
    int progressDuringMainWindow = -1;
    bool iniWrittenThen = false;
    std::vector<int> progress;
    ASSERT_EQ(windows.front().Group, 'A');
    windows.front().Create = [&, create = windows.front().Create] {
        ASSERT_TRUE(LOADD);
        EXPECT_TRUE(LOADD->isVisible());
        progressDuringMainWindow = LOADD->dxfProgressBar1->value();
        QObject::connect(LOADD->dxfProgressBar1, &GradientProgressBar::valueChanged,
                         [&](int value) { progress.push_back(value); });
        create();
        iniWrittenThen = std::filesystem::exists(env.ProgramFile("ortavi.ini"));
    };
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("Ortavi"));

    QWidget* main = StartUp(windows);

    EXPECT_EQ(progressDuringMainWindow, 10);
    EXPECT_TRUE(iniWrittenThen) << "the main window's creation runs while the splash shows 10";
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 28);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_FALSE(LOADD) << "the splash is gone once start-up is over";
    EXPECT_EQ(main, Form1.data());
    EXPECT_TRUE(result);
    EXPECT_TRUE(Analys);
    EXPECT_TRUE(Horoscop);
    EXPECT_TRUE(Bio);
    ASSERT_TRUE(NameDay);
    EXPECT_FALSE(NameDay->isVisible());
    EXPECT_EQ(NameDay->Label2->text(), QStringLiteral("Анна")) << "the name-day data is read at start-up";
    EXPECT_FALSE(Form1->isVisible()) << "the message loop shows the main window, not the start-up";
    EXPECT_TRUE(env.log.empty());
}

TEST_F(StartupWindowTest, AWindowThatCannotBeMadeIsReportedAndTheRestStarts)
{
    std::vector<StartupWindow> windows = LongLivedWindows();
    for (StartupWindow& window : windows)
        if (window.Group == 'K')
            window.Create = [] { throw std::runtime_error("no memory for the result window"); };

    QWidget* main = StartUp(windows);

    EXPECT_EQ(env.log, EventLog{"message[Ошибочка вышла...]:Не могу создать форму Result!!!"});
    EXPECT_EQ(main, Form1.data());
    EXPECT_FALSE(result);
    EXPECT_TRUE(Analys);
}

TEST_F(StartupWindowTest, WithoutAMainWindowTheFirstWindowMadeStandsIn)
{
    std::vector<StartupWindow> windows = LongLivedWindows();
    windows.front().Create = [] { throw std::runtime_error("broken"); };

    QWidget* main = StartUp(windows);

    EXPECT_EQ(env.log, EventLog{"message[Ошибочка вышла...]:Не могу создать форму MainForm!!!"});
    EXPECT_FALSE(Form1);
    EXPECT_FALSE(NameDay) << "the rest of the main window's group is left out";
    EXPECT_EQ(main, result.data());
}

TEST_F(StartupWindowTest, ANameDayWindowThatCannotBeMadeIsReportedAsTheMainWindowsGroup)
{
    std::vector<StartupWindow> windows = LongLivedWindows();
    // The name-day window closes group A.
    const auto nameDay = std::find_if(windows.rbegin(), windows.rend(), [](const StartupWindow& w) {
        return w.Group == 'A';
    });
    ASSERT_NE(nameDay, windows.rend());
    nameDay->Create = [] { throw std::runtime_error("broken"); };

    QWidget* main = StartUp(windows);

    EXPECT_EQ(env.log, EventLog{"message[Ошибочка вышла...]:Не могу создать форму MainForm!!!"});
    EXPECT_EQ(main, Form1.data());
    EXPECT_FALSE(NameDay);
}

TEST_F(StartupWindowTest, TheExtrasAreMadeInTheirGroupsAndNeverShown)
{
    const std::vector<StartupWindow> windows = LongLivedWindows();
    const std::pair<char, std::function<QWidget*()>> extras[] = {
        {'B', [] { return Assistance.data(); }}, {'C', [] { return Tip.data(); }},
        {'D', [] { return Me.data(); }},         {'H', [] { return kTime.data(); }},
        {'I', [] { return Syst.data(); }},       {'J', [] { return OKBottomDlg.data(); }},
        {'M', [] { return Clock1.data(); }},
    };
    for (const auto& [group, window] : extras) {
        SCOPED_TRACE(group);
        // The window appears when its own group's row runs.
        ASSERT_EQ(window(), nullptr);
        for (const StartupWindow& row : windows)
            if (row.Group == group)
                row.Create();
        ASSERT_NE(window(), nullptr);
        EXPECT_FALSE(window()->isVisible());
    }
    EXPECT_TRUE(Clock1->Timer1->isActive()) << "the start-up clock ticks all along";
    EXPECT_TRUE(env.log.empty());
    DestroyLongLivedWindows();
    for (const auto& [group, window] : extras)
        EXPECT_EQ(window(), nullptr) << group;
}

} // namespace
