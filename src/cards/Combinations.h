#pragma once

#include "cards/Card.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tallyhand {

// The nine rank lists in file order: list i is written to "data/<i+1>_file.txt".
enum class ListId : int { Royal, Straightflush, Quads, FullHouse, Flush, Straight, SetTris, TwoPair, OnePair };
inline constexpr int kListCount = 9;

// One five-card holding with its rank number (1 = royal flush, larger = weaker).
struct RankLine {
    std::array<Card, 5> cards;
    std::uint16_t rank;
};
using RankList = std::vector<RankLine>;
using RankLists = std::array<RankList, kListCount>;

// One line of a pattern list: two to five cards in their written order.
struct PatternLine {
    CardMask mask;
    std::array<Card, 5> cards;
    std::uint8_t size;
};
using PatternList = std::vector<PatternLine>;

struct PatternLists {
    PatternList royal, straightflush, quads, fullhouse, flush, straight, trips, twopair, pair;
};

// The suit sets that drive the generators, suit numbers 1..4.
inline constexpr std::array<std::array<int, 3>, 4> kSuitTriples{{{1, 2, 3}, {1, 2, 4}, {1, 3, 4}, {2, 3, 4}}};
inline constexpr std::array<std::array<int, 2>, 6> kSuitPairs{{{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}};

// Every holding of one category, strongest first, with its rank number.
RankList generateRankList(ListId id);
RankLists generateRankLists();
// The pattern lists of the outs calculator.
PatternLists buildPatternLists();

// "<rank> <card>,<card>,..." as stored in the table files.
std::string rankLineText(const RankLine& line);
// The combination alone, "<card>,<card>,...".
std::string patternLineText(const PatternLine& line);

} // namespace tallyhand
