#pragma once
// Where the analog clock draws: the dial from the window's outer width, the points on it,
// the numerals and the hands' angles for a time of day.

#include <cstdint>

struct DialPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const DialPoint&, const DialPoint&) = default;
};

struct ClockGeometry {
    std::int32_t Centre = 0; // both coordinates of the dial's centre
    std::int32_t Radius = 0;
    std::int32_t HourHand = 0;
    std::int32_t MinuteHand = 0;
    std::int32_t SecondHand = 0;
};

// From the width of the window including its frame.
ClockGeometry GeometryForOuterWidth(int outerWidth);

// The point at `radians` clockwise from 12 o'clock and `distance` from the centre, each
// coordinate rounded to the nearest integer, ties to even.
DialPoint PointOnDial(const ClockGeometry& geometry, double radians, double distance);

// Angles of the hands in radians, clockwise from 12 o'clock. The second hand jumps once a
// second: milliseconds play no part.
struct HandAngles {
    double Hour = 0;
    double Minute = 0;
    double Second = 0;
};
HandAngles AnglesAt(unsigned hour, unsigned minute, unsigned second);

// The two ends of each hand and of each of the twelve hour marks.
struct Segment {
    DialPoint From;
    DialPoint To;
};
struct HandSegments {
    Segment Hour, Minute, Second;
};
HandSegments HandsAt(const ClockGeometry& geometry, const HandAngles& angles);
Segment HourMark(const ClockGeometry& geometry, int k); // k = 0 .. 11, 0 at 12 o'clock

// The top-left corner of a numeral ("12", "3", "6" or "9") whose text is `width` x `height`:
// outside the rim, "3" and "9" placed by their height rather than centred.
DialPoint NumeralPlace(const ClockGeometry& geometry, int numeral, int width, int height);
