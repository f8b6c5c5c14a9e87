#pragma once

#include "history/GameResult.h"
#include "stats/HomeResults.h"
#include "stats/ResultsReport.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tallyhand::cli {

// count / base rounded half away from zero to two decimals, exactly; "null"
// for a zero base.
std::string hundredthsText(std::int64_t count, std::int64_t base);
// A computed figure rounded half away from zero to two decimals; "null" when empty.
std::string twoDecimalsText(std::optional<double> value);

// The results as one JSON object: totals keyed by unit, by_position,
// by_stakes, sessions, tournaments, tournament_totals, unreadable; with
// `games` also one object per game.
std::string resultsJson(const ResultsReport& report, const HomeResults& home, std::span<const GameResult> games,
                        bool withGames);

} // namespace tallyhand::cli
