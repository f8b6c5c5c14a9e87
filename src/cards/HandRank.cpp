#include "cards/HandRank.h"

#include "cards/FiveCardIndex.h"

#include <bit>
#include <charconv>
#include <vector>

namespace tallyhand {
namespace {

// The rank a hand without a pair compares as: every holding beats it.
constexpr int kNoRank = 1000000;

ListId listOfCategory(int category) { return static_cast<ListId>(9 - category); }

bool isCard(const std::optional<Card>& c) { return c && *c < kCardCount; }

// ShowHandRank: the text inp_kartenrang shows after this calculation.
std::string showHandRank(const RankTables& tables, const HandRankInput& in)
{
    int selected = 0;
    CardMask cards = 0;
    for (const auto& c : in.cards)
        if (isCard(c) && contains(in.shown, *c)) {
            ++selected;
            cards |= maskOf(*c);
        }
    if (selected != 5)
        return in.previousRank;
    if (in.madeCategory == 0)
        return "-1";
    if (in.madeCategory < 1 || in.madeCategory > 9)
        return in.previousRank;
    const ListId id = listOfCategory(in.madeCategory);
    const auto position = tables.firstLineWith(id, cards);
    if (!position)
        return in.previousRank; // no line holds them: the rank stays as it was
    return std::to_string(tables.list(id)[*position].rank);
}

// The number in the rank text; -1 (and a text that is no number) beats nothing.
int mineOf(const std::string& rankText)
{
    int value = 0;
    const char* end = rankText.data() + rankText.size();
    const auto [p, ec] = std::from_chars(rankText.data(), end, value);
    if (ec != std::errc{} || p != end || value == -1)
        return kNoRank;
    return value;
}

int filledBoardEdits(const HandRankInput& in)
{
    int nb = 0;
    for (std::size_t i = 2; i < 7; ++i)
        nb += in.filled[i] ? 1 : 0;
    return nb;
}

// Which lines an opponent can still hold: none of the hole cards and at least
// nb - 2 occurrences of the board cards at positions 1..nb.
struct Reach {
    CardMask hole = 0;
    // layers[k]: the board cards looked at more than k times (a card given at
    // two positions counts twice).
    std::array<CardMask, 5> layers{};
    int need = 0;

    explicit Reach(const HandRankInput& in, int nb)
    {
        for (std::size_t i = 0; i < 2; ++i)
            if (isCard(in.cards[i]))
                hole |= maskOf(*in.cards[i]);
        for (std::size_t i = 2; i < 2 + static_cast<std::size_t>(nb); ++i) {
            if (!isCard(in.cards[i]))
                continue;
            const CardMask m = maskOf(*in.cards[i]);
            for (CardMask& layer : layers)
                if ((layer & m) == 0) {
                    layer |= m;
                    break;
                }
        }
        need = nb - 2;
    }
    bool repeatsBoardCard() const { return layers[1] != 0; }
    bool reachable(CardMask line) const
    {
        if ((line & hole) != 0)
            return false;
        int seen = 0;
        for (CardMask layer : layers)
            seen += std::popcount(line & layer);
        return seen >= need;
    }
};

CardMask maskOfLine(const RankLine& line)
{
    CardMask m = 0;
    for (Card c : line.cards)
        if (c < kCardCount)
            m |= maskOf(c);
    return m;
}

// Whether m holds at least n cards, for small n.
constexpr bool atLeast(CardMask m, int n)
{
    for (; n > 0; --n, m &= m - 1)
        if (m == 0)
            return false;
    return true;
}

// Counts, by rank number, every five-card set of `avail` holding at least
// `need` cards of `board`, choosing the highest remaining card first.
class ReachableSets {
public:
    ReachableSets(const std::uint16_t* rankOfSet, CardMask board, std::uint32_t* histogram)
        : m_rankOfSet(rankOfSet), m_board(board), m_histogram(histogram)
    {
    }

    template <int K>
    void walk(CardMask avail, int need, std::uint32_t base) const
    {
        // With as many board cards still needed as cards to choose, only board cards remain.
        CardMask candidates = need >= K ? (avail & m_board) : avail;
        while (candidates != 0) {
            const int c = 63 - std::countl_zero(candidates);
            const CardMask bit = CardMask{1} << c;
            candidates ^= bit;
            if constexpr (K == 1) {
                ++m_histogram[m_rankOfSet[base + static_cast<std::uint32_t>(c)]];
            } else {
                const CardMask below = avail & (bit - 1);
                if (!atLeast(below, K - 1))
                    return; // lower cards leave even fewer below them
                const int stillNeeded = need - ((m_board & bit) != 0 ? 1 : 0);
                if (!atLeast(below & m_board, stillNeeded))
                    continue;
                walk<K - 1>(below, stillNeeded > 0 ? stillNeeded : 0, base + kBinomial(c, K));
            }
        }
    }

private:
    const std::uint16_t* m_rankOfSet;
    CardMask m_board;
    std::uint32_t* m_histogram;
};

struct Counts {
    std::array<long long, kListCount> better{};
    long long equal = 0;
};

Counts countByIndex(const RankTables& tables, const Reach& reach, int madeCategory, int mine)
{
    std::vector<std::uint32_t> histogram(RankTables::kMaxIndexedRank, 0);
    const CardMask avail = kFullDeck & ~reach.hole;
    const ReachableSets sets(tables.rankOfSet(), reach.layers[0] & avail, histogram.data());
    sets.walk<5>(avail, reach.need, 0);

    Counts counts;
    for (int rank = 1; rank < RankTables::kMaxIndexedRank; ++rank) {
        const std::uint32_t n = histogram[static_cast<std::size_t>(rank)];
        if (n == 0)
            continue;
        const std::uint8_t list = tables.listOfRank(rank);
        if (list == RankTables::kNoList || 9 - list < madeCategory)
            continue;
        if (rank < mine)
            counts.better[list] += n;
        else if (rank == mine)
            counts.equal += n;
    }
    return counts;
}

Counts countByLines(const RankTables& tables, const Reach& reach, int madeCategory, int mine)
{
    Counts counts;
    for (int category = 9; category >= 1 && category >= madeCategory; --category) {
        const ListId id = listOfCategory(category);
        for (const RankLine& line : tables.list(id)) {
            if (!reach.reachable(maskOfLine(line)))
                continue;
            if (line.rank < mine)
                ++counts.better[static_cast<std::size_t>(id)];
            else if (line.rank == mine)
                ++counts.equal;
        }
    }
    return counts;
}

} // namespace

HandRankResult rankMadeHand(const RankTables& tables, const HandRankInput& input)
{
    HandRankResult result;
    result.rank = showHandRank(tables, input);
    result.better.fill("0");
    result.betterTotal = "0";
    result.split = "0";

    const int mine = mineOf(result.rank);
    const int nb = filledBoardEdits(input);
    if (nb < 3)
        return result;
    const Reach reach(input, nb);
    const Counts counts = tables.isCanonical() && !reach.repeatsBoardCard()
        ? countByIndex(tables, reach, input.madeCategory, mine)
        : countByLines(tables, reach, input.madeCategory, mine);

    long long better = 0;
    for (std::size_t l = 0; l < kListCount; ++l) {
        result.better[l] = std::to_string(counts.better[l]);
        better += counts.better[l];
    }
    result.betterTotal = std::to_string(better);
    result.split = std::to_string(counts.equal);
    return result;
}

std::vector<std::string> listBetterHands(const RankTables& tables, const HandRankInput& input, ListId category)
{
    std::vector<std::string> lines;
    const int mine = mineOf(showHandRank(tables, input));
    const int nb = filledBoardEdits(input);
    if (nb < 3)
        return lines;
    const Reach reach(input, nb);
    for (const RankLine& line : tables.list(category))
        if (line.rank < mine && reach.reachable(maskOfLine(line)))
            lines.push_back(rankLineText(line));
    return lines;
}

} // namespace tallyhand
