// Choosing a tournament (its games read from the store, every view rebuilt)
// and replaying a game, over generated games gathered into one tournament of
// the benchmark's size.
#include "history/GameTableBuilder.h"
#include "history/HandHistoryGenerator.h"
#include "history/HandHistoryText.h"
#include "stats/BoardStatistics.h"
#include "stats/Replay.h"
#include "stats/TournamentStats.h"
#include "stats/WinLossStats.h"
#include "store/StoreViews.h"
#include "store/StoredResults.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <unistd.h>

using namespace tallyhand;

namespace {

// A store whose `games` games all belong to tournament 1.
struct BenchDatabase {
    std::filesystem::path file;
    std::unique_ptr<GameStore> store;

    explicit BenchDatabase(std::size_t games)
    {
        file = std::filesystem::temp_directory_path() /
               ("tallyhand-stats-bench-" + std::to_string(::getpid()) + "-" + std::to_string(games) + ".db");
        std::filesystem::remove(file);
        GameTableBuilder builder;
        generateHandHistories({games, 7, "Hero"}, [&](GeneratedFile&& f) {
            builder.addFile(f.name, splitLines(f.bytes), "Hero");
        });
        GameTables tables = builder.takeTables();
        for (Tcardcount& cards : tables.hole_cards)
            for (Tgame& g : cards.game_refs)
                g.tour_no = 1;
        for (TBoard& b : tables.boards)
            b.game.tour_no = 1;
        for (Tgame& g : tables.summaries)
            g.tour_no = 1;
        store = std::make_unique<GameStore>(file);
        Transaction adding(store->db());
        store->appendTables(tables);
        adding.commit();
        bringResultsUpToDate(*store, "Hero");
    }
    ~BenchDatabase()
    {
        store.reset();
        std::filesystem::remove(file);
        std::filesystem::remove(file.string() + "-wal");
        std::filesystem::remove(file.string() + "-shm");
    }
};

BenchDatabase& database(std::size_t games)
{
    static std::map<std::size_t, std::unique_ptr<BenchDatabase>> cache;
    auto& slot = cache[games];
    if (!slot)
        slot = std::make_unique<BenchDatabase>(games);
    return *slot;
}

// Everything lb_tourClick rebuilds, in its order, from reading the games on.
void BM_ChooseTournament(benchmark::State& state)
{
    BenchDatabase& d = database(static_cast<std::size_t>(state.range(0)));
    std::size_t listed = 0;
    for (auto _ : state) {
        const ChosenTournament chosen = chosenTournament(*d.store, 1, "Hero");
        const TournamentGames& read = chosen.games;
        const auto games = gamesOfTournament(chosen.index, 1);
        benchmark::DoNotOptimize(sklanskyPie(read, games));
        benchmark::DoNotOptimize(buildChipChart(read, games, ChipMode::Chipcount));
        benchmark::DoNotOptimize(buildHoleClassStats(read, games));
        benchmark::DoNotOptimize(buildWinLossStats(read, games, '.'));
        benchmark::DoNotOptimize(buildFlopStats(read.boards(), games));
        benchmark::DoNotOptimize(buildBoardStats(read.boards(), games));
        listed = games.size();
    }
    state.counters["games"] = static_cast<double>(listed);
}
BENCHMARK(BM_ChooseTournament)->Arg(200)->Arg(5000)->Unit(benchmark::kMillisecond);

// A replay's own work beside the calculator: its rows read, lookups, panes, shown-down cards.
void BM_ReplayGame(benchmark::State& state)
{
    BenchDatabase& d = database(5000);
    const std::vector<std::int64_t> games = d.store->gamesOfTournament(1);
    std::size_t next = 0;
    for (auto _ : state) {
        const std::int64_t game = games[next++ % games.size()];
        const GameTables tables = gameSlice(*d.store, game);
        benchmark::DoNotOptimize(replayFromGame(GameIndex(tables), game));
    }
}
BENCHMARK(BM_ReplayGame)->Unit(benchmark::kMicrosecond);

} // namespace
