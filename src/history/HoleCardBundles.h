#pragma once

#include "history/Records.h"

#include <string>
#include <vector>

namespace tallyhand {

// Groups the exact pairs into starting-hand classes (two ranks, suited or
// not) with summed counts; card1/card2 of a class are those of its first member.
ACardcount bundleHoleCards(const ACardcount& holeCards);

// One row of the hole-card class list: "A K s 12", "Q Q   7".
std::string bundleRow(char rank1, char rank2, bool suited, std::int32_t count);

// Rows by count: from the largest count down to 1, each count's classes in table order.
std::vector<std::string> listBundlesByCount(const ACardcount& bundles);
// Rows by rank: AA, AK ... A2, KK ... 22, each pair's classes in table order.
std::vector<std::string> listBundlesByRank(const ACardcount& bundles);

// The games of the class a list row names, for the game list and its tool tips.
struct ClassGames {
    std::vector<std::string> rows;  // "Ah Kh game#<no> tourney#<no>"
    std::vector<std::string> hints; // "Table: <name> Type: <header>"
};
ClassGames gamesOfClass(const ACardcount& holeCards, const std::string& classRow);
// The game list row of one game of those cards.
std::string classGameRow(const Tcardcount& cards, const Tgame& game);

} // namespace tallyhand
