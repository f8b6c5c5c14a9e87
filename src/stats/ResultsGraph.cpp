#include "stats/ResultsGraph.h"

#include <array>

namespace tallyhand {

ResultsGraph buildResultsGraph(std::span<const GameResult> games, const ResultsFilter& filter, MoneyUnit unit,
                               bool inBigBlinds)
{
    ResultsGraph graph;
    graph.unit = unit;
    graph.inBigBlinds = inBigBlinds;
    double total = 0, nonShowdown = 0, showdown = 0;
    for (const GameResult& game : games) {
        if (game.unit != unit || !filter.accepts(game))
            continue;
        double net = static_cast<double>(game.net);
        if (inBigBlinds)
            net = game.bigBlind > 0 ? net / static_cast<double>(game.bigBlind) : 0.0;
        total += net;
        (game.showdown ? showdown : nonShowdown) += net;
        graph.games.push_back(game.game);
        graph.total.push_back(total);
        graph.nonShowdown.push_back(nonShowdown);
        graph.showdown.push_back(showdown);
    }
    return graph;
}

std::optional<MoneyUnit> mostPlayedUnit(std::span<const GameResult> games, const ResultsFilter& filter)
{
    std::array<std::int64_t, kMoneyUnitCount> counts{};
    for (const GameResult& game : games)
        if (filter.accepts(game))
            ++counts[static_cast<std::size_t>(game.unit)];
    std::optional<MoneyUnit> best;
    for (std::size_t u = 0; u < counts.size(); ++u)
        if (counts[u] > 0 && (!best || counts[u] > counts[static_cast<std::size_t>(*best)]))
            best = static_cast<MoneyUnit>(u);
    return best;
}

} // namespace tallyhand
