#pragma once

#include "cards/Card.h"
#include "preflop/HandValue.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>

namespace tallyhand {

// A partial hand of up to seven cards, built by adding cards one at a time so
// that the board's part can be shared by every player.
//   key:  low 32 bits, sum of per-rank keys (unique for every rank multiset of
//         up to seven cards); bits 32..47, one counter per suit starting at 3,
//         whose top bit is set once the suit holds five cards; bits 48..53, a
//         card counter starting at 25, whose low five bits are clear at seven
//         cards exactly.
//   mask: bit 16 * (suit - 1) + (rank - 2) per card.
struct EvalHand {
    std::uint64_t key = kEmptyKey;
    std::uint64_t mask = 0;

    static constexpr std::uint64_t kEmptyKey = (std::uint64_t{25} << 48) | (std::uint64_t{0x3333} << 32);

    constexpr EvalHand& operator+=(const EvalHand& cards)
    {
        key += cards.key - kEmptyKey;
        mask |= cards.mask;
        return *this;
    }
    friend constexpr EvalHand operator+(EvalHand a, const EvalHand& b) { return a += b; }
};

// Values of rank multisets by their rank key (at most MostKey), in rows of
// 2^RowShift keys; every row is shifted to a base where its keys land on slots
// no other row uses. Hashed, the key is first multiplied by an odd number
// modulo 2^25 (a bijection, as rank keys stay below 2^25): that spreads the
// keys evenly over the rows and packs them densely, for one multiplication
// more per lookup.
template <bool Hashed, int RowShift, std::uint32_t MostKey, std::size_t Slots>
struct RankLookup {
    static constexpr int kHashBits = 25;
    static constexpr std::uint32_t kKeyMixer = 0xC2B2AE3Du;
    static_assert(MostKey < (1u << kHashBits), "rank keys stay below 2^25");
    static constexpr std::size_t kRows = ((Hashed ? (1u << kHashBits) - 1 : MostKey) >> RowShift) + 1;
    static constexpr int kRowShift = RowShift;
    static constexpr std::size_t kSlots = Slots;

    // Per row its base minus the row's lowest key, so that a key plus its
    // row's offset is its slot (modulo 2^32).
    std::array<std::uint32_t, kRows> offsets{};
    std::array<HandValue, Slots> values{};

    static constexpr std::uint32_t spread(std::uint32_t rankKey)
    {
        if constexpr (Hashed)
            return (rankKey * kKeyMixer) & ((1u << kHashBits) - 1);
        else
            return rankKey;
    }
    HandValue operator()(std::uint32_t rankKey) const
    {
        const std::uint32_t key = spread(rankKey);
        return values[key + offsets[key >> RowShift]];
    }
};

// Every table the evaluator reads, made at build time by the table generator
// (src/preflop/tablegen) and compiled in as constant data: nothing is built
// when a program starts.
struct EvaluatorTables {
    static constexpr std::array<std::uint32_t, 13> kRankKeys{
        1, 5, 24, 112, 521, 2247, 9244, 30823, 103066, 250154, 667453, 1526359, 3453520};
    // The seven-card table takes the rank key as it is and spends slots for
    // that; its 17 KB of offsets stay in the first-level cache next to the
    // flush table.
    static constexpr std::uint32_t kMostSevenKey = 4 * kRankKeys[12] + 3 * kRankKeys[11]; // four aces, three kings
    static constexpr std::uint32_t kMostSixKey = 4 * kRankKeys[12] + 2 * kRankKeys[11];

    std::array<EvalHand, kCardCount> cards{};
    std::array<HandValue, 8192> flush{};                     // by the 13-bit rank mask of the flush suit
    RankLookup<false, 12, kMostSevenKey, 108 * 1024> seven;  // 49,205 rank multisets of seven cards
    RankLookup<true, 13, kMostSixKey, 33 * 1024> fewer;      // 26,950 of up to six cards
};

extern constinit const EvaluatorTables kEvaluatorTables;

class HandEvaluator {
public:
    // The evaluator over the compiled-in tables.
    static const HandEvaluator& instance();

    // A hand holding only `card`; add hands with + or +=.
    EvalHand card(Card c) const { return kEvaluatorTables.cards[c]; }
    EvalHand hand(std::span<const Card> cards) const;

    // Value of the best five of the cards (five to seven cards, no card twice).
    // With up to seven cards a flush beats every hand the other suits could
    // make, so the flush suit's ranks alone decide when there is one.
    HandValue evaluate(const EvalHand& h) const
    {
        // One test for the rare cases: a flush, or fewer than seven cards.
        if ((h.key & kUncommon) != 0) [[unlikely]]
            return (h.key & kFlushCheck) != 0 ? flushValue(h) : kEvaluatorTables.fewer(static_cast<std::uint32_t>(h.key));
        return kEvaluatorTables.seven(static_cast<std::uint32_t>(h.key));
    }
    HandValue evaluate(std::span<const Card> cards) const { return evaluate(hand(cards)); }
    // The flush the cards make, or `noFlush` (their value without suits) when they make none.
    HandValue flushOr(const EvalHand& h, HandValue noFlush) const
    {
        return (h.key & kFlushCheck) != 0 ? flushValue(h) : noFlush;
    }
    // The value of seven cards whose ranks sum to `rankKey`, suits left out.
    HandValue sevenRanksValue(std::uint32_t rankKey) const { return kEvaluatorTables.seven(rankKey); }

    // Bytes held by the lookup tables.
    std::size_t tableBytes() const;

    static constexpr std::array<std::uint32_t, 13> kRankKeys = EvaluatorTables::kRankKeys;
    static constexpr std::uint64_t kFlushCheck = std::uint64_t{0x8888} << 32;
    static constexpr std::uint64_t kUncommon = kFlushCheck | (std::uint64_t{31} << 48);

private:
    HandEvaluator() = default;

    // The flush of the cards, which hold one.
    HandValue flushValue(const EvalHand& h) const
    {
        // From the counters themselves, so that the test above stays a plain test.
        const int suit = std::countr_zero((h.key >> 35) & 0x1111) >> 2;
        return kEvaluatorTables.flush[(h.mask >> (16 * suit)) & 0x1fff];
    }
};

} // namespace tallyhand
