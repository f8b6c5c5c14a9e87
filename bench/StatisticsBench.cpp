// Choosing a tournament (every view rebuilt) and replaying a game, over
// generated games gathered into one tournament of the benchmark's size.
#include "history/DatabaseStartup.h"
#include "history/HandHistoryGenerator.h"
#include "stats/BoardStatistics.h"
#include "stats/Replay.h"
#include "stats/TournamentStats.h"
#include "stats/WinLossStats.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <map>
#include <memory>
#include <unistd.h>

using namespace tallyhand;

namespace {

// A database whose first `games` games all belong to tournament 1.
struct BenchDatabase {
    GameDatabase db;
    GameIndex index;

    explicit BenchDatabase(std::size_t games)
    {
        const auto home = std::filesystem::temp_directory_path() /
                          ("tallyhand-stats-bench-" + std::to_string(::getpid()) + "-" + std::to_string(games));
        std::filesystem::create_directories(home / "Hands");
        generateHandHistories({games, 7, "Hero"}, [&](GeneratedFile&& file) {
            std::ofstream(home / "Hands" / file.name, std::ios::binary) << file.bytes;
        });
        std::ofstream(home / "Tallyhand.ini", std::ios::binary) << "[USER]\r\nusername=Hero\r\n";
        SilentStartupView view;
        DatabaseStartup startup(HomeFolders{home}, view);
        startup.run();
        db = std::move(startup.database());
        std::filesystem::remove_all(home);
        for (Tcardcount& cards : db.tables.hole_cards)
            for (Tgame& g : cards.game_refs)
                g.tour_no = 1;
        for (TBoard& b : db.tables.boards)
            b.game.tour_no = 1;
        for (Tgame& g : db.tables.summaries)
            g.tour_no = 1;
        db.tournaments = buildTournamentIndex(db.tables.hole_cards);
        index = GameIndex(db.tables);
    }
};

const BenchDatabase& database(std::size_t games)
{
    static std::map<std::size_t, std::unique_ptr<BenchDatabase>> cache;
    auto& slot = cache[games];
    if (!slot)
        slot = std::make_unique<BenchDatabase>(games);
    return *slot;
}

// Everything lb_tourClick rebuilds, in its order.
void BM_ChooseTournament(benchmark::State& state)
{
    const BenchDatabase& d = database(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const auto games = gamesOfTournament(d.db.tournaments, 1);
        benchmark::DoNotOptimize(sklanskyPie(d.index, games));
        benchmark::DoNotOptimize(buildChipChart(d.index, games, "Hero", ChipMode::Chipcount));
        benchmark::DoNotOptimize(buildHoleClassStats(d.index, games));
        benchmark::DoNotOptimize(buildWinLossStats(d.index, games, "Hero", '.'));
        benchmark::DoNotOptimize(buildFlopStats(d.db.tables.boards, games));
        benchmark::DoNotOptimize(buildBoardStats(d.db.tables.boards, games));
    }
    state.counters["games"] = static_cast<double>(gamesOfTournament(d.db.tournaments, 1).size());
}
BENCHMARK(BM_ChooseTournament)->Arg(200)->Arg(5000)->Unit(benchmark::kMillisecond);

// A replay's own work beside the calculator: lookups, panes, shown-down cards.
void BM_ReplayGame(benchmark::State& state)
{
    const BenchDatabase& d = database(5000);
    const auto games = gamesOfTournament(d.db.tournaments, 1);
    std::size_t next = 0;
    for (auto _ : state) {
        const auto game = gameOfRow(games[next++ % games.size()]);
        benchmark::DoNotOptimize(replayFromGame(d.index, *game));
    }
}
BENCHMARK(BM_ReplayGame)->Unit(benchmark::kMicrosecond);

} // namespace
