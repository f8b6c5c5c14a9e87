#include "cards/Combinations.h"
#include "cards/RankTableFiles.h"
#include "cards/RankTables.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

using namespace tallyhand;
namespace fs = std::filesystem;

namespace {

fs::path benchDir(const std::string& name)
{
    return fs::temp_directory_path() / ("tallyhand-bench-" + std::to_string(std::random_device{}()) + "-" + name);
}

} // namespace

// A first start: every file missing, all nine lists generated, written and indexed.
static void GenerateAndWriteAllFiles(benchmark::State& state)
{
    const fs::path dir = benchDir("generate");
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(dir);
        state.ResumeTiming();
        RankTables t = loadOrGenerateRankTables(dir, {});
        benchmark::DoNotOptimize(t);
    }
    fs::remove_all(dir);
}
BENCHMARK(GenerateAndWriteAllFiles)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Generating and writing the nine files alone, without the index.
static void GenerateAndWriteListsOnly(benchmark::State& state)
{
    const fs::path dir = benchDir("write");
    fs::create_directories(dir);
    for (auto _ : state) {
        const RankLists lists = generateRankLists();
        benchmark::DoNotOptimize(writeRankListFiles(dir, lists, {}));
    }
    fs::remove_all(dir);
}
BENCHMARK(GenerateAndWriteListsOnly)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// A later start: all nine files read, parsed and indexed.
static void LoadAllFiles(benchmark::State& state)
{
    const fs::path dir = benchDir("load");
    RankTables first = loadOrGenerateRankTables(dir, {});
    state.counters["memory_MB"] = static_cast<double>(first.memoryBytes()) / 1e6;
    for (auto _ : state) {
        int messages = 0;
        RankTables t = loadOrGenerateRankTables(dir, [&](const std::string&) { ++messages; });
        if (messages != 0)
            state.SkipWithError("a file was regenerated");
        benchmark::DoNotOptimize(t);
    }
    fs::remove_all(dir);
}
BENCHMARK(LoadAllFiles)->Unit(benchmark::kMillisecond)->MinTime(3.0);

static void BuildPatternLists(benchmark::State& state)
{
    for (auto _ : state) {
        PatternLists p = buildPatternLists();
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BuildPatternLists)->Unit(benchmark::kMillisecond);
