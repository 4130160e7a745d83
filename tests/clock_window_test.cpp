#include "extras/Uarclock.h"

#include "app/main.h"
#include "support/QtTestSupport.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QRgb kBlack = QColor(Qt::black).rgb();
const QRgb kSilver = QColor(192, 192, 192).rgb();

LocalTime AtMs(int h, int m, int s, int ms, unsigned day = 11)
{
    return At(2026, 12, day, h, m, s) + std::chrono::milliseconds{ms};
}

class ClockWindowTest : public ::testing::Test {
  protected:
    QImage Picture(TClock1& clock) { return clock.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // A pixel `distance` from the centre in the direction of 12 (dx = 0, dy = -1) or 3 (dx = 1, dy = 0).
    QRgb Along(const QImage& image, int dx, int dy, int distance)
    {
        const int c = SharedClockGeometry().Centre;
        return image.pixel(c + dx * distance, c + dy * distance);
    }

    WindowTestEnvironment env{AtMs(12, 0, 0, 0)};
};

TEST_F(ClockWindowTest, NoHandsUntilTheFirstTickAfterShowing)
{
    TClock1 clock;
    EXPECT_EQ(Clock1.data(), &clock);
    EXPECT_EQ(clock.Timer1->interval(), 500);
    EXPECT_TRUE(clock.Timer1->isActive()) << "ticking from creation";
    env.clock.Set(AtMs(3, 0, 0, 0));
    clock.show();
    EXPECT_EQ(SharedClockGeometry().Centre, clock.frameGeometry().width() / 2);
    EXPECT_EQ(SharedClockGeometry().Radius, SharedClockGeometry().Centre - 20);

    QImage image = Picture(clock);
    EXPECT_FALSE(clock.HandsShown());
    EXPECT_EQ(Along(image, 1, 0, 18), kSilver) << "no hour hand yet";
    EXPECT_EQ(Along(image, 0, -1, 50), kSilver) << "no minute hand yet";

    clock.Timer1Timer();
    image = Picture(clock);
    EXPECT_TRUE(clock.HandsShown());
    EXPECT_EQ(Along(image, 1, 0, 18), kBlack) << "3:00:00: the hour hand points right";
    EXPECT_EQ(Along(image, 0, -1, 50), kBlack) << "the minute and second hands point up";
    EXPECT_EQ(Along(image, -1, 0, 18), kSilver);

    // Shown again: the hands wait for the next tick once more.
    clock.hide();
    clock.show();
    EXPECT_FALSE(clock.HandsShown());
    EXPECT_EQ(Along(Picture(clock), 1, 0, 18), kSilver);
}

TEST_F(ClockWindowTest, AtNoonAllHandsPointStraightUp)
{
    TClock1 clock;
    clock.show();
    clock.Timer1Timer();
    const QImage image = Picture(clock);
    const ClockGeometry& g = SharedClockGeometry();
    EXPECT_EQ(Along(image, 0, -1, g.HourHand - 2), kBlack);
    EXPECT_EQ(Along(image, 0, -1, g.SecondHand - 2), kBlack);
    EXPECT_EQ(Along(image, 0, -1, g.SecondHand + 1), QColor(0, 0, 255).rgb())
        << "the hands stop short of the marks";
    EXPECT_EQ(Along(image, 1, 0, 18), kSilver);
    EXPECT_EQ(Along(image, 0, 1, 18), kSilver);
}

TEST_F(ClockWindowTest, MillisecondsDoNotMoveTheHands)
{
    TClock1 clock;
    clock.show();
    env.clock.Set(AtMs(10, 0, 7, 100));
    clock.Timer1Timer();
    const QImage early = Picture(clock);
    env.clock.Set(AtMs(10, 0, 7, 900));
    clock.Timer1Timer();
    EXPECT_EQ(Picture(clock), early) << "two ticks in one second draw the same hands";
    env.clock.Set(AtMs(10, 0, 8, 400));
    clock.Timer1Timer();
    EXPECT_NE(Picture(clock), early) << "the second hand jumps with the second";
}

TEST_F(ClockWindowTest, DateLabelInTheShortDateFormatChangesAtMidnight)
{
    TClock1 clock;
    env.clock.Set(AtMs(23, 59, 59, 800));
    clock.Timer1Timer();
    EXPECT_EQ(clock.Label1->text(), QLocale::system().toString(QDate(2026, 12, 11), QLocale::ShortFormat));
    env.clock.Set(AtMs(0, 0, 0, 300, 12));
    clock.Timer1Timer();
    EXPECT_EQ(clock.Label1->text(), QLocale::system().toString(QDate(2026, 12, 12), QLocale::ShortFormat));
}

TEST_F(ClockWindowTest, AnyClocksTickMovesTheHandsOfTheNewestWindow)
{
    TClock1 startup; // made at start-up, never shown, ticking all the time
    TClock1 newest;
    ASSERT_EQ(Clock1.data(), &newest);
    env.clock.Set(AtMs(3, 0, 0, 0));
    newest.show();
    startup.Timer1Timer();
    EXPECT_TRUE(newest.HandsShown());
    EXPECT_EQ(Along(Picture(newest), 1, 0, 18), kBlack);
    EXPECT_FALSE(startup.Label1->text().isEmpty()) << "each tick writes its own window's date";
    EXPECT_TRUE(newest.Label1->text().isEmpty());
}

TEST_F(ClockWindowTest, TheCommandKeepsTheClockAfterItsModalLoop)
{
    TForm1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TClock1 startup;
    QPointer<TClock1> first;
    env.onModal = [&](QDialog& dialog) {
        dialog.show();
        EXPECT_EQ(Clock1.data(), &dialog);
        EXPECT_TRUE(static_cast<TClock1&>(dialog).Timer1->isActive());
        dialog.close();
    };
    form.ShowClock();
    EXPECT_EQ(env.log, EventLog{"modal:Clock1"});
    first = Clock1;
    ASSERT_TRUE(first);
    EXPECT_NE(first.data(), &startup);
    EXPECT_EQ(first->parentWidget(), &form);
    EXPECT_FALSE(first->isVisible());
    EXPECT_FALSE(first->Timer1->isActive()) << "closing stops its timer";
    EXPECT_TRUE(startup.Timer1->isActive());

    form.ShowClock();
    EXPECT_NE(Clock1.data(), first.data()) << "the next opening makes a new clock";
    EXPECT_TRUE(first) << "and the old one is kept until the main window goes";
    EXPECT_EQ(form.findChildren<TClock1*>().size(), 2);

    // The date label opens the clock too.
    env.log.clear();
    QTest::mouseClick(form.Label6, Qt::LeftButton);
    EXPECT_EQ(env.log, EventLog{"modal:Clock1"});
}

} // namespace
