// The name-day library over a whole year of names: decoding names.dat and the three lookups,
// each of which reads the plain copy afresh.
extern "C" {
#include "kvl/KVL.h"
}

#include "bench/NameDaysData.h"
#include "platform/text/Cp1251.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

void BM_Init(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(KVL_Init("names.dat"));
}
BENCHMARK(BM_Init)->Unit(benchmark::kMicrosecond);

// 17 January has the most names; 31 December is the last line, so every line is compared.
void BM_DayToNames(benchmark::State& state)
{
    KVL_NameArray names;
    const auto day = static_cast<unsigned char>(state.range(0));
    const auto month = static_cast<unsigned char>(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(KVL_DayToNames(day, month, names));
    if (names[0] == nullptr)
        state.SkipWithError("no names found");
}
BENCHMARK(BM_DayToNames)->Args({17, 1})->Args({31, 12})->Unit(benchmark::kMicrosecond);

void BM_NameToDays(benchmark::State& state)
{
    KVL_DateArray dates;
    const std::string name = Utf8ToCp1251(state.range(0) == 0 ? "Николай" : "Ан");
    for (auto _ : state)
        benchmark::DoNotOptimize(KVL_NameToDays(name.c_str(), dates));
}
BENCHMARK(BM_NameToDays)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ListNames(benchmark::State& state)
{
    KVL_NameArray names;
    for (auto _ : state)
        benchmark::DoNotOptimize(KVL_ListNames(names));
}
BENCHMARK(BM_ListNames)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const auto folder = std::filesystem::temp_directory_path() / ("ortavi-kvl-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    std::printf("names.dat from %s\n", namedays_bench::WriteNamesDat(folder).c_str());
    int status = 0;
    if (KVL_Init("names.dat") != 1) {
        std::fprintf(stderr, "the library did not decode names.dat\n");
        status = 1;
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    KVL_Done();
    std::filesystem::current_path(folder.parent_path());
    std::filesystem::remove_all(folder);
    benchmark::Shutdown();
    return status;
}
