#pragma once
// The biorhythm chart as pixels: where each sample, tick, dash and marker lands. The chart
// window only hands over its off-screen image (as a PixelCanvas), the day count and the
// button-face colour; everything it shows comes from here, so the drawing can be checked
// without a window.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>

// 0xAARRGGBB, the layout of a 32-bit RGB image row.
using Rgb = std::uint32_t;

inline constexpr Rgb kChartRed = 0xFFFF0000;
inline constexpr Rgb kChartGreen = 0xFF008000;
inline constexpr Rgb kChartBlue = 0xFF0000FF;
inline constexpr Rgb kChartBlack = 0xFF000000;

// Rows of 32-bit pixels someone else owns (an image's memory). Every operation clips to the
// canvas, so coordinates outside it are harmless. Lines and boxes follow the Windows drawing
// rules: a line includes its start and excludes its end point, a box excludes its right and
// bottom edges.
class PixelCanvas {
public:
    PixelCanvas(Rgb* bits, int width, int height, int stride) noexcept
        : bits_(bits), width_(width), height_(height), stride_(stride)
    {
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb Pixel(int x, int y) const { return bits_[static_cast<std::ptrdiff_t>(y) * stride_ + x]; }

    void SetPixel(int x, int y, Rgb colour)
    {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            bits_[static_cast<std::ptrdiff_t>(y) * stride_ + x] = colour;
    }
    void Fill(Rgb colour);
    void Line(int x0, int y0, int x1, int y1, Rgb colour);
    // An ellipse inscribed in the box (left, top)-(right, bottom), outlined in one colour and
    // filled with the other.
    void Ellipse(int left, int top, int right, int bottom, Rgb outline, Rgb fill);

private:
    Rgb* bits_;
    int width_;
    int height_;
    int stride_;
};

// The size of the chart image.
inline constexpr int kChartWidth = 476;
inline constexpr int kChartHeight = 126;
// Samples per day, and how many days either side of the chosen day the curves run.
inline constexpr int kSamplesPerDay = 20;
inline constexpr int kDaysEachSide = 17;

// The curves in drawing order.
enum class ChartCurve { Intellectual = 0, Physical = 1, Emotional = 2, Wellbeing = 3 };

// Days from the birth date to the chosen date, negative before the birth date.
std::int32_t ChartDayCount(std::chrono::year_month_day chosen, std::chrono::year_month_day birth);

// The curve's value at t days since birth (a fractional day is allowed), as the chart stores
// it: a double, not cut to hundredths. The wellbeing curve is the mean of the other three.
double ChartValue(ChartCurve curve, long double t);

// The background of a W x H chart: the face colour everywhere, the axis, the dashed line of
// the chosen day and the ticks.
void DrawChartFrame(PixelCanvas& canvas, int W, int H, Rgb face);

// One curve over the days D - 17 .. D + 17, then the three markers of the chosen day D.
// Every curve draws all three markers, so they stay on top of whatever curve comes later.
void DrawCurve(ChartCurve curve, PixelCanvas& canvas, int W, int H, std::int32_t D);

// The whole image: the frame and the four curves in their order.
void DrawChart(PixelCanvas& canvas, std::int32_t D, Rgb face);

// A legend swatch: the square (left, top)-(right, bottom), edges excluded.
struct LegendSwatch {
    int Left, Top, Right, Bottom;
    Rgb Colour;
};

// The four swatches beside the legend captions (intellectual, physical, emotional,
// wellbeing), placed from the legend box's left and top.
std::array<LegendSwatch, 4> LegendSwatchesAt(int boxLeft, int boxTop);
