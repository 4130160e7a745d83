// Opening the name-day window over a whole year of names: decoding names.dat, the greeting,
// the names of today and every name into three lists; and closing it, which drops the copy.
#include "nameday/NameDayForm.h"

#include "bench/NameDaysData.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

void BM_OpenNameDayWindow(benchmark::State& state)
{
    for (auto _ : state) {
        TNameDay window;
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_OpenNameDayWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    const auto folder =
        std::filesystem::temp_directory_path() / ("ortavi-nameday-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    std::printf("names.dat from %s\n", namedays_bench::WriteNamesDat(folder).c_str());
    benchmark::RunSpecifiedBenchmarks();
    std::filesystem::current_path(folder.parent_path());
    std::filesystem::remove_all(folder);
    benchmark::Shutdown();
    return 0;
}
