#include "preflop/HandEvaluator.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tallyhand {

namespace {

// Rank counts indexed by rank 2..14.
using RankCounts = std::array<int, 15>;

// A comparable code of a class and up to five rank values, most significant first.
std::uint32_t code(int handClass, std::initializer_list<int> values)
{
    std::uint32_t c = static_cast<std::uint32_t>(handClass);
    int n = 0;
    for (int v : values) {
        c = (c << 4) | static_cast<std::uint32_t>(v);
        ++n;
    }
    for (; n < 5; ++n)
        c <<= 4;
    return c;
}

int classOfCode(std::uint32_t c) { return static_cast<int>(c >> 20); }

// Top rank of the highest run of five in a 13-bit rank mask (bit rank - 2), 5 for
// the ace-to-five run, 0 for none.
int highestRun(unsigned bits)
{
    for (int top = 14; top >= 6; --top) {
        const unsigned run = 0x1fu << (top - 6);
        if ((bits & run) == run)
            return top;
    }
    const unsigned wheel = 0x100fu; // ace, 2, 3, 4, 5
    return (bits & wheel) == wheel ? 5 : 0;
}

// Ranks highest first, 0 past the end.
struct RankRow {
    std::array<int, 14> ranks{};
    std::size_t n = 0;
    bool empty() const { return n == 0; }
    std::size_t size() const { return n; }
    int operator[](std::size_t i) const { return ranks[i]; }
};

// The ranks held at least `minCount` times, highest first, skipping two ranks.
RankRow ranksHeld(const RankCounts& counts, int minCount, int skip1 = 0, int skip2 = 0)
{
    RankRow row;
    for (int r = 14; r >= 2; --r)
        if (counts[r] >= minCount && r != skip1 && r != skip2)
            row.ranks[row.n++] = r;
    return row;
}

int at(const RankRow& row, std::size_t i) { return row.ranks[i]; }

std::uint32_t nonFlushCode(const RankCounts& counts)
{
    const auto quads = ranksHeld(counts, 4);
    if (!quads.empty())
        return code(kQuads, {quads[0], at(ranksHeld(counts, 1, quads[0]), 0)});
    const auto trips = ranksHeld(counts, 3);
    if (!trips.empty()) {
        const auto pairs = ranksHeld(counts, 2, trips[0]);
        if (!pairs.empty())
            return code(kFullHouse, {trips[0], pairs[0]});
    }
    unsigned bits = 0;
    for (int r = 2; r <= 14; ++r)
        if (counts[r] > 0)
            bits |= 1u << (r - 2);
    if (const int top = highestRun(bits))
        return code(kStraight, {top});
    if (!trips.empty()) {
        const auto others = ranksHeld(counts, 1, trips[0]);
        return code(kTrips, {trips[0], at(others, 0), at(others, 1)});
    }
    const auto pairs = ranksHeld(counts, 2);
    if (pairs.size() >= 2)
        return code(kTwoPair, {pairs[0], pairs[1], at(ranksHeld(counts, 1, pairs[0], pairs[1]), 0)});
    if (pairs.size() == 1) {
        const auto others = ranksHeld(counts, 1, pairs[0]);
        return code(kOnePair, {pairs[0], at(others, 0), at(others, 1), at(others, 2)});
    }
    const auto singles = ranksHeld(counts, 1);
    return code(kHighCard, {at(singles, 0), at(singles, 1), at(singles, 2), at(singles, 3), at(singles, 4)});
}

std::uint32_t flushCode(unsigned bits)
{
    const int top = highestRun(bits);
    if (top == 14)
        return code(kRoyalFlush, {});
    if (top != 0)
        return code(kStraightFlush, {top});
    std::vector<int> ranks;
    for (int r = 14; r >= 2 && ranks.size() < 5; --r)
        if (bits & (1u << (r - 2)))
            ranks.push_back(r);
    return code(kFlush, {ranks[0], ranks[1], ranks[2], ranks[3], ranks[4]});
}

// Every rank multiset of up to seven cards with its rank key.
void collectRankMultisets(int rank, int cards, std::uint32_t key, RankCounts& counts,
                          std::vector<std::pair<std::uint32_t, std::uint32_t>>& out)
{
    if (rank > 14) {
        out.emplace_back(key, nonFlushCode(counts));
        return;
    }
    for (int n = 0; n <= 4 && cards + n <= 7; ++n) {
        counts[rank] = n;
        collectRankMultisets(rank + 1, cards + n,
                             key + static_cast<std::uint32_t>(n) * HandEvaluator::kRankKeys[rank - 2], counts, out);
    }
    counts[rank] = 0;
}

} // namespace

const HandEvaluator& HandEvaluator::instance()
{
    static const HandEvaluator evaluator;
    return evaluator;
}

HandEvaluator::HandEvaluator()
{
    for (Card c = 0; c < kCardCount; ++c) {
        const int r = rankOf(c) - 2;
        const int s = suitOf(c) - 1;
        m_cards[c].key = EvalHand::kEmptyKey + kRankKeys[r] + (std::uint64_t{1} << (32 + 4 * s));
        m_cards[c].mask = std::uint64_t{1} << (16 * s + r);
    }

    std::vector<std::pair<std::uint32_t, std::uint32_t>> rankCodes; // rank key, code
    RankCounts counts{};
    collectRankMultisets(2, 0, 0, counts, rankCodes);
    std::vector<std::uint32_t> flushCodes(8192, 0);
    for (unsigned bits = 0; bits < 8192; ++bits)
        if (std::popcount(bits) >= 5)
            flushCodes[bits] = flushCode(bits);

    // Dense values: each class numbered from 0 in the order of its codes.
    std::vector<std::uint32_t> all;
    all.reserve(rankCodes.size() + flushCodes.size());
    for (const auto& [key, c] : rankCodes)
        all.push_back(c);
    for (unsigned bits = 0; bits < 8192; ++bits)
        if (std::popcount(bits) >= 5)
            all.push_back(flushCodes[bits]);
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    std::array<std::size_t, kHandClassCount> firstOfClass{};
    for (std::size_t i = all.size(); i-- > 0;)
        firstOfClass[static_cast<std::size_t>(classOfCode(all[i]))] = i;
    auto valueOf = [&](std::uint32_t c) {
        const std::size_t i = static_cast<std::size_t>(std::lower_bound(all.begin(), all.end(), c) - all.begin());
        const int cls = classOfCode(c);
        const std::size_t ordinal = i - firstOfClass[static_cast<std::size_t>(cls)];
        if (ordinal >= (std::size_t{1} << kHandValueClassShift))
            throw std::logic_error("hand class too large for its value field");
        return static_cast<HandValue>((cls << kHandValueClassShift) | static_cast<int>(ordinal));
    };

    m_flush.assign(8192, 0);
    for (unsigned bits = 0; bits < 8192; ++bits)
        if (std::popcount(bits) >= 5)
            m_flush[bits] = valueOf(flushCodes[bits]);

    // Row displacement: the hashed key space is cut into rows and every row is
    // shifted so that its keys land on slots no other row uses.
    std::sort(rankCodes.begin(), rankCodes.end());
    for (std::size_t i = 1; i < rankCodes.size(); ++i)
        if (rankCodes[i].first == rankCodes[i - 1].first)
            throw std::logic_error("rank keys are not unique");
    if (rankCodes.back().first > kHashMask)
        throw std::logic_error("rank keys exceed the hashed range");
    const std::size_t rowCount = std::size_t{1} << (kHashBits - kRowShift);
    std::vector<std::vector<std::pair<std::uint32_t, HandValue>>> rows(rowCount);
    for (const auto& [key, c] : rankCodes) {
        const std::uint32_t hashed = (key * kKeyMixer) & kHashMask;
        rows[hashed >> kRowShift].emplace_back(hashed & kColumnMask, valueOf(c));
    }
    std::vector<std::size_t> order(rowCount);
    for (std::size_t i = 0; i < rowCount; ++i) {
        order[i] = i;
        std::sort(rows[i].begin(), rows[i].end());
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return rows[a].size() > rows[b].size(); });

    // nextFree[i]: a slot >= i that may be free (path-compressed), so that the
    // search skips taken slots quickly.
    const std::size_t capacity = 2 * rankCodes.size() + (std::size_t{1} << kRowShift);
    std::vector<std::uint32_t> nextFree(capacity + 1);
    for (std::size_t i = 0; i <= capacity; ++i)
        nextFree[i] = static_cast<std::uint32_t>(i);
    auto findFree = [&](std::size_t i) {
        while (nextFree[i] != i) {
            nextFree[i] = nextFree[nextFree[i]];
            i = nextFree[i];
        }
        return i;
    };
    std::vector<bool> used(capacity, false);
    m_rowBases.assign(rowCount, 0);
    std::size_t tableSize = 0;
    for (std::size_t row : order) {
        const auto& entries = rows[row];
        if (entries.empty())
            break;
        std::size_t base = 0;
        for (;;) {
            base = findFree(base + entries[0].first) - entries[0].first;
            if (base + (std::size_t{1} << kRowShift) >= capacity)
                throw std::logic_error("rank table overflow");
            bool fits = true;
            for (std::size_t j = 1; j < entries.size() && fits; ++j)
                fits = !used[base + entries[j].first];
            if (fits)
                break;
            ++base;
        }
        for (const auto& [column, value] : entries) {
            const std::size_t slot = base + column;
            used[slot] = true;
            nextFree[slot] = static_cast<std::uint32_t>(slot + 1);
            tableSize = std::max(tableSize, slot + 1);
        }
        m_rowBases[row] = static_cast<std::uint32_t>(base);
    }
    m_ranks.assign(tableSize, 0);
    for (std::size_t row = 0; row < rowCount; ++row)
        for (const auto& [column, value] : rows[row])
            m_ranks[m_rowBases[row] + column] = value;
}

EvalHand HandEvaluator::hand(std::span<const Card> cards) const
{
    EvalHand h;
    for (Card c : cards)
        h += m_cards[c];
    return h;
}

std::size_t HandEvaluator::tableBytes() const
{
    return m_flush.size() * sizeof(HandValue) + m_ranks.size() * sizeof(HandValue) +
           m_rowBases.size() * sizeof(std::uint32_t) + sizeof(m_cards);
}

} // namespace tallyhand
