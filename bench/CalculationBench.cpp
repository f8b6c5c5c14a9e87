#include "cards/RankTables.h"
#include "preflop/HandCalculation.h"

#include <benchmark/benchmark.h>

using namespace tallyhand;

namespace {

const PatternLists& patterns()
{
    static const PatternLists p = buildPatternLists();
    return p;
}

const RankTables& ranks()
{
    static const RankTables r = RankTables::fromLists(generateRankLists());
    return r;
}

CalcInput riverWithoutPair()
{
    CalcInput input;
    input.edits = {"AHerz", "KPik", "7Kreuz", "2Pik", "9Herz", "4Karo", "JKreuz"};
    input.pot = "100";
    return input;
}

CalcInput flopFlushDraw()
{
    CalcInput input;
    input.edits = {"AHerz", "KHerz", "7Herz", "2Herz", "9Pik", "", ""};
    input.pot = "100";
    return input;
}

// The worst case: a hand without a pair on the river, better hands counted over every list.
void BM_CalculateRiverNoPair(benchmark::State& state)
{
    const CalcTables tables{patterns(), ranks()};
    const CalcInput input = riverWithoutPair();
    for (auto _ : state)
        benchmark::DoNotOptimize(calculate(tables, input));
}
BENCHMARK(BM_CalculateRiverNoPair)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_OutsAndOddsRiverNoPair(benchmark::State& state)
{
    const CalcInput input = riverWithoutPair();
    for (auto _ : state)
        benchmark::DoNotOptimize(calculateOutsAndOdds(patterns(), input));
}
BENCHMARK(BM_OutsAndOddsRiverNoPair)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_CalculateFlopFlushDraw(benchmark::State& state)
{
    const CalcTables tables{patterns(), ranks()};
    const CalcInput input = flopFlushDraw();
    for (auto _ : state)
        benchmark::DoNotOptimize(calculate(tables, input));
}
BENCHMARK(BM_CalculateFlopFlushDraw)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_PreflopChartAndHutchinson(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(fillPreflopChart("AHerz", "KPik"));
        benchmark::DoNotOptimize(hutchinsonPoints("AHerz", "KPik"));
    }
}
BENCHMARK(BM_PreflopChartAndHutchinson)->Unit(benchmark::kMicrosecond);

} // namespace
