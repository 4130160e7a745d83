// The chart's pixels without a window: the drawing rules of the canvas, and what happens to the
// samples that fall just outside the image.
#include "chart/ChartGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr Rgb kFace = 0xFFD4D0C8;
constexpr Rgb kGuard = 0xFF123456;

// An image of its own memory, with guard pixels after the last row.
struct Image {
    Image(int width, int height) : width(width), height(height), bits(std::size_t(width) * (height + 1), kGuard)
    {
    }
    PixelCanvas Canvas() { return PixelCanvas(bits.data(), width, height, width); }
    Rgb At(int x, int y) const { return bits[std::size_t(y) * width + x]; }
    bool GuardIntact() const
    {
        for (std::size_t i = std::size_t(width) * height; i < bits.size(); ++i)
            if (bits[i] != kGuard)
                return false;
        return true;
    }

    int width, height;
    std::vector<Rgb> bits;
};

std::vector<std::pair<int, int>> PixelsOf(const Image& image, Rgb colour)
{
    std::vector<std::pair<int, int>> found;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y) == colour)
                found.emplace_back(x, y);
    return found;
}

TEST(ChartGeometryTest, LinesIncludeTheirStartAndStopBeforeTheirEnd)
{
    struct Row {
        const char* what;
        int x0, y0, x1, y1;
        std::vector<std::pair<int, int>> pixels;
    };
    const Row rows[] = {
        {"rightward", 1, 2, 5, 2, {{1, 2}, {2, 2}, {3, 2}, {4, 2}}},
        {"downward", 3, 0, 3, 3, {{3, 0}, {3, 1}, {3, 2}}},
        {"upward", 3, 3, 3, 0, {{3, 1}, {3, 2}, {3, 3}}},
        {"a line to its own start draws nothing", 4, 4, 4, 4, {}},
        {"clipped at the left edge", -2, 1, 2, 1, {{0, 1}, {1, 1}}},
    };
    for (const Row& row : rows) {
        Image image(8, 6);
        PixelCanvas canvas = image.Canvas();
        canvas.Fill(kFace);
        canvas.Line(row.x0, row.y0, row.x1, row.y1, kChartBlack);
        EXPECT_EQ(PixelsOf(image, kChartBlack), row.pixels) << row.what;
    }
}

TEST(ChartGeometryTest, AMarkerIsAFilledRoundDotInsideItsBox)
{
    Image image(12, 12);
    PixelCanvas canvas = image.Canvas();
    canvas.Fill(kFace);
    canvas.Ellipse(3, 3, 9, 9, kChartBlack, kChartGreen);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            if (x < 3 || x >= 9 || y < 3 || y >= 9) {
                EXPECT_EQ(image.At(x, y), kFace) << x << "," << y << " lies outside the box";
            }
        }
    }
    EXPECT_EQ(image.At(6, 6), kChartGreen) << "the centre is filled";
    EXPECT_EQ(image.At(3, 6), kChartBlack) << "the left edge is outlined";
    EXPECT_EQ(image.At(3, 3), kFace) << "the corners stay clear";
    EXPECT_EQ(image.At(8, 8), kFace);
}

// Emotional day 21 of its 28-day period is exactly its lowest point.
constexpr std::int32_t kEmotionalLowSeen = 26;

TEST(ChartGeometryTest, ASampleOfMinusOneLandsOnRowHJustBelowTheImage)
{
    ASSERT_EQ(ChartValue(ChartCurve::Emotional, 21), -1.0);
    // Drawn with the chart's size on a canvas one row and one column larger, the sample shows
    // where it lands: 5 days before the chosen day, on row H.
    Image larger(kChartWidth + 1, kChartHeight + 1);
    PixelCanvas canvas = larger.Canvas();
    canvas.Fill(kFace);
    DrawCurve(ChartCurve::Emotional, canvas, kChartWidth, kChartHeight, kEmotionalLowSeen);
    const int x = kChartWidth / 2 - 5 * (kChartWidth / 33);
    EXPECT_EQ(larger.At(x, kChartHeight), kChartBlue);
    // The last sample lands on column W.
    bool onColumnW = false;
    for (int y = 0; y <= kChartHeight; ++y)
        onColumnW = onColumnW || larger.At(kChartWidth, y) == kChartBlue;
    EXPECT_TRUE(onColumnW);
}

TEST(ChartGeometryTest, WhatFallsOutsideTheImageLeavesNoTraceInIt)
{
    for (const std::int32_t D : {kEmotionalLowSeen, 0, -56, 10000}) {
        SCOPED_TRACE(D);
        Image exact(kChartWidth, kChartHeight);
        PixelCanvas exactCanvas = exact.Canvas();
        DrawChart(exactCanvas, D, kFace);
        EXPECT_TRUE(exact.GuardIntact()) << "nothing is written past the last row";

        Image larger(kChartWidth + 1, kChartHeight + 1);
        PixelCanvas largerCanvas = larger.Canvas();
        DrawChartFrame(largerCanvas, kChartWidth, kChartHeight, kFace);
        for (ChartCurve curve :
             {ChartCurve::Intellectual, ChartCurve::Physical, ChartCurve::Emotional, ChartCurve::Wellbeing})
            DrawCurve(curve, largerCanvas, kChartWidth, kChartHeight, D);

        // A sample on column W must not come back on the next row's first column.
        int differences = 0;
        for (int y = 0; y < kChartHeight; ++y)
            for (int x = 0; x < kChartWidth; ++x)
                differences += exact.At(x, y) != larger.At(x, y);
        EXPECT_EQ(differences, 0);
    }
}

} // namespace
