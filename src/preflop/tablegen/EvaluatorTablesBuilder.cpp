#include "preflop/tablegen/EvaluatorTablesBuilder.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

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

struct RankMultiset {
    std::uint32_t key;
    std::uint32_t code;
    int cards;
};

// Every rank multiset of up to seven cards with its rank key.
void collectRankMultisets(int rank, int cards, std::uint32_t key, RankCounts& counts, std::vector<RankMultiset>& out)
{
    if (rank > 14) {
        out.push_back({key, nonFlushCode(counts), cards});
        return;
    }
    for (int n = 0; n <= 4 && cards + n <= 7; ++n) {
        counts[rank] = n;
        collectRankMultisets(rank + 1, cards + n,
                             key + static_cast<std::uint32_t>(n) * EvaluatorTables::kRankKeys[rank - 2], counts, out);
    }
    counts[rank] = 0;
}

// Fills a lookup with (rank key, value) entries by row displacement: rows are
// placed fullest first, each at the first base where all its slots are free.
template <typename Lookup>
void fill(Lookup& lookup, const std::vector<std::pair<std::uint32_t, HandValue>>& entries)
{
    constexpr int RowShift = Lookup::kRowShift;
    constexpr std::size_t Slots = Lookup::kSlots;
    std::vector<std::vector<std::pair<std::uint32_t, HandValue>>> rows(Lookup::kRows);
    for (const auto& [key, value] : entries) {
        const std::uint32_t spread = Lookup::spread(key);
        if (spread >> RowShift >= Lookup::kRows)
            throw std::logic_error("rank keys exceed the table's rows");
        rows[spread >> RowShift].emplace_back(spread & ((1u << RowShift) - 1), value);
    }
    std::vector<std::size_t> order(Lookup::kRows);
    for (std::size_t i = 0; i < Lookup::kRows; ++i) {
        order[i] = i;
        std::sort(rows[i].begin(), rows[i].end());
        for (std::size_t j = 1; j < rows[i].size(); ++j)
            if (rows[i][j].first == rows[i][j - 1].first)
                throw std::logic_error("rank keys are not unique");
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return rows[a].size() > rows[b].size(); });

    // One bit per slot, set while the slot is free; the words past the end
    // stay clear. Sixty-four bases are tried at once: bit i of the AND of
    // the free bits at base + column over all cells is whether base + i fits.
    std::vector<std::uint64_t> freeBits(Slots / 64 + 2, 0);
    for (std::size_t i = 0; i < Slots; ++i)
        freeBits[i / 64] |= std::uint64_t{1} << (i % 64);
    const auto freeFrom = [&](std::size_t slot) {
        const std::size_t word = slot / 64, shift = slot % 64;
        if (word + 1 >= freeBits.size())
            return std::uint64_t{0};
        const std::uint64_t high = shift == 0 ? 0 : freeBits[word + 1] << (64 - shift);
        return (freeBits[word] >> shift) | high;
    };
    std::size_t firstFree = 0;
    for (std::size_t row : order) {
        const auto& cells = rows[row];
        if (cells.empty())
            break;
        while (firstFree < Slots && (freeBits[firstFree / 64] >> (firstFree % 64) & 1) == 0)
            ++firstFree;
        std::size_t base = firstFree > cells[0].first ? firstFree - cells[0].first : 0;
        for (;; base += 64) {
            if (base + cells[0].first >= Slots)
                throw std::logic_error("rank table larger than its slots");
            std::uint64_t fits = ~std::uint64_t{0};
            for (std::size_t j = 0; j < cells.size() && fits != 0; ++j)
                fits &= freeFrom(base + cells[j].first);
            if (fits != 0) {
                base += static_cast<std::size_t>(std::countr_zero(fits));
                break;
            }
        }
        for (const auto& [column, value] : cells) {
            freeBits[(base + column) / 64] &= ~(std::uint64_t{1} << ((base + column) % 64));
            lookup.values[base + column] = value;
        }
        lookup.offsets[row] = static_cast<std::uint32_t>(base - (row << RowShift));
    }
}

} // namespace

std::unique_ptr<EvaluatorTables> buildEvaluatorTables()
{
    auto tables = std::make_unique<EvaluatorTables>();

    for (Card c = 0; c < kCardCount; ++c) {
        const int r = rankOf(c) - 2;
        const int s = suitOf(c) - 1;
        tables->cards[c].key = EvalHand::kEmptyKey + EvaluatorTables::kRankKeys[r] + (std::uint64_t{1} << (32 + 4 * s)) + (std::uint64_t{1} << 48);
        tables->cards[c].mask = std::uint64_t{1} << (16 * s + r);
    }

    std::vector<RankMultiset> rankCodes;
    RankCounts counts{};
    collectRankMultisets(2, 0, 0, counts, rankCodes);
    std::vector<std::uint32_t> flushCodes(8192, 0);
    for (unsigned bits = 0; bits < 8192; ++bits)
        if (std::popcount(bits) >= 5)
            flushCodes[bits] = flushCode(bits);

    // Dense values: each class numbered from 0 in the order of its codes.
    std::vector<std::uint32_t> all;
    all.reserve(rankCodes.size() + flushCodes.size());
    for (const auto& m : rankCodes)
        all.push_back(m.code);
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

    for (unsigned bits = 0; bits < 8192; ++bits)
        if (std::popcount(bits) >= 5)
            tables->flush[bits] = valueOf(flushCodes[bits]);

    std::vector<std::pair<std::uint32_t, HandValue>> seven, fewer;
    for (const auto& m : rankCodes)
        (m.cards == 7 ? seven : fewer).emplace_back(m.key, valueOf(m.code));
    fill(tables->seven, seven);
    fill(tables->fewer, fewer);
    return tables;
}

} // namespace tallyhand
