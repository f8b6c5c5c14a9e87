#pragma once

#include <cstdint>

namespace tallyhand {

// The strength of a best five-card hand: a larger value is a better hand, equal
// values split. The top four bits hold the class (0 high card .. 9 royal flush),
// the rest the order within the class.
using HandValue = std::uint16_t;

enum HandClass : int {
    kHighCard = 0,
    kOnePair,
    kTwoPair,
    kTrips,
    kStraight,
    kFlush,
    kFullHouse,
    kQuads,
    kStraightFlush,
    kRoyalFlush,
};
inline constexpr int kHandClassCount = 10;
inline constexpr int kHandValueClassShift = 12;

constexpr int handClassOf(HandValue v) { return v >> kHandValueClassShift; }

// Grid column of a class: 1 royal flush .. 10 high card.
constexpr int categoryOfClass(int handClass) { return kHandClassCount - handClass; }
constexpr int categoryOf(HandValue v) { return categoryOfClass(handClassOf(v)); }

} // namespace tallyhand
