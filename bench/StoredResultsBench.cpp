// Stored results: what computing them adds to an import, and reading them
// back for the result views. Reads TALLYHAND_BENCH_STORE (an imported
// tallyhand.db, such as one of a million games) when set, else a store of
// 20,000 generated games made here.
#include "history/HandHistoryGenerator.h"
#include "stats/HomeResults.h"
#include "stats/ResultsReport.h"
#include "store/GameStore.h"
#include "store/StoreImport.h"
#include "store/StoredResults.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <unistd.h>

using namespace tallyhand;

namespace {

struct BenchStore {
    std::filesystem::path dir;
    std::filesystem::path file;

    BenchStore()
    {
        if (const char* env = std::getenv("TALLYHAND_BENCH_STORE")) {
            file = env;
            return;
        }
        dir = std::filesystem::temp_directory_path() / ("tallyhand-results-bench-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "Hands");
        generateHandHistories({20000, 7, "Hero"}, [&](GeneratedFile&& f) {
            std::ofstream(dir / "Hands" / f.name, std::ios::binary) << f.bytes;
        });
        file = dir / "t.db";
        GameStore store(file);
        StoreImport(store, {{"Hands", dir / "Hands"}}, "Hero").run();
    }
    ~BenchStore()
    {
        if (!dir.empty())
            std::filesystem::remove_all(dir);
    }
};

const BenchStore& benchStore()
{
    static const BenchStore store;
    return store;
}

// Every game's result looked up, computed and written again, as filling an
// older database does (and an import for a game it meets again); rolled back
// each round. A game new to the store costs less: it is read from the file.
void BM_StoreResultsOfEveryGame(benchmark::State& state)
{
    GameStore store(benchStore().file);
    std::vector<std::int64_t> games;
    {
        Statement rows(store.db(), "SELECT game_no FROM game_results");
        while (rows.step())
            games.push_back(rows.int64(0));
    }
    for (auto _ : state) {
        Transaction round(store.db()); // never committed
        ResultsTally tally;
        storeResultsOf(store, games, "Hero", "bench", tally);
        benchmark::DoNotOptimize(tally.unbalanced);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(games.size()));
}
BENCHMARK(BM_StoreResultsOfEveryGame)->Unit(benchmark::kMillisecond);

// What the results command and page read: every stored result in game order.
void BM_ResultsOfStore(benchmark::State& state)
{
    GameStore store(benchStore().file);
    std::size_t games = 0;
    for (auto _ : state) {
        const HomeResults results = resultsOfStore(store);
        games = results.games.size();
        benchmark::DoNotOptimize(results.games.data());
    }
    state.counters["games"] = static_cast<double>(games);
}
BENCHMARK(BM_ResultsOfStore)->Unit(benchmark::kMillisecond);

// Read and reported, unfiltered (0) and with a filter (1).
void BM_ResultsOfStoreReported(benchmark::State& state)
{
    GameStore store(benchStore().file);
    ResultsFilter filter;
    if (state.range(0) == 1) {
        filter.kind = ResultsFilter::Kind::Cash;
        filter.position = Position::BTN;
    }
    for (auto _ : state) {
        const HomeResults results = resultsOfStore(store);
        benchmark::DoNotOptimize(buildResultsReport(results.games, filter));
    }
}
BENCHMARK(BM_ResultsOfStoreReported)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
