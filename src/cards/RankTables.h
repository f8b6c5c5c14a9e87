#pragma once

#include "cards/Combinations.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace tallyhand {

// The nine rank lists as loaded, with an index from any five-card set to its
// line, so that every "first line containing these cards" question is a lookup.
class RankTables {
public:
    struct Entry {
        ListId list;
        std::uint16_t rank;
        std::uint32_t position; // line index within its list
    };

    RankTables() = default;
    static RankTables fromLists(RankLists lists);

    const RankList& list(ListId id) const;
    // The first line holding exactly these five cards, nullopt for a high-card holding.
    std::optional<Entry> find(CardMask fiveCards) const;
    // Rank number of the first line of `id` that holds five of `cards` (up to
    // seven valid cards), 0 when no line does.
    int lookupRank(ListId id, std::span<const Card> cards) const;

    // Position of the first line of `id` holding all of the given cards, nullopt when none.
    std::optional<std::uint32_t> firstLineWith(ListId id, CardMask cards) const;

    // True when every five-card set stands at most once, every rank number
    // belongs to one list only and lies below kMaxIndexedRank: a line is then
    // known by its set alone, and rankOfSet() answers for every set.
    bool isCanonical() const { return m_canonical; }
    static constexpr int kMaxIndexedRank = 8192;
    // Rank number of the line holding a five-card set (by fiveCardIndex), 0 for none.
    // Only meaningful when isCanonical().
    const std::uint16_t* rankOfSet() const { return m_rankOfSet.data(); }
    // The list a rank number belongs to, kNoList when unused (isCanonical() only).
    static constexpr std::uint8_t kNoList = 0xFF;
    std::uint8_t listOfRank(int rank) const { return m_listOfRank[static_cast<std::size_t>(rank)]; }

    bool empty() const { return m_entries.empty(); }
    // Bytes held by the lists and the indexes.
    std::size_t memoryBytes() const;

private:
    RankLists m_lists;
    // By fiveCardIndex: (list + 1) << kPositionBits | position of the first line, 0 for none.
    std::vector<std::uint32_t> m_entries;
    std::vector<std::uint16_t> m_rankOfSet;
    std::vector<std::uint8_t> m_listOfRank;
    bool m_canonical = false;
};

} // namespace tallyhand
