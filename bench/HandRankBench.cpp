#include "cards/CardText.h"
#include "cards/HandRank.h"

#include <benchmark/benchmark.h>

using namespace tallyhand;

namespace {

const RankTables& tables()
{
    static const RankTables t = RankTables::fromLists(generateRankLists());
    return t;
}

// A hand without a pair: every category is counted.
HandRankInput noPairHand(int boardCards)
{
    const std::array<std::string_view, 7> texts{"AHerz", "KPik", "9Karo", "5Kreuz", "2Herz", "JKaro", "7Pik"};
    HandRankInput in;
    for (std::size_t i = 0; i < 2 + static_cast<std::size_t>(boardCards); ++i) {
        in.cards[i] = *parseCardText(texts[i]);
        in.filled[i] = true;
    }
    // Made-hand and kicker texts: the five highest cards.
    for (std::string_view t : {"AHerz", "KPik", "JKaro", "9Karo", "7Pik"})
        in.shown |= maskOf(*parseCardText(t));
    if (boardCards == 3)
        in.shown = maskOf(*parseCardText("AHerz")) | maskOf(*parseCardText("KPik")) | maskOf(*parseCardText("9Karo"))
            | maskOf(*parseCardText("5Kreuz")) | maskOf(*parseCardText("2Herz"));
    return in;
}

void rankHand(benchmark::State& state, int boardCards)
{
    const RankTables& t = tables();
    const HandRankInput in = noPairHand(boardCards);
    HandRankResult r;
    for (auto _ : state) {
        r = rankMadeHand(t, in);
        benchmark::DoNotOptimize(r);
    }
    state.SetLabel("rank " + r.rank + ", better " + r.betterTotal);
}

} // namespace

static void RankNoPairOnTheRiver(benchmark::State& state) { rankHand(state, 5); }
BENCHMARK(RankNoPairOnTheRiver)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void RankNoPairOnTheTurn(benchmark::State& state) { rankHand(state, 4); }
BENCHMARK(RankNoPairOnTheTurn)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void RankNoPairOnTheFlop(benchmark::State& state) { rankHand(state, 3); }
BENCHMARK(RankNoPairOnTheFlop)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The listing of a double click on the one-pair cell after the flop.
static void ListOnePairBetterOnTheFlop(benchmark::State& state)
{
    const HandRankInput in = noPairHand(3);
    for (auto _ : state) {
        auto lines = listBetterHands(tables(), in, ListId::OnePair);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(ListOnePairBetterOnTheFlop)->Unit(benchmark::kMillisecond);
