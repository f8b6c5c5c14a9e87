#pragma once

#include "cards/Card.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallyhand {

// The 169 starting-hand classes as a 13 x 13 grid, ace first: row and column
// 0 are the ace, 12 the deuce. Pairs on the diagonal, suited hands above it
// (row < column), offsuit hands below it. Index = 13 * row + column.
inline constexpr int kStartingClassCount = 169;
inline constexpr int kComboCount = 1326;

int startingClassOf(Card a, Card b);
// "AA", "AKs", "AKo".
std::string startingClassName(int startingClass);
// 6 for a pair, 4 suited, 12 offsuit.
int startingClassCombos(int startingClass);
// Every two-card combination of a class, cards highest first.
std::vector<std::array<Card, 2>> startingClassHands(int startingClass);

// Weights are whole hundredths: 100 is a full combination, 50 one half.
inline constexpr std::uint32_t kFullWeight = 100;

struct WeightedHand {
    std::array<Card, 2> cards{}; // higher card first
    std::uint32_t weight = kFullWeight;
};

// A set of two-card hands, each at most once, in ascending order of cards.
struct HandRange {
    std::vector<WeightedHand> hands;
    bool single = false; // written as one known hand such as "AhKd"

    bool empty() const { return hands.empty(); }
    CardMask cards() const; // every card some hand of the range uses
};

struct RangeParse {
    HandRange range;
    std::string error; // German, names the part that could not be read
    bool ok() const { return error.empty(); }
};

// A comma list of parts, each optionally followed by ":weight" (0 < weight
// <= 1, at most two decimals). Parts: a hand "AhKd", a class "AKs", "AKo",
// "AK" (both), "QQ"; plus forms "QQ+", "ATs+", "KTo+", "AT+"; dashes
// "76s-54s", "A5s-A2s", "99-66"; "random"; a top share "15%" by the fixed
// class order. A hand named twice keeps the later weight.
RangeParse parseRange(std::string_view text);

// A known hand in any card notation ("AhKd", "Ah Kd", "AHerz,KPik") or else a
// range as parseRange reads it.
RangeParse parseHandOrRange(std::string_view text);

// The classes some hand of the range belongs to, ascending.
std::vector<int> classesOf(const HandRange& range);
// The classes as a comma list of their names ("AA,AKs,AKo").
std::string classListText(const std::vector<int>& classes);

// The range without every hand that uses one of `known`.
HandRange withoutCards(const HandRange& range, CardMask known);

// Classes strongest first, by exact equity against one random hand.
const std::array<std::uint8_t, kStartingClassCount>& startingClassOrder();
// The classes of the first `percent` of all combinations in that order: classes
// are taken until their combinations reach the share.
std::vector<int> topClasses(double percent);

} // namespace tallyhand
