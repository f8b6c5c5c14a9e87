#include "cards/CardText.h"
#include "preflop/FastRandom.h"
#include "preflop/HandEvaluator.h"
#include "preflop/Simulation.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace tallyhand;

namespace {

Card card(const char* text) { return *parseHistoryCard(text); }

SimulationSetup players(int n)
{
    static const char* holes[10][2] = {{"Ah", "Kd"}, {"Qs", "Qc"}, {"Jh", "Th"}, {"9c", "8c"}, {"7d", "7s"},
                                       {"As", "2s"}, {"Kh", "Qh"}, {"5c", "4d"}, {"Td", "9d"}, {"6h", "3s"}};
    SimulationSetup setup;
    for (int p = 0; p < n; ++p)
        setup.hands.push_back({card(holes[p][0]), card(holes[p][1])});
    return setup;
}

// 1,000,000 random whole boards; arguments: players, threads.
void RandomDeals(benchmark::State& state)
{
    const SimulationSetup setup = players(static_cast<int>(state.range(0)));
    SimulationOptions options;
    options.deals = 1000000;
    options.threads = static_cast<unsigned>(state.range(1));
    std::uint64_t seed = 1;
    for (auto _ : state) {
        options.seed = seed++;
        benchmark::DoNotOptimize(runSimulation(setup, options));
    }
    state.counters["deals/s"] = benchmark::Counter(1e6, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(RandomDeals)->Args({2, 1})->Args({10, 1})->Args({2, 2})->Args({10, 2})->Unit(benchmark::kMillisecond)->UseRealTime();

// Random seven-card hands, one thread.
void EvaluateRandomHands(benchmark::State& state)
{
    const HandEvaluator& evaluator = HandEvaluator::instance();
    constexpr std::size_t kHands = 1 << 16;
    std::vector<EvalHand> hands(kHands);
    FastRandom random(42);
    for (auto& hand : hands) {
        CardMask used = 0;
        hand = EvalHand{};
        for (int i = 0; i < 7;) {
            const auto c = static_cast<Card>(random.below(kCardCount));
            if (contains(used, c))
                continue;
            used |= maskOf(c);
            hand += evaluator.card(c);
            ++i;
        }
    }
    std::uint32_t sum = 0;
    for (auto _ : state) {
        // Unrolled, so that the loop's own counting weighs little beside the evaluations.
#pragma GCC unroll 8
        for (const auto& hand : hands)
            sum += evaluator.evaluate(hand);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kHands));
}
BENCHMARK(EvaluateRandomHands);

// Every board for two hands before the flop (1,712,304 boards); argument: threads.
void ExactPreflop(benchmark::State& state)
{
    SimulationSetup setup;
    setup.hands = {{card("Jc"), card("5c")}, {card("Qd"), card("Td")}};
    SimulationOptions options;
    options.exact = true;
    options.threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(runSimulation(setup, options));
}
BENCHMARK(ExactPreflop)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every board for ten hands before the flop: an exact run with much work.
void ExactPreflopTenHands(benchmark::State& state)
{
    const SimulationSetup setup = players(10);
    SimulationOptions options;
    options.exact = true;
    options.threads = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(runSimulation(setup, options));
}
BENCHMARK(ExactPreflopTenHands)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every turn and river for 3, 6 or 10 hands with the flop given.
void ExactWithFlop(benchmark::State& state)
{
    const char* holes[10][2] = {{"Ah", "Kh"}, {"Qs", "Qd"}, {"9c", "8c"}, {"7d", "7s"}, {"Jh", "Tc"},
                                {"5h", "4h"}, {"As", "2d"}, {"Kc", "Js"}, {"6c", "6d"}, {"3s", "3c"}};
    SimulationSetup setup;
    for (int p = 0; p < state.range(0); ++p)
        setup.hands.push_back({card(holes[p][0]), card(holes[p][1])});
    setup.board = {card("Th"), card("9h"), card("2s")};
    SimulationOptions options;
    options.exact = true;
    options.threads = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(runSimulation(setup, options));
}
BENCHMARK(ExactWithFlop)->Arg(3)->Arg(6)->Arg(10)->Unit(benchmark::kMicrosecond)->UseRealTime();

void EvaluatorTableMemory(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(&HandEvaluator::instance());
    state.counters["table_bytes"] = static_cast<double>(HandEvaluator::instance().tableBytes());
}
BENCHMARK(EvaluatorTableMemory)->Iterations(1);

} // namespace
