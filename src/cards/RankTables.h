#pragma once

#include "cards/Combinations.h"

#include <optional>
#include <span>

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

private:
    // implementation defined by the tables' owner
};

} // namespace tallyhand
