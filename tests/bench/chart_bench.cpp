// Drawing the chart's image: the frame, the four curves and their markers, as every repaint does.
#include "chart/ChartGeometry.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_DrawChartImage(benchmark::State& state)
{
    std::vector<Rgb> bits(std::size_t(kChartWidth) * kChartHeight);
    PixelCanvas canvas(bits.data(), kChartWidth, kChartHeight, kChartWidth);
    std::int32_t D = 10000;
    for (auto _ : state) {
        DrawChart(canvas, D++, 0xFFF0F0F0);
        benchmark::DoNotOptimize(bits.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawChartImage);

} // namespace
