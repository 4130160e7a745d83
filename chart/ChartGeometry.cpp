#include "chart/ChartGeometry.h"

#include "calc/Biorhythm.h"

#include <cmath>
#include <cstdlib>

void PixelCanvas::Fill(Rgb colour)
{
    for (int y = 0; y < height_; ++y) {
        Rgb* row = bits_ + static_cast<std::ptrdiff_t>(y) * stride_;
        for (int x = 0; x < width_; ++x)
            row[x] = colour;
    }
}

void PixelCanvas::Line(int x0, int y0, int x1, int y1, Rgb colour)
{
    // Bresenham, stopping one step short of the end point.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        SetPixel(x0, y0, colour);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void PixelCanvas::Ellipse(int left, int top, int right, int bottom, Rgb outline, Rgb fill)
{
    if (right <= left || bottom <= top)
        return;
    // A pixel belongs to the ellipse when its centre lies inside the ellipse through the box's
    // pixel centres; those of them with a neighbour outside form the one-pixel outline.
    const double cx = (left + right - 1) / 2.0;
    const double cy = (top + bottom - 1) / 2.0;
    const double rx = (right - left) / 2.0;
    const double ry = (bottom - top) / 2.0;
    auto inside = [&](int x, int y) {
        if (x < left || x >= right || y < top || y >= bottom)
            return false;
        const double u = (x - cx) / rx;
        const double v = (y - cy) / ry;
        return u * u + v * v <= 1.0;
    };
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (!inside(x, y))
                continue;
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            SetPixel(x, y, edge ? outline : fill);
        }
    }
}

std::int32_t ChartDayCount(std::chrono::year_month_day chosen, std::chrono::year_month_day birth)
{
    return static_cast<std::int32_t>((std::chrono::sys_days(chosen) - std::chrono::sys_days(birth)).count());
}

namespace {

long double Wave(long double t, int period)
{
    return std::sin(t * kTwoPi / period);
}

struct Marker {
    int Period;
    Rgb Colour;
};
// Drawn in this order, so where markers overlap the physical one is on top.
constexpr Marker kMarkers[3] = {
    {kIntellectualPeriod, kChartRed},
    {kEmotionalPeriod, kChartBlue},
    {kPhysicalPeriod, kChartGreen},
};

Rgb CurveColour(ChartCurve curve)
{
    switch (curve) {
    case ChartCurve::Intellectual:
        return kChartRed;
    case ChartCurve::Physical:
        return kChartGreen;
    case ChartCurve::Emotional:
        return kChartBlue;
    case ChartCurve::Wellbeing:
        break;
    }
    return kChartBlack;
}

} // namespace

double ChartValue(ChartCurve curve, long double t)
{
    switch (curve) {
    case ChartCurve::Intellectual:
        return static_cast<double>(Wave(t, kIntellectualPeriod));
    case ChartCurve::Physical:
        return static_cast<double>(Wave(t, kPhysicalPeriod));
    case ChartCurve::Emotional:
        return static_cast<double>(Wave(t, kEmotionalPeriod));
    case ChartCurve::Wellbeing:
        break;
    }
    return static_cast<double>(
        (Wave(t, kIntellectualPeriod) + Wave(t, kEmotionalPeriod) + Wave(t, kPhysicalPeriod)) / 3);
}

void DrawChartFrame(PixelCanvas& canvas, int W, int H, Rgb face)
{
    const int w2 = W / 2;
    const int h2 = H / 2;
    canvas.Fill(face);
    canvas.Line(0, h2, W, h2, kChartBlack);

    const int dash = H / 20;
    for (int k = 0; k <= 10; ++k)
        canvas.Line(w2, 2 * k * dash, w2, 2 * k * dash + dash, kChartBlack);

    // The tick pitch is a 31st of the width while a day is a 33rd: the ticks mark the axis,
    // not the days.
    const int pitch = W / 31;
    for (int k = 0; k <= 33; ++k) {
        const int x = -2 + k * pitch;
        canvas.Line(x, h2 - 3, x, h2 + 4, kChartBlack);
    }
}

void DrawCurve(ChartCurve curve, PixelCanvas& canvas, int W, int H, std::int32_t D)
{
    const int dayPitch = W / 33;
    const int w2 = W / 2;
    const int h2 = H / 2;
    const Rgb colour = CurveColour(curve);
    constexpr int kLast = kDaysEachSide * kSamplesPerDay;

    for (int i = -kLast; i <= kLast; ++i) {
        // The mean is drawn in half-day dashes, one of them centred on the chosen day.
        if (curve == ChartCurve::Wellbeing && std::abs(i) % kSamplesPerDay >= kSamplesPerDay / 2)
            continue;
        const long double t = static_cast<long double>(D) + static_cast<long double>(i) / kSamplesPerDay;
        const double v = ChartValue(curve, t);
        // A value of exactly -1 lands on row H and the last sample on column W: both just
        // outside the image, where the canvas drops them.
        const int y = static_cast<int>(std::trunc((1.0L - v) * h2));
        const int x = static_cast<int>(std::trunc(static_cast<long double>(i * dayPitch) / kSamplesPerDay + w2));
        canvas.SetPixel(x, y, colour);
    }

    for (const Marker& marker : kMarkers) {
        const int y = static_cast<int>(std::trunc((1.0L - Wave(D, marker.Period)) * h2));
        canvas.Ellipse(w2 - 3, y - 3, w2 + 3, y + 3, kChartBlack, marker.Colour);
    }
}

void DrawChart(PixelCanvas& canvas, std::int32_t D, Rgb face)
{
    DrawChartFrame(canvas, canvas.Width(), canvas.Height(), face);
    for (ChartCurve curve :
         {ChartCurve::Intellectual, ChartCurve::Physical, ChartCurve::Emotional, ChartCurve::Wellbeing})
        DrawCurve(curve, canvas, canvas.Width(), canvas.Height(), D);
}

std::array<LegendSwatch, 4> LegendSwatchesAt(int L, int T)
{
    return {{
        {L + 20, T + 10, L + 30, T + 20, kChartRed},
        {L + 20, T + 30, L + 30, T + 40, kChartGreen},
        {L + 220, T + 10, L + 230, T + 20, kChartBlue},
        {L + 220, T + 30, L + 230, T + 40, kChartBlack},
    }};
}
