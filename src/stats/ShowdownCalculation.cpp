#include "stats/ShowdownCalculation.h"

#include "cards/CardText.h"
#include "preflop/SimulationInput.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace tallyhand {

namespace {

struct Counts {
    std::array<int, 15> byRank{};
    std::array<int, 5> bySuit{};
};

Counts countCards(const std::vector<Card>& cards)
{
    Counts c;
    for (Card card : cards) {
        ++c.byRank[rankOf(card)];
        ++c.bySuit[suitOf(card)];
    }
    return c;
}

bool hasQuads(const Counts& c) { return std::any_of(c.byRank.begin(), c.byRank.end(), [](int n) { return n >= 4; }); }
bool hasTrips(const Counts& c) { return std::any_of(c.byRank.begin(), c.byRank.end(), [](int n) { return n >= 3; }); }
bool hasFlush(const Counts& c) { return std::any_of(c.bySuit.begin(), c.bySuit.end(), [](int n) { return n >= 5; }); }

bool hasFullHouse(const Counts& c)
{
    for (int t = 2; t <= 14; ++t)
        if (c.byRank[t] == 3)
            for (int p = 2; p <= 14; ++p)
                if (p != t && c.byRank[p] >= 2)
                    return true;
    return false;
}

bool hasStraight(const Counts& c)
{
    auto present = [&](int r) { return c.byRank[r == 1 ? 14 : r] > 0; };
    for (int low = 1; low <= 10; ++low) {
        bool run = true;
        for (int r = low; r < low + 5; ++r)
            run = run && present(r);
        if (run)
            return true;
    }
    return false;
}

bool hasTwoPair(const Counts& c) { return std::count_if(c.byRank.begin(), c.byRank.end(), [](int n) { return n >= 2; }) >= 2; }

int pairRank(const Counts& c)
{
    for (int r = 14; r >= 2; --r)
        if (c.byRank[r] >= 2)
            return r;
    return 0;
}

bool anyScore(const std::vector<int>& scores)
{
    return std::any_of(scores.begin(), scores.end(), [](int s) { return s > 0; });
}

std::string shortestNumber(double value, char decimalSeparator)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

} // namespace

std::vector<int> scoreShowdownDeal(const RankTables& tables, const ShowdownDeal& deal)
{
    const std::size_t n = deal.hands.size();
    std::vector<int> scores(n, 0);
    std::vector<Counts> counts;
    for (const auto& hand : deal.hands)
        counts.push_back(countCards(hand));
    auto rank = [&](ListId list, std::size_t p) { return tables.lookupRank(list, deal.hands[p]); };

    // Royal flush and straight flush: every player's line number.
    for (ListId list : {ListId::Royal, ListId::Straightflush}) {
        for (std::size_t p = 0; p < n; ++p)
            scores[p] = rank(list, p);
        if (anyScore(scores))
            return scores;
    }
    for (std::size_t p = 0; p < n; ++p)
        if (hasQuads(counts[p]))
            scores[p] = rank(ListId::Quads, p);
    if (anyScore(scores))
        return scores;

    // A sole holder wins outright; several are ranked by their line numbers.
    struct Step {
        bool (*holds)(const Counts&);
        ListId list;
        bool everyPlayerRanked; // several holders: every player gets a line number
    };
    const Step steps[] = {
        {hasFullHouse, ListId::FullHouse, true}, {hasFlush, ListId::Flush, true},
        {hasStraight, ListId::Straight, false},  {hasTrips, ListId::SetTris, false},
        {hasTwoPair, ListId::TwoPair, false},
    };
    for (const Step& step : steps) {
        std::vector<std::size_t> holders;
        for (std::size_t p = 0; p < n; ++p)
            if (step.holds(counts[p]))
                holders.push_back(p);
        if (holders.size() == 1) {
            scores[holders[0]] = 1;
        } else if (holders.size() >= 2) {
            for (std::size_t p = 0; p < n; ++p)
                if (step.everyPlayerRanked || step.holds(counts[p]))
                    scores[p] = rank(step.list, p);
        }
        if (anyScore(scores))
            return scores;
    }

    // One pair: a pair rank held by one player alone wins (the highest such);
    // otherwise the holders of the highest pair rank are thinned out rank by
    // rank from the ace down by the other cards they hold.
    std::vector<int> pairs(n);
    for (std::size_t p = 0; p < n; ++p)
        pairs[p] = pairRank(counts[p]);
    const int highestPair = n == 0 ? 0 : *std::max_element(pairs.begin(), pairs.end());
    if (highestPair > 0) {
        for (int r = 14; r >= 2; --r) {
            if (std::count(pairs.begin(), pairs.end(), r) == 1) {
                scores[static_cast<std::size_t>(std::find(pairs.begin(), pairs.end(), r) - pairs.begin())] = 1;
                return scores;
            }
        }
        std::vector<std::size_t> remaining;
        for (std::size_t p = 0; p < n; ++p)
            if (pairs[p] == highestPair)
                remaining.push_back(p);
        for (int r = 14; r >= 2; --r) {
            if (r == highestPair)
                continue;
            const bool someoneHolds = std::any_of(remaining.begin(), remaining.end(),
                                                  [&](std::size_t p) { return counts[p].byRank[r] > 0; });
            if (someoneHolds)
                std::erase_if(remaining, [&](std::size_t p) { return counts[p].byRank[r] == 0; });
        }
        for (std::size_t p : remaining)
            scores[p] = 1;
        return scores;
    }

    // High card: the hole cards alone, higher card first.
    int bestHi = -1;
    int bestLo = -1;
    for (std::size_t p = 0; p < n; ++p) {
        const int hi = std::max(deal.holeRanks[p][0], deal.holeRanks[p][1]);
        const int lo = std::min(deal.holeRanks[p][0], deal.holeRanks[p][1]);
        if (hi > bestHi || (hi == bestHi && lo > bestLo)) {
            bestHi = hi;
            bestLo = lo;
        }
    }
    for (std::size_t p = 0; p < n; ++p) {
        const int hi = std::max(deal.holeRanks[p][0], deal.holeRanks[p][1]);
        const int lo = std::min(deal.holeRanks[p][0], deal.holeRanks[p][1]);
        if (hi == bestHi && lo == bestLo)
            scores[p] = 1;
    }
    return scores;
}

int showdownWinner(const std::vector<int>& scores)
{
    int best = 0;
    for (int s : scores)
        if (s > 0 && (best == 0 || s < best))
            best = s;
    if (best == 0 || std::count(scores.begin(), scores.end(), best) != 1)
        return -1;
    return static_cast<int>(std::find(scores.begin(), scores.end(), best) - scores.begin());
}

std::vector<std::string> calculateShowdown(const RankTables& tables, const std::vector<std::string>& rows,
                                           const UniformBelow& below, char decimalSeparator, int deals)
{
    // Hole cards per player; texts that are no card take no part.
    std::vector<std::vector<Card>> holes;
    std::vector<std::array<int, 2>> holeRanks;
    CardMask taken = 0;
    for (const std::string& row : rows) {
        const auto texts = rowCardTexts(row);
        std::vector<Card> hole;
        std::array<int, 2> ranks{};
        for (std::size_t k = 0; k < 2; ++k)
            if (const auto card = parseCardText(texts[k])) {
                hole.push_back(*card);
                ranks[k] = rankOf(*card);
                taken |= maskOf(*card);
            }
        holes.push_back(hole);
        holeRanks.push_back(ranks);
    }

    std::vector<int> wins(rows.size(), 0);
    int splits = 0;
    // A deck too small for a board (only with far more rows than a table holds) deals nothing.
    const bool canDeal = kCardCount - cardCount(taken) >= 5;
    ShowdownDeal deal;
    deal.holeRanks = holeRanks;
    for (int d = 0; d < deals && canDeal; ++d) {
        CardMask deck = taken;
        std::array<Card, 5> board{};
        for (Card& c : board) {
            do {
                const int rank = 2 + static_cast<int>(below(13));
                const int suit = 1 + static_cast<int>(below(4));
                c = makeCard(rank, suit);
            } while (contains(deck, c));
            deck |= maskOf(c);
        }
        deal.hands = holes;
        for (auto& hand : deal.hands)
            hand.insert(hand.end(), board.begin(), board.end());
        const int winner = showdownWinner(scoreShowdownDeal(tables, deal));
        if (winner < 0)
            ++splits;
        else
            ++wins[static_cast<std::size_t>(winner)];
    }

    std::vector<std::string> lines;
    const double total = std::max(deals, 1);
    for (int w : wins)
        lines.push_back(shortestNumber(w / total * 100, decimalSeparator));
    lines.push_back(shortestNumber(splits / total * 100, decimalSeparator));
    return lines;
}

} // namespace tallyhand
