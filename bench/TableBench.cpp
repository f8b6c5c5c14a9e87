// Whole seeded hands at the practice table, every program decision taken
// through the calculator's outs calculation.
#include "table/PracticeTable.h"

#include <benchmark/benchmark.h>

using namespace tallyhand;

namespace {

void TenSeatHand(benchmark::State& state)
{
    const PatternLists patterns = buildPatternLists();
    std::uint64_t seed = 1;
    PracticeTable table(patterns, seed);
    table.start(5, 10);
    std::int64_t hands = 0;
    for (auto _ : state) {
        // One hand: from its first action to the pot awarded.
        do {
            if (table.wait() == TableWait::GameOver)
                table.start(5, 10);
            table.step(table.wait() == TableWait::User ? std::optional<UserChoice>(UserChoice{Action::Call, 0})
                                                       : std::nullopt);
        } while (table.wait() != TableWait::HandOver && table.wait() != TableWait::GameOver);
        ++hands;
    }
    state.SetItemsProcessed(hands);
}
BENCHMARK(TenSeatHand)->Unit(benchmark::kMillisecond);

} // namespace
