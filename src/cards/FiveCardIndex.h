#pragma once

#include "cards/Card.h"

#include <array>
#include <cstdint>

namespace tallyhand {

// Combinatorial (colex) number of a five-card set: the cards c0 < ... < c4
// give sum C(ci, i + 1), a dense index 0 .. C(52, 5) - 1.
inline constexpr std::uint32_t kFiveCardSets = 2598960;

struct Binomials {
    std::array<std::array<std::uint32_t, 6>, kCardCount + 1> c{};
    constexpr Binomials()
    {
        for (int n = 0; n <= kCardCount; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= 5; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
    constexpr std::uint32_t operator()(int n, int k) const { return c[n][k]; }
};
inline constexpr Binomials kBinomial{};

// Index of a mask holding exactly five cards.
constexpr std::uint32_t fiveCardIndex(CardMask fiveCards)
{
    std::uint32_t index = 0;
    for (int k = 1; k <= 5; ++k) {
        const int c = std::countr_zero(fiveCards);
        index += kBinomial(c, k);
        fiveCards &= fiveCards - 1;
    }
    return index;
}

constexpr CardMask maskOfCards(const std::array<Card, 5>& cards)
{
    CardMask m = 0;
    for (Card c : cards)
        m |= maskOf(c);
    return m;
}

} // namespace tallyhand
