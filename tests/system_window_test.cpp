#include "extras/SysUnit.h"

#include "app/main.h"
#include "platform/qt/Locale.h"
#include "platform/services/Memory.h"
#include "platform/services/OsVersion.h"
#include "platform/widgets/ColorButton.h"
#include "platform/widgets/GradientProgressBar.h"
#include "platform/widgets/Label3D.h"
#include "support/QtTestSupport.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t MB = 1024 * 1024;

class SystemWindowTest : public ::testing::Test {
  protected:
    SystemWindowTest()
    {
        previousMemory_ = SetMemory(&memory);
        previousVersion_ = SetOsVersion(&version);
        SetThousandsSeparator("\u00a0");
    }
    ~SystemWindowTest() override
    {
        SetThousandsSeparator(std::nullopt);
        SetOsVersion(previousVersion_);
        SetMemory(previousMemory_);
    }

    static MemoryStatus Ordinary()
    {
        MemoryStatus s;
        s.TotalPhys = 512 * MB;
        s.AvailPhys = 212 * MB;
        s.TotalPageFile = 1000 * MB;
        s.AvailPageFile = 900 * MB;
        s.TotalVirtual = 2000 * MB;
        s.AvailVirtual = 1500 * MB;
        return s;
    }

    WindowTestEnvironment env{At(2026, 12, 11, 9, 0, 0)};
    FixedMemory memory{Ordinary()};
    FixedOsVersion version{{2, 5, 1, 2600, "Service Pack 2", ""}};

  private:
    Memory* previousMemory_ = nullptr;
    OsVersion* previousVersion_ = nullptr;
};

TEST_F(SystemWindowTest, PlaceholdersUntilTheFirstTick)
{
    TSyst syst;
    EXPECT_EQ(syst.Label3->text(), QStringLiteral("Label3"));
    EXPECT_EQ(syst.Label5->text(), QStringLiteral("Label5"));
    EXPECT_EQ(syst.Label7->text(), QStringLiteral("Label7"));
    EXPECT_EQ(syst.Label9->text(), QStringLiteral("Label9"));
    for (GradientProgressBar* gauge : {syst.Gauge1, syst.Gauge2, syst.Gauge3, syst.Gauge4})
        EXPECT_EQ(gauge->value(), 0);
    ASSERT_TRUE(syst.SystTimer);
    EXPECT_TRUE(syst.SystTimer->isActive()) << "refreshing from creation";
    EXPECT_EQ(syst.SystTimer->interval(), 300);
}

TEST_F(SystemWindowTest, EachTickWritesTheFourLinesAndBars)
{
    TSyst syst;
    syst.SystTimerTimer();
    EXPECT_EQ(syst.Label3->text(), QStringLiteral("Использование физической памяти - 58% (300 MB / 512 MB)"));
    EXPECT_EQ(syst.Label5->text(), QStringLiteral("Файл страничной памяти - 10% (100 MB / 1000 MB)"));
    EXPECT_EQ(syst.Label7->text(), QStringLiteral("Виртуальная память - 25% (500 MB / 2000 MB)"));
    EXPECT_EQ(syst.Label9->text(), QStringLiteral("Использование памяти - 26% (400 MB / 1512 MB)"));
    EXPECT_EQ(syst.Gauge1->value(), 58) << "physical";
    EXPECT_EQ(syst.Gauge2->value(), 26) << "combined";
    EXPECT_EQ(syst.Gauge3->value(), 10) << "page file";
    EXPECT_EQ(syst.Gauge4->value(), 25) << "virtual";

    MemoryStatus bigger = Ordinary();
    bigger.TotalPhys = 1024 * MB;
    bigger.AvailPhys = 24 * MB;
    bigger.TotalPageFile = 1024 * MB;
    bigger.AvailPageFile = 1024 * MB;
    memory.Set(bigger);
    syst.SystTimerTimer();
    EXPECT_EQ(syst.Label3->text(),
              QStringLiteral("Использование физической памяти - 97% (1\u00a0000 MB / 1\u00a0024 MB)"));
    EXPECT_EQ(syst.Label5->text(), QStringLiteral("Файл страничной памяти - 0% ( MB / 1024 MB)"));
    EXPECT_EQ(syst.Label9->text(), QStringLiteral("Использование памяти - 48% (1000 MB / 2048 MB)"));
}

TEST_F(SystemWindowTest, ShowingNamesTheSystemAndCrutoEndsTheRefresh)
{
    TSyst syst;
    syst.show();
    EXPECT_EQ(syst.Label8->text(), QStringLiteral("Windows XP (Build 2600: Service Pack 2)"));
    QTRY_COMPARE_WITH_TIMEOUT(
        syst.Label3->text(), QStringLiteral("Использование физической памяти - 58% (300 MB / 512 MB)"), 2000);
    QTest::mouseClick(syst.dxfColorButton1, Qt::LeftButton);
    EXPECT_FALSE(syst.SystTimer) << "discarded";
    EXPECT_FALSE(syst.isVisible());
}

TEST_F(SystemWindowTest, TheMainWindowsCommandShowsAFreshMonitorOwnedByIt)
{
    TForm1 form;
    QWidget* owner = nullptr;
    env.onModal = [&](QDialog& dialog) { owner = dialog.parentWidget(); };
    form.ShowSystemInfo();
    EXPECT_EQ(env.log, EventLog{"modal:Syst"});
    EXPECT_EQ(owner, &form);
    EXPECT_FALSE(Syst);
}

} // namespace
