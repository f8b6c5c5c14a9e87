#pragma once

#include "cards/Card.h"
#include "preflop/HandValue.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace tallyhand {

// A partial hand of up to seven cards, built by adding cards one at a time so
// that the board's part can be shared by every player.
//   key:  low 32 bits, sum of per-rank keys (unique for every rank multiset of
//         up to seven cards); bits 32..47, one counter per suit starting at 3,
//         whose top bit is set once the suit holds five cards.
//   mask: bit 16 * (suit - 1) + (rank - 2) per card.
struct EvalHand {
    std::uint64_t key = kEmptyKey;
    std::uint64_t mask = 0;

    static constexpr std::uint64_t kEmptyKey = std::uint64_t{0x3333} << 32;

    constexpr EvalHand& operator+=(const EvalHand& cards)
    {
        key += cards.key - kEmptyKey;
        mask |= cards.mask;
        return *this;
    }
    friend constexpr EvalHand operator+(EvalHand a, const EvalHand& b) { return a += b; }
};

class HandEvaluator {
public:
    // The shared tables, built once on first use (thread-safe).
    static const HandEvaluator& instance();

    // A hand holding only `card`; add hands with + or +=.
    EvalHand card(Card c) const { return m_cards[c]; }
    EvalHand hand(std::span<const Card> cards) const;

    // Value of the best five of the cards (five to seven cards, no card twice).
    // With up to seven cards a flush beats every hand the other suits could
    // make, so the flush suit's ranks alone decide when there is one.
    HandValue evaluate(const EvalHand& h) const
    {
        const std::uint64_t flushBits = h.key & kFlushCheck;
        if (flushBits != 0) [[unlikely]] {
            const int suit = (std::countr_zero(flushBits) - 35) >> 2;
            return m_flush[(h.mask >> (16 * suit)) & 0x1fff];
        }
        const std::uint32_t hashed = (static_cast<std::uint32_t>(h.key) * kKeyMixer) & kHashMask;
        return m_ranks[m_rowBases[hashed >> kRowShift] + (hashed & kColumnMask)];
    }
    HandValue evaluate(std::span<const Card> cards) const { return evaluate(hand(cards)); }
    // The flush the cards make, or `noFlush` (their value without suits) when they make none.
    HandValue flushOr(const EvalHand& h, HandValue noFlush) const
    {
        const std::uint64_t flushBits = h.key & kFlushCheck;
        if (flushBits == 0)
            return noFlush;
        const int suit = (std::countr_zero(flushBits) - 35) >> 2;
        return m_flush[(h.mask >> (16 * suit)) & 0x1fff];
    }

    // Bytes held by the lookup tables.
    std::size_t tableBytes() const;

    static constexpr std::array<std::uint32_t, 13> kRankKeys{
        1, 5, 24, 112, 521, 2247, 9244, 30823, 103066, 250154, 667453, 1526359, 3453520};
    // Rank keys stay below 2^25; multiplying by an odd number modulo 2^25 is a
    // bijection that spreads them evenly over rows of 2^kRowShift columns.
    static constexpr std::uint32_t kKeyMixer = 0xC2B2AE3Du;
    static constexpr int kHashBits = 25;
    static constexpr std::uint32_t kHashMask = (1u << kHashBits) - 1;
    static constexpr int kRowShift = 10;
    static constexpr std::uint64_t kFlushCheck = std::uint64_t{0x8888} << 32;
    static constexpr std::uint32_t kColumnMask = (1u << kRowShift) - 1;

private:
    HandEvaluator();

    std::array<EvalHand, kCardCount> m_cards{};
    std::vector<HandValue> m_flush;      // by the 13-bit rank mask of the flush suit
    std::vector<HandValue> m_ranks;      // by displaced rank key
    std::vector<std::uint32_t> m_rowBases; // per row of hashed keys: its first slot in m_ranks
};

} // namespace tallyhand
