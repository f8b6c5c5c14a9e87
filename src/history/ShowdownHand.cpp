#include "history/ShowdownHand.h"

#include <algorithm>
#include <vector>

namespace tallyhand {

const char* rankWord(int rank)
{
    static const char* names[] = {"", "", "Deuce", "Three", "Four", "Five", "Six", "Seven",
                                  "Eight", "Nine", "Ten", "Jack", "Queen", "King", "Ace"};
    return names[rank];
}

std::string kickerText(const ShowdownHand& hand, const std::vector<const ShowdownHand*>& shown)
{
    // Ranks that name the hand, then its kickers, per category (high card .. quads).
    static constexpr int kNamed[] = {1, 1, 2, 1, 0, 0, 0, 1};
    static constexpr int kKickers[] = {4, 3, 1, 2, 0, 0, 0, 1};
    if (hand.category > 7 || kKickers[hand.category] == 0)
        return {};
    const auto rankAt = [](const ShowdownHand& h, int i) { return static_cast<int>((h.value >> (16 - 4 * i)) & 0xF); };
    const int named = kNamed[hand.category];
    const int total = named + kKickers[hand.category];
    int decidedAt = -1; // the kicker that beats the best rival with the same named ranks
    for (const ShowdownHand* other : shown) {
        if (other == &hand || other->category != hand.category || other->value == hand.value)
            continue;
        bool sameNamed = true;
        for (int i = 0; i < named; ++i)
            sameNamed = sameNamed && rankAt(*other, i) == rankAt(hand, i);
        if (!sameNamed)
            continue;
        if (other->value > hand.value)
            return " - lower kicker";
        int i = named;
        while (i < total && rankAt(*other, i) == rankAt(hand, i))
            ++i;
        decidedAt = std::max(decidedAt, i);
    }
    if (decidedAt < 0)
        return {};
    std::string text = " - ";
    for (int i = named; i <= decidedAt; ++i)
        text += std::string(i > named ? "+" : "") + rankWord(rankAt(hand, i));
    return text + " kicker";
}

namespace {

const char* singular(int rank) { return rankWord(rank); }

const char* plural(int rank)
{
    static const char* names[] = {"", "", "Deuces", "Threes", "Fours", "Fives", "Sixes", "Sevens",
                                  "Eights", "Nines", "Tens", "Jacks", "Queens", "Kings", "Aces"};
    return names[rank];
}

// Top of the highest five-rank run in the rank bit set (bit r = rank r, ace also bit 1), 0 if none.
int straightTop(unsigned ranks)
{
    if (ranks & (1u << 14))
        ranks |= 1u << 1;
    for (int top = 14; top >= 5; --top) {
        const unsigned run = 0x1Fu << (top - 4);
        if ((ranks & run) == run)
            return top;
    }
    return 0;
}

std::uint32_t pack(int category, std::initializer_list<int> ranks)
{
    std::uint32_t value = static_cast<std::uint32_t>(category) << 20;
    int shift = 16;
    for (int r : ranks) {
        value |= static_cast<std::uint32_t>(r) << shift;
        shift -= 4;
    }
    return value;
}

std::string runText(int top)
{
    return std::string(top == 5 ? "Ace" : singular(top - 4)) + " to " + singular(top);
}

} // namespace

ShowdownHand evaluateShowdown(std::span<const Card> cards)
{
    int rankCount[15] = {};
    unsigned suitRanks[5] = {};
    unsigned allRanks = 0;
    for (Card c : cards) {
        ++rankCount[rankOf(c)];
        suitRanks[suitOf(c)] |= 1u << rankOf(c);
        allRanks |= 1u << rankOf(c);
    }
    ShowdownHand hand;
    for (int s = 1; s <= 4; ++s) {
        if (std::popcount(suitRanks[s]) < 5)
            continue;
        if (const int top = straightTop(suitRanks[s])) {
            hand.category = 8;
            hand.value = pack(8, {top});
            hand.description = top == 14 ? "a Royal Flush" : "a straight flush, " + runText(top);
            return hand;
        }
    }
    std::vector<int> quads, trips, pairs, singles;
    for (int r = 14; r >= 2; --r) {
        if (rankCount[r] == 4)
            quads.push_back(r);
        else if (rankCount[r] == 3)
            trips.push_back(r);
        else if (rankCount[r] == 2)
            pairs.push_back(r);
        else if (rankCount[r] == 1)
            singles.push_back(r);
    }
    const auto highestExcept = [&](int a, int b) {
        for (int r = 14; r >= 2; --r)
            if (rankCount[r] > 0 && r != a && r != b)
                return r;
        return 0;
    };
    if (!quads.empty()) {
        hand.category = 7;
        hand.value = pack(7, {quads[0], highestExcept(quads[0], 0)});
        hand.description = std::string("four of a kind, ") + plural(quads[0]);
        return hand;
    }
    if (!trips.empty() && (trips.size() >= 2 || !pairs.empty())) {
        const int full = trips[0];
        const int of = trips.size() >= 2 ? std::max(trips[1], pairs.empty() ? 0 : pairs[0]) : pairs[0];
        hand.category = 6;
        hand.value = pack(6, {full, of});
        hand.description = std::string("a full house, ") + plural(full) + " full of " + plural(of);
        return hand;
    }
    for (int s = 1; s <= 4; ++s) {
        if (std::popcount(suitRanks[s]) < 5)
            continue;
        int top[5];
        int n = 0;
        for (int r = 14; r >= 2 && n < 5; --r)
            if (suitRanks[s] & (1u << r))
                top[n++] = r;
        hand.category = 5;
        hand.value = pack(5, {top[0], top[1], top[2], top[3], top[4]});
        hand.description = std::string("a flush, ") + singular(top[0]) + " high";
        return hand;
    }
    if (const int top = straightTop(allRanks)) {
        hand.category = 4;
        hand.value = pack(4, {top});
        hand.description = "a straight, " + runText(top);
        return hand;
    }
    // Kickers from the remaining ranks, highest first.
    const auto kickers = [&](std::initializer_list<int> used, int n) {
        std::vector<int> k;
        for (int r = 14; r >= 2 && static_cast<int>(k.size()) < n; --r) {
            if (rankCount[r] == 0)
                continue;
            bool taken = false;
            for (int u : used)
                taken = taken || u == r;
            if (!taken)
                k.push_back(r);
        }
        while (static_cast<int>(k.size()) < n)
            k.push_back(0);
        return k;
    };
    if (!trips.empty()) {
        const auto k = kickers({trips[0]}, 2);
        hand.category = 3;
        hand.value = pack(3, {trips[0], k[0], k[1]});
        hand.description = std::string("three of a kind, ") + plural(trips[0]);
        return hand;
    }
    if (pairs.size() >= 2) {
        const auto k = kickers({pairs[0], pairs[1]}, 1);
        hand.category = 2;
        hand.value = pack(2, {pairs[0], pairs[1], k[0]});
        hand.description = std::string("two pair, ") + plural(pairs[0]) + " and " + plural(pairs[1]);
        return hand;
    }
    if (pairs.size() == 1) {
        const auto k = kickers({pairs[0]}, 3);
        hand.category = 1;
        hand.value = pack(1, {pairs[0], k[0], k[1], k[2]});
        hand.description = std::string("a pair of ") + plural(pairs[0]);
        return hand;
    }
    const auto k = kickers({}, 5);
    hand.category = 0;
    hand.value = pack(0, {k[0], k[1], k[2], k[3], k[4]});
    hand.description = std::string("high card ") + singular(k[0]);
    return hand;
}

} // namespace tallyhand
