#include "extras/ClockGeometry.h"

#include <cmath>
#include <numbers>

ClockGeometry GeometryForOuterWidth(int outerWidth)
{
    ClockGeometry g;
    g.Centre = outerWidth / 2;
    g.Radius = g.Centre - 20;
    g.HourHand = g.Radius - 60;
    g.MinuteHand = g.Radius - 20;
    g.SecondHand = g.Radius - 10;
    return g;
}

DialPoint PointOnDial(const ClockGeometry& geometry, double radians, double distance)
{
    // Extended intermediates, as every figure of the program; nearbyint rounds ties to even
    // in the default rounding mode.
    const long double a = radians;
    return {static_cast<int>(std::nearbyint(geometry.Centre + std::sin(a) * distance)),
            static_cast<int>(std::nearbyint(geometry.Centre - std::cos(a) * distance))};
}

HandAngles AnglesAt(unsigned hour, unsigned minute, unsigned second)
{
    constexpr double turn = 2 * std::numbers::pi;
    HandAngles a;
    a.Hour = ((hour % 12) + minute / 60.0 + second / 3600.0) / 12 * turn;
    a.Minute = (minute + second / 60.0) / 60 * turn;
    a.Second = second / 60.0 * turn;
    return a;
}

HandSegments HandsAt(const ClockGeometry& g, const HandAngles& a)
{
    const DialPoint centre{g.Centre, g.Centre};
    return {{centre, PointOnDial(g, a.Hour, g.HourHand)},
            {centre, PointOnDial(g, a.Minute, g.MinuteHand)},
            {centre, PointOnDial(g, a.Second, g.SecondHand)}};
}

Segment HourMark(const ClockGeometry& g, int k)
{
    const double angle = k * std::numbers::pi / 6;
    return {PointOnDial(g, angle, g.Radius - 9), PointOnDial(g, angle, g.Radius)};
}

DialPoint NumeralPlace(const ClockGeometry& g, int numeral, int width, int height)
{
    const int c = g.Centre;
    const int r = g.Radius;
    switch (numeral) {
    case 12:
        return {c - width / 2, c - r - height - 5};
    case 3:
        return {c + r + 5, c - height + 5};
    case 6:
        return {c - width / 2, c + r + 5};
    default:
        return {c - r - width - 5, c - height + 5};
    }
}
