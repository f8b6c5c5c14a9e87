#pragma once

#include "history/GameResult.h"
#include "stats/ResultsFilter.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tallyhand {

// Cumulative net after each game of one unit: in total, over the games
// without a showdown and over those with one.
struct ResultsGraph {
    MoneyUnit unit = MoneyUnit::USD;
    bool inBigBlinds = false;
    std::vector<std::int64_t> games; // game number of each point
    std::vector<double> total;       // cents or chips, or big blinds
    std::vector<double> nonShowdown;
    std::vector<double> showdown;
};

// The graph over the games the filter lets through and of `unit`; amounts in
// the unit's money or in big blinds.
ResultsGraph buildResultsGraph(std::span<const GameResult> games, const ResultsFilter& filter, MoneyUnit unit,
                               bool inBigBlinds);

// The unit of the most games the filter lets through; ties go to the first unit.
std::optional<MoneyUnit> mostPlayedUnit(std::span<const GameResult> games, const ResultsFilter& filter);

} // namespace tallyhand
