#pragma once

#include "cards/RankTables.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tallyhand {

// What the rank and better-hands step reads from one calculation.
struct HandRankInput {
    // The seven edits hole1..river: the card each holds (nullopt when empty or
    // not a card text), and whether the edit counts as filled.
    std::array<std::optional<Card>, 7> cards{};
    std::array<bool, 7> filled{};
    int madeCategory = 0;        // 0 high card, 1 one pair ... 9 royal flush
    CardMask shown = 0;          // cards that occur in the made-hand or kicker text
    std::string previousRank = "-1"; // inp_kartenrang before this step
};

struct HandRankResult {
    std::string rank;                  // inp_kartenrang
    std::array<std::string, 9> better; // Edit12..Edit20, royal flush first
    std::string betterTotal;           // inp_co
    std::string split;                 // inp_split
};

HandRankResult rankMadeHand(const RankTables& tables, const HandRankInput& input);
// Lines ("<rank> <combination>") of `category` that an opponent can still hold
// and that beat the rank rankMadeHand shows for the same input, in list order (Memo2).
std::vector<std::string> listBetterHands(const RankTables& tables, const HandRankInput& input, ListId category);

} // namespace tallyhand
