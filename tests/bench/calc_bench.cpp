// One whole calculation, and decoding a 1 MB data file against plainly copying the same file.
#include "calc/Biorhythm.h"
#include "calc/BodyMetrics.h"
#include "calc/Diagnosis.h"
#include "data/LineCipher.h"
#include "platform/FileIo.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

void BM_WholeCalculation(benchmark::State& state)
{
    ProfileRecord p;
    p.Year = 1977;
    p.Month = 7;
    p.Day = 23;
    p.Height = 180;
    p.Weight = 80;
    p.Sex = 'M';
    p.Name.Assign("Иван");
    CalcState s;
    s.DaysLived = 10000;
    for (auto _ : state) {
        ComputeBiorhythms(s.DaysLived, s);
        const BodyMetrics m = ComputeBodyMetrics(p, s.DaysLived);
        auto lines = ResultLines(p, s, m, ",");
        ComposeDiagnosis(p, s, m, ",");
        benchmark::DoNotOptimize(lines);
        benchmark::DoNotOptimize(s.DiagnosisText);
    }
}
BENCHMARK(BM_WholeCalculation);

const std::string kKey = "Wimbervex";

struct Files {
    std::filesystem::path folder, scrambled, plain;
    std::size_t bytes = 0;
    Files()
    {
        folder = std::filesystem::temp_directory_path() / ("ortavi-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        scrambled = folder / "Oven.dat";
        plain = folder / "plain.txt";
        // Lines of Cyrillic text, 60 to 120 bytes, like the sign files.
        std::string data;
        for (int i = 0; data.size() < 1024 * 1024; ++i) {
            std::string line(60 + i % 61, static_cast<char>(0xC0 + i % 64));
            ScrambleLine(line, kKey);
            data += line + "\r\n";
        }
        File f = File::CreateWrite(scrambled);
        f.Write(data);
        f.Close();
        bytes = data.size();
    }
    ~Files() { std::filesystem::remove_all(folder); }
};

Files& TheFiles()
{
    static Files files;
    return files;
}

void BM_DecodeFile1MB(benchmark::State& state)
{
    Files& f = TheFiles();
    for (auto _ : state)
        DecodeLines(f.scrambled, f.plain, kKey);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes));
}
BENCHMARK(BM_DecodeFile1MB)->Unit(benchmark::kMillisecond);

void BM_PlainCopy1MB(benchmark::State& state)
{
    Files& f = TheFiles();
    std::string buffer(64 * 1024, '\0');
    for (auto _ : state) {
        File in = File::OpenRead(f.scrambled);
        File out = File::CreateWrite(f.plain);
        for (std::size_t n; (n = in.Read(buffer.data(), buffer.size())) != 0;)
            out.Write(std::string_view(buffer.data(), n));
        in.Close();
        out.Close();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes));
}
BENCHMARK(BM_PlainCopy1MB)->Unit(benchmark::kMillisecond);

} // namespace
