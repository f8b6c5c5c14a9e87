#pragma once

#include <bit>
#include <cassert>
#include <cstdint>

namespace tallyhand {

// A card is 4 * (rank - 2) + (suit - 1): rank 2..14 (ace 14), suit 1..4 in the
// order Herz, Kreuz, Pik, Karo. A set of cards is a 64-bit mask, bit = card.
using Card = std::uint8_t;
using CardMask = std::uint64_t;

inline constexpr int kCardCount = 52;
inline constexpr int kMinRank = 2;
inline constexpr int kMaxRank = 14;
inline constexpr CardMask kFullDeck = (CardMask{1} << kCardCount) - 1;

constexpr Card makeCard(int rank, int suit)
{
    assert(rank >= kMinRank && rank <= kMaxRank && suit >= 1 && suit <= 4);
    return static_cast<Card>(4 * (rank - 2) + (suit - 1));
}
constexpr int rankOf(Card c) { return c / 4 + 2; }
constexpr int suitOf(Card c) { return c % 4 + 1; }
constexpr CardMask maskOf(Card c) { return CardMask{1} << c; }
constexpr int cardCount(CardMask m) { return std::popcount(m); }
constexpr bool contains(CardMask m, Card c) { return (m & maskOf(c)) != 0; }

} // namespace tallyhand
