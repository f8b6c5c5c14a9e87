// The result views over a million games: what the page and the results
// command do after a filter change, and what reading one game's result adds
// to an import.
#include "history/GameResultReader.h"
#include "history/HandHistoryGenerator.h"
#include "history/HandHistoryText.h"
#include "stats/ResultsGraph.h"
#include "stats/ResultsReport.h"

#include <benchmark/benchmark.h>

using namespace tallyhand;

namespace {

struct GeneratedGames {
    std::vector<std::string> files;
    std::vector<std::vector<std::string_view>> games; // header line first

    GeneratedGames()
    {
        generateHandHistories({20000, 7, "Hero"}, [&](GeneratedFile&& f) { files.push_back(std::move(f.bytes)); });
        for (const std::string& bytes : files) {
            const std::vector<std::string_view> lines = splitLines(bytes);
            for (std::string_view line : lines) {
                if (isHeaderLine(line))
                    games.emplace_back();
                if (!games.empty())
                    games.back().push_back(line);
            }
        }
    }
};

const GeneratedGames& generated()
{
    static const GeneratedGames games;
    return games;
}

// A million results: the generated games read once, then repeated a day
// later each time under new game numbers.
const std::vector<GameResult>& millionResults()
{
    static const std::vector<GameResult> results = [] {
        std::vector<GameResult> base;
        for (const auto& lines : generated().games) {
            const GameResultRead read = readGameResult(lines, "Hero");
            if (read.status == GameResultRead::Status::Ok)
                base.push_back(read.result);
        }
        orderResults(base);
        std::vector<GameResult> all;
        all.reserve(1000000);
        for (std::int64_t round = 0; all.size() < 1000000; ++round)
            for (GameResult g : base) {
                if (all.size() == 1000000)
                    break;
                g.game += round * 1000000000;
                g.time += round * 40 * 86400;
                all.push_back(g);
            }
        return all;
    }();
    return results;
}

void BM_ReadGameResult(benchmark::State& state)
{
    const auto& games = generated().games;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readGameResult(games[i], "Hero"));
        i = (i + 1) % games.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadGameResult);

void BM_ResultsReportMillion(benchmark::State& state)
{
    const auto& games = millionResults();
    ResultsFilter filter;
    if (state.range(0) == 1) {
        filter.kind = ResultsFilter::Kind::Cash;
        filter.position = Position::BTN;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(buildResultsReport(games, filter));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(games.size()));
}
BENCHMARK(BM_ResultsReportMillion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ResultsGraphMillion(benchmark::State& state)
{
    const auto& games = millionResults();
    const MoneyUnit unit = *mostPlayedUnit(games, {});
    for (auto _ : state)
        benchmark::DoNotOptimize(buildResultsGraph(games, {}, unit, state.range(0) == 1));
}
BENCHMARK(BM_ResultsGraphMillion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_OrderResultsMillion(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<GameResult> games = millionResults();
        std::reverse(games.begin(), games.end());
        state.ResumeTiming();
        orderResults(games);
    }
}
BENCHMARK(BM_OrderResultsMillion)->Unit(benchmark::kMillisecond);

} // namespace
