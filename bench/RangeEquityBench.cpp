#include "cards/CardList.h"
#include "preflop/RangeEquity.h"

#include <benchmark/benchmark.h>

using namespace tallyhand;

namespace {

RangeSetup setupOf(std::initializer_list<const char*> players, const char* board = "")
{
    RangeSetup setup;
    for (const char* p : players)
        setup.players.push_back(parseHandOrRange(p).range);
    setup.board = *parseCardList(board);
    return setup;
}

// One run of the setup; argument: threads. Exact unless `deals` is given.
void run(benchmark::State& state, const RangeSetup& setup, std::uint64_t deals = 0)
{
    RangeEquityOptions options;
    options.threads = static_cast<unsigned>(state.range(0));
    options.forceExact = deals == 0;
    options.deals = deals;
    options.exactSeconds = deals == 0 ? 1e9 : 0;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        options.seed = seed++;
        benchmark::DoNotOptimize(runRangeEquity(setup, options));
    }
}

void HandVsRangePreflop(benchmark::State& state) { run(state, setupOf({"AsKs", "QQ+,AKo"})); }
BENCHMARK(HandVsRangePreflop)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void RangeVsRangePreflop(benchmark::State& state)
{
    run(state, setupOf({"22+,A2s+,KTs+,QTs+,JTs,ATo+,KQo", "QQ+,AK"}));
}
BENCHMARK(RangeVsRangePreflop)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void ThreeRangesWithFlop(benchmark::State& state)
{
    run(state, setupOf({"JJ+,AK", "TT-77,AQs,KQs", "QJs,JTs,T9s,98s"}, "Kh8d3c"));
}
BENCHMARK(ThreeRangesWithFlop)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Random deals: 1,000,000 for six players with ranges before the flop.
void SixRangesPreflopRandom(benchmark::State& state)
{
    run(state, setupOf({"QQ+,AK", "22+,AT+", "random", "JJ-88,AQs", "KQ,QJ,JT", "random"}), 1000000);
    state.counters["deals/s"] = benchmark::Counter(1e6, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(SixRangesPreflopRandom)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Ten known hands with the flop given, counted through the range engine.
void TenPlayersWithFlop(benchmark::State& state)
{
    run(state, setupOf({"AhKh", "QsQd", "9c8c", "7d7s", "JhTc", "5h4h", "As2d", "KcJs", "6c6d", "3s3c"}, "Th9h2s"));
}
BENCHMARK(TenPlayersWithFlop)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
