#include "extras/TimerEndTime.h"
#include "platform/Errors.h"
#include "platform/timer/TimerCount.h"

#include <gtest/gtest.h>

namespace {

// Ticks until the end event or `limit` seconds; returns the seconds counted to the event, or -1.
int SecondsToEnd(TimerCount& count, int limit)
{
    for (int s = 1; s <= limit; ++s)
        if (count.Tick())
            return s;
    return -1;
}

TimerCount WithEnd(int h, int m, int s)
{
    TimerCount count;
    EXPECT_TRUE(count.SetEndHour(h));
    EXPECT_TRUE(count.SetEndMinute(m));
    EXPECT_TRUE(count.SetEndSecond(s));
    return count;
}

TEST(TimerCountTest, CountsOnlyWhileRunningAndShowsHoursMinutesSeconds)
{
    TimerCount count;
    EXPECT_FALSE(count.Tick());
    EXPECT_EQ(count.Text(), "00:00:00");
    count.Start();
    for (int i = 0; i < 3725; ++i)
        count.Tick();
    EXPECT_EQ(count.Text(), "01:02:05");
    count.Stop();
    count.Tick();
    EXPECT_EQ(count.Elapsed(), 3725);
    count.Start();
    count.Tick();
    EXPECT_EQ(count.Elapsed(), 3726) << "START after STOP goes on from the paused count";
}

TEST(TimerCountTest, EndStopsTheCountOnceAndStartBeginsAgainFromZero)
{
    TimerCount count = WithEnd(0, 0, 5);
    count.Start();
    EXPECT_EQ(SecondsToEnd(count, 10), 5);
    EXPECT_FALSE(count.Running());
    EXPECT_EQ(count.Text(), "00:00:05");
    EXPECT_FALSE(count.Tick()) << "a stopped count raises no second event";
    EXPECT_EQ(count.Elapsed(), 5);

    count.Start();
    EXPECT_EQ(count.Elapsed(), 0) << "START after the end, without RESET";
    EXPECT_EQ(SecondsToEnd(count, 10), 5);
}

TEST(TimerCountTest, ResetWhileCountingKeepsCounting)
{
    TimerCount count = WithEnd(0, 0, 5);
    count.Start();
    SecondsToEnd(count, 3);
    count.Reset();
    EXPECT_TRUE(count.Running());
    EXPECT_EQ(count.Elapsed(), 0);
    EXPECT_EQ(SecondsToEnd(count, 10), 5) << "the whole time again from the reset";
}

TEST(TimerCountTest, EndTimeZeroCountsWithoutEnd)
{
    TimerCount count;
    count.Start();
    EXPECT_EQ(SecondsToEnd(count, 100000), -1);
    EXPECT_TRUE(count.Running());
    EXPECT_EQ(count.Text(), "03:46:40") << "100000 s is 27:46:40; the hours go round as a time of day's";
}

TEST(TimerCountTest, EndTimeStaysUnderADayAndARejectedPartKeepsItsValue)
{
    struct Row {
        const char* name;
        int h, m, s; // set in this order
        bool accepted[3];
        int endSeconds;
    } rows[] = {
        {"the last second of a day", 23, 59, 59, {true, true, true}, 86399},
        {"24 hours", 24, 0, 0, {false, true, true}, 0},
        {"a second too many keeps the seconds before", 23, 59, 60, {true, true, false}, 23 * 3600 + 59 * 60},
        {"90 minutes is an hour and a half", 0, 90, 0, {true, true, true}, 5400},
        {"100 seconds add up", 0, 1, 100, {true, true, true}, 160},
        {"1440 minutes is a day", 0, 1440, 0, {true, false, true}, 0},
        {"negative", -1, 0, 0, {false, true, true}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TimerCount count;
        EXPECT_EQ(count.SetEndHour(row.h), row.accepted[0]);
        EXPECT_EQ(count.SetEndMinute(row.m), row.accepted[1]);
        EXPECT_EQ(count.SetEndSecond(row.s), row.accepted[2]);
        EXPECT_EQ(count.EndSeconds(), row.endSeconds);
    }
    // A rejected part leaves the earlier value of that part, not 0.
    TimerCount count = WithEnd(0, 30, 0);
    EXPECT_FALSE(count.SetEndHour(24));
    EXPECT_FALSE(count.SetEndMinute(2000000000)) << "no wrap-around into the range";
    EXPECT_EQ(count.EndSeconds(), 1800);
}

TEST(TimerCountTest, ACountPausedPastAShortenedEndStartsAgain)
{
    TimerCount count = WithEnd(0, 0, 30);
    count.Start();
    SecondsToEnd(count, 10);
    count.Stop();
    count.SetEndSecond(5);
    count.Start();
    EXPECT_EQ(count.Elapsed(), 0);
    EXPECT_EQ(SecondsToEnd(count, 60), 5);
}

TEST(TimerEndTimeTest, PartsAreReadWithoutBlanks)
{
    struct Row {
        const char* text;
        int h, m, s;
    } rows[] = {
        {"12:34:56", 12, 34, 56},
        {" 1:02:03", 1, 2, 3},
        {"1 : 5: 7", 1, 5, 7},
        {"00:90:00", 0, 90, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(EndTimePart(row.text, kEndHourAt), row.h);
        EXPECT_EQ(EndTimePart(row.text, kEndMinuteAt), row.m);
        EXPECT_EQ(EndTimePart(row.text, kEndSecondAt), row.s);
    }
}

TEST(TimerEndTimeTest, APartWithoutDigitsIsTheInvalidIntegerError)
{
    for (std::size_t at : {kEndHourAt, kEndMinuteAt, kEndSecondAt}) {
        try {
            EndTimePart("  :  :  ", at);
            ADD_FAILURE() << "no error at " << at;
        } catch (const ConvertError& error) {
            EXPECT_STREQ(error.what(), "'' is not a valid integer value");
        }
    }
    EXPECT_THROW(EndTimePart("", kEndSecondAt), ConvertError);
}

} // namespace
