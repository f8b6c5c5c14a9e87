#pragma once

#include "cards/RankTables.h"
#include "preflop/RandomSource.h"

#include <array>
#include <string>
#include <vector>

namespace tallyhand {

// Button83Click ("Berechne"): deals `deals` random boards to the hands of the
// shown-down rows of lb_hc and returns the lines of lb_wahrs: each player's
// winning percentage in row order, then the percentage of undecided or shared
// boards, shortest decimal form with the given separator.
std::vector<std::string> calculateShowdown(const RankTables& tables, const std::vector<std::string>& rows,
                                           const UniformBelow& below, char decimalSeparator, int deals = 1000);

// The seven cards of one player in one deal (hole cards that are no card text
// left out) and the outcome of deciding a deal; exposed for testing.
struct ShowdownDeal {
    std::vector<std::vector<Card>> hands;     // per player: valid hole cards, then the board
    std::vector<std::array<int, 2>> holeRanks; // per player: rank of each hole card, 0 when none
};
// Per player score (0 = not winning) after the category steps.
std::vector<int> scoreShowdownDeal(const RankTables& tables, const ShowdownDeal& deal);
// -1 for an undecided or shared deal, else the winner.
int showdownWinner(const std::vector<int>& scores);

} // namespace tallyhand
