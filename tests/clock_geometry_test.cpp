#include "extras/ClockGeometry.h"

#include <gtest/gtest.h>

#include <numbers>
#include <ostream>

void PrintTo(const DialPoint& p, std::ostream* os)
{
    *os << "(" << p.X << ", " << p.Y << ")";
}

namespace {

// The design window: 226 pixels of client width and a 3-pixel frame on each side.
const ClockGeometry kDesign = GeometryForOuterWidth(232);

TEST(ClockGeometryTest, DesignSize)
{
    EXPECT_EQ(kDesign.Centre, 116);
    EXPECT_EQ(kDesign.Radius, 96);
    EXPECT_EQ(kDesign.HourHand, 36);
    EXPECT_EQ(kDesign.MinuteHand, 76);
    EXPECT_EQ(kDesign.SecondHand, 86);
    EXPECT_EQ(GeometryForOuterWidth(233).Centre, 116) << "half the width, cut toward zero";
}

TEST(ClockGeometryTest, HandEndsAtTimesOfDay)
{
    struct Row {
        const char* name;
        unsigned h, m, s;
        DialPoint hour, minute, second;
    } rows[] = {
        {"12:00:00 all straight up", 12, 0, 0, {116, 80}, {116, 40}, {116, 30}},
        {"0:00:00 as 12:00:00", 0, 0, 0, {116, 80}, {116, 40}, {116, 30}},
        {"3:00:00 hour hand right", 3, 0, 0, {152, 116}, {116, 40}, {116, 30}},
        // 3.5/12 of a turn is 105 degrees: 116 + 36 sin 105° = 150.77, 116 - 36 cos 105° = 125.32.
        {"15:30:00 hour hand between 3 and 4", 15, 30, 0, {151, 125}, {116, 192}, {116, 30}},
        {"9:45:15", 9, 45, 15, {83, 102}, {40, 114}, {202, 116}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const HandSegments hands = HandsAt(kDesign, AnglesAt(row.h, row.m, row.s));
        EXPECT_EQ(hands.Hour.From, (DialPoint{116, 116}));
        EXPECT_EQ(hands.Hour.To, row.hour);
        EXPECT_EQ(hands.Minute.To, row.minute);
        EXPECT_EQ(hands.Second.To, row.second);
    }
}

TEST(ClockGeometryTest, MarksStopShortOfTheRimAndTheSecondHandShortOfTheMarks)
{
    struct Row {
        int k;
        DialPoint from, to;
    } rows[] = {
        {0, {116, 29}, {116, 20}},
        {3, {203, 116}, {212, 116}},
        {6, {116, 203}, {116, 212}},
        {9, {29, 116}, {20, 116}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.k);
        const Segment mark = HourMark(kDesign, row.k);
        EXPECT_EQ(mark.From, row.from);
        EXPECT_EQ(mark.To, row.to);
    }
    EXPECT_LT(kDesign.SecondHand, kDesign.Radius - 9);
}

TEST(ClockGeometryTest, PointsRoundHalvesToEven)
{
    const double right = std::numbers::pi / 2;
    EXPECT_EQ(PointOnDial(kDesign, right, 0.5).X, 116);
    EXPECT_EQ(PointOnDial(kDesign, right, 1.5).X, 118);
    EXPECT_EQ(PointOnDial(kDesign, 0, 2.5).Y, 114); // 113.5 goes to 114
}

TEST(ClockGeometryTest, NumeralsStandOutsideTheRim)
{
    // A 16-pixel text: "12" starts one row above the client area.
    EXPECT_EQ(NumeralPlace(kDesign, 12, 16, 16), (DialPoint{108, -1}));
    EXPECT_EQ(NumeralPlace(kDesign, 3, 8, 16), (DialPoint{217, 105}));
    EXPECT_EQ(NumeralPlace(kDesign, 6, 8, 16), (DialPoint{112, 217}));
    EXPECT_EQ(NumeralPlace(kDesign, 9, 8, 16), (DialPoint{7, 105}));
}

} // namespace
