#include "extras/Timer.h"

#include "app/main.h"
#include "platform/widgets/ColorButton.h"
#include "platform/widgets/DrumTimer.h"
#include "support/QtTestSupport.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TimerWindowTest : public ::testing::Test {
  protected:
    TimerWindowTest()
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Types into the end-time field as a person does, from its first position.
    void TypeEndTime(const QString& digits)
    {
        window.MaskEdit1->setFocus();
        window.MaskEdit1->setCursorPosition(0);
        QTest::keyClicks(window.MaskEdit1, digits);
    }

    WindowTestEnvironment env{At(2026, 12, 11, 9, 0, 0)};
    TkTime window;
};

TEST_F(TimerWindowTest, StartWithTheFieldUntouchedIsTheInvalidIntegerError)
{
    EXPECT_EQ(window.EndTimeText(), "  :  :  ");
    QTest::mouseClick(window.dxfColorButton1, Qt::LeftButton);
    EXPECT_EQ(env.log, EventLog{"error:'' is not a valid integer value"});
    EXPECT_FALSE(window.dxfTimer->isRunning());
}

TEST_F(TimerWindowTest, PartsBeforeAnEmptyOneStaySet)
{
    TypeEndTime(QStringLiteral("01"));
    EXPECT_EQ(window.EndTimeText(), "01:  :  ");
    QTest::mouseClick(window.dxfColorButton1, Qt::LeftButton);
    EXPECT_EQ(env.log, EventLog{"error:'' is not a valid integer value"});
    EXPECT_EQ(window.dxfTimer->count().EndHour(), 1);
    EXPECT_FALSE(window.dxfTimer->isRunning());
}

TEST_F(TimerWindowTest, TypedTimeBecomesTheEndTime)
{
    TypeEndTime(QStringLiteral("019000"));
    EXPECT_EQ(window.EndTimeText(), "01:90:00");
    QTest::mouseClick(window.dxfColorButton1, Qt::LeftButton);
    EXPECT_TRUE(env.log.empty());
    EXPECT_TRUE(window.dxfTimer->isRunning());
    EXPECT_EQ(window.dxfTimer->count().EndSeconds(), 3600 + 90 * 60);

    window.dxfTimer->tick();
    window.dxfTimer->tick();
    QTest::mouseClick(window.dxfColorButton2, Qt::LeftButton);
    EXPECT_FALSE(window.dxfTimer->isRunning());
    EXPECT_TRUE(window.MaskEdit1->isEnabled());
    EXPECT_TRUE(window.Edit1->isEnabled());
    EXPECT_EQ(window.dxfTimer->text(), QStringLiteral("00:00:02"));
    QTest::mouseClick(window.dxfColorButton3, Qt::LeftButton);
    EXPECT_EQ(window.dxfTimer->text(), QStringLiteral("00:00:00"));
}

TEST_F(TimerWindowTest, TwoSecondsOnTheRealTimerEndWithOneBeepAndTheMessage)
{
    TypeEndTime(QStringLiteral("000002"));
    window.Edit1->setText(QStringLiteral("Чай готов!"));
    QElapsedTimer elapsed;
    elapsed.start();
    QTest::mouseClick(window.dxfColorButton1, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!env.log.empty(), 5000);
    const qint64 ms = elapsed.elapsed();
    RecordProperty("end_after_ms", static_cast<int>(ms));
    EXPECT_EQ(env.log, (EventLog{"beep", "message:Чай готов!"}));
    EXPECT_GE(ms, 1900);
    EXPECT_LE(ms, 3500);
    EXPECT_EQ(window.dxfTimer->text(), QStringLiteral("00:00:02"));
    EXPECT_FALSE(window.dxfTimer->isRunning());
    QTest::qWait(1300);
    EXPECT_EQ(env.log.size(), 2u) << "the end comes once";
    EXPECT_EQ(window.dxfTimer->text(), QStringLiteral("00:00:02")) << "the display stays at the end time";
}

TEST_F(TimerWindowTest, EndTimeZeroCountsWithoutEnd)
{
    TypeEndTime(QStringLiteral("000000"));
    QTest::mouseClick(window.dxfColorButton1, Qt::LeftButton);
    for (int i = 0; i < 5; ++i)
        window.dxfTimer->tick();
    EXPECT_TRUE(window.dxfTimer->isRunning());
    EXPECT_EQ(window.dxfTimer->text(), QStringLiteral("00:00:05"));
    EXPECT_TRUE(env.log.empty());
}

TEST_F(TimerWindowTest, AnEmptyMessageStillGivesTheBox)
{
    TypeEndTime(QStringLiteral("000001"));
    QTest::mouseClick(window.dxfColorButton1, Qt::LeftButton);
    window.dxfTimer->tick();
    EXPECT_EQ(env.log, (EventLog{"beep", "message:"}));
}

TEST_F(TimerWindowTest, BorderlessRoundedAndClosedByTheCross)
{
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window.size(), QSize(283, 159));
    EXPECT_FALSE(window.mask().contains(QPoint(1, 1)));
    EXPECT_FALSE(window.mask().contains(QPoint(281, 157)));
    EXPECT_TRUE(window.mask().contains(QPoint(141, 1)));
    EXPECT_EQ(window.dxfColorButton4->text(), QString());
    EXPECT_FALSE(window.dxfColorButton4->icon().isNull());
    QTest::mouseClick(window.dxfColorButton4, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(TimerWindowTest, TheMainWindowsCommandGivesTheApplicationAFreshTimer)
{
    TForm1 form;
    QWidget* owner = &form;
    env.onModal = [&](QDialog& dialog) { owner = dialog.parentWidget(); };
    form.ShowTimer();
    EXPECT_EQ(env.log, EventLog{"modal:kTime"});
    EXPECT_EQ(owner, nullptr) << "owned by the application";
    EXPECT_FALSE(kTime);
}

} // namespace
