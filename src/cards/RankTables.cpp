#include "cards/RankTables.h"

#include "cards/FiveCardIndex.h"

#include <algorithm>
#include <limits>

namespace tallyhand {
namespace {

constexpr int kPositionBits = 28;
constexpr std::uint32_t kPositionMask = (std::uint32_t{1} << kPositionBits) - 1;

bool validCards(const RankLine& line)
{
    return std::all_of(line.cards.begin(), line.cards.end(), [](Card c) { return c < kCardCount; });
}

// Mask of a line; 0 for a line with a card outside the deck, which then holds nothing.
CardMask lineMask(const RankLine& line)
{
    return validCards(line) ? maskOfCards(line.cards) : 0;
}

// Five different cards of the deck (cheaper than counting bits in the load loop).
bool fiveDifferentCards(const RankLine& line, CardMask& mask)
{
    mask = 0;
    for (Card c : line.cards) {
        if (c >= kCardCount || contains(mask, c))
            return false;
        mask |= maskOf(c);
    }
    return true;
}

std::size_t listIndex(ListId id) { return static_cast<std::size_t>(id); }

} // namespace

RankTables RankTables::fromLists(RankLists lists)
{
    RankTables t;
    t.m_lists = std::move(lists);
    for (RankList& list : t.m_lists)
        list.shrink_to_fit();
    t.m_entries.assign(kFiveCardSets, 0);
    t.m_rankOfSet.assign(kFiveCardSets, 0);
    t.m_listOfRank.assign(kMaxIndexedRank, kNoList);
    bool canonical = true;
    for (std::size_t l = 0; l < kListCount; ++l) {
        const RankList& list = t.m_lists[l];
        if (list.size() > kPositionMask)
            canonical = false;
        const std::uint32_t tag = static_cast<std::uint32_t>(l + 1) << kPositionBits;
        const auto count = static_cast<std::uint32_t>(std::min<std::size_t>(list.size(), kPositionMask));
        for (std::uint32_t pos = 0; pos < count; ++pos) {
            const RankLine& line = list[pos];
            CardMask mask = 0;
            if (!fiveDifferentCards(line, mask)) {
                // Such a line never holds five given cards, but it may still be
                // counted as a reachable holding: leave that to the line walk.
                canonical = false;
                continue;
            }
            const std::uint32_t index = fiveCardIndex(mask);
            if (t.m_entries[index] != 0) {
                canonical = false; // the first line keeps the set
                continue;
            }
            t.m_entries[index] = tag | pos;
            t.m_rankOfSet[index] = line.rank;
            if (line.rank == 0 || line.rank >= kMaxIndexedRank) {
                canonical = false;
                continue;
            }
            std::uint8_t& owner = t.m_listOfRank[line.rank];
            if (owner == kNoList)
                owner = static_cast<std::uint8_t>(l);
            else if (owner != l)
                canonical = false;
        }
    }
    t.m_canonical = canonical;
    if (!canonical) {
        // The per-set ranks would not tell lines apart; nothing may rely on them.
        std::vector<std::uint16_t>().swap(t.m_rankOfSet);
        std::vector<std::uint8_t>().swap(t.m_listOfRank);
    }
    return t;
}

const RankList& RankTables::list(ListId id) const
{
    return m_lists[listIndex(id)];
}

std::optional<RankTables::Entry> RankTables::find(CardMask fiveCards) const
{
    if (m_entries.empty() || cardCount(fiveCards) != 5 || (fiveCards & ~kFullDeck) != 0)
        return std::nullopt;
    const std::uint32_t e = m_entries[fiveCardIndex(fiveCards)];
    if (e == 0)
        return std::nullopt;
    const auto l = static_cast<std::size_t>((e >> kPositionBits) - 1);
    const std::uint32_t pos = e & kPositionMask;
    return Entry{static_cast<ListId>(l), m_lists[l][pos].rank, pos};
}

std::optional<std::uint32_t> RankTables::firstLineWith(ListId id, CardMask cards) const
{
    if (m_canonical && cardCount(cards) == 5) {
        const auto entry = find(cards);
        if (entry && entry->list == id)
            return entry->position;
        return std::nullopt;
    }
    const RankList& l = list(id);
    for (std::size_t pos = 0; pos < l.size(); ++pos)
        if ((lineMask(l[pos]) & cards) == cards && cards != 0)
            return static_cast<std::uint32_t>(pos);
    return std::nullopt;
}

int RankTables::lookupRank(ListId id, std::span<const Card> cards) const
{
    // A card given twice is one card of the hand; it is counted once.
    CardMask given = 0;
    for (Card c : cards)
        if (c < kCardCount)
            given |= maskOf(c);
    const int n = cardCount(given);
    if (n < 5)
        return 0;
    const RankList& l = list(id);
    if (!m_canonical || n > 9) {
        for (const RankLine& line : l)
            if (cardCount(lineMask(line) & given) >= 5)
                return line.rank;
        return 0;
    }
    // The first matching line is the one with the lowest position among the
    // five-card subsets of the given cards that stand in this list.
    std::array<Card, 9> held{};
    int k = 0;
    for (CardMask m = given; m != 0; m &= m - 1)
        held[static_cast<std::size_t>(k++)] = static_cast<Card>(std::countr_zero(m));
    std::uint32_t best = std::numeric_limits<std::uint32_t>::max();
    const std::uint32_t tag = static_cast<std::uint32_t>(listIndex(id) + 1);
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                for (int d = c + 1; d < n; ++d)
                    for (int e = d + 1; e < n; ++e) {
                        const std::uint32_t index = kBinomial(held[a], 1) + kBinomial(held[b], 2)
                            + kBinomial(held[c], 3) + kBinomial(held[d], 4) + kBinomial(held[e], 5);
                        const std::uint32_t entry = m_entries[index];
                        if ((entry >> kPositionBits) == tag)
                            best = std::min(best, entry & kPositionMask);
                    }
    return best == std::numeric_limits<std::uint32_t>::max() ? 0 : l[best].rank;
}

std::size_t RankTables::memoryBytes() const
{
    std::size_t bytes = sizeof(*this);
    for (const RankList& l : m_lists)
        bytes += l.capacity() * sizeof(RankLine);
    bytes += m_entries.capacity() * sizeof(std::uint32_t);
    bytes += m_rankOfSet.capacity() * sizeof(std::uint16_t);
    bytes += m_listOfRank.capacity();
    return bytes;
}

} // namespace tallyhand
