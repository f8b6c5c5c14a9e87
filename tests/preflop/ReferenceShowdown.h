#pragma once

// A slow, literal reading of the winner decision, written independently of the
// fast evaluator, to check it against.

#include "cards/Card.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tallyhand::reference {

struct Holding {
    bool held = false;
    std::vector<int> values; // comparison values in order
};

// Category 1 royal flush .. 10 high card; index 0 unused.
using Holdings = std::array<Holding, 11>;

inline Holdings holdingsOf(const std::vector<Card>& cards)
{
    std::array<int, 15> count{};
    std::array<std::array<bool, 5>, 15> has{}; // [rank][suit]
    std::array<int, 5> suitCount{};
    for (Card c : cards) {
        ++count[rankOf(c)];
        has[rankOf(c)][suitOf(c)] = true;
        ++suitCount[suitOf(c)];
    }
    auto present = [&](int rank) { return count[rank == 1 ? 14 : rank] > 0; };
    auto inSuit = [&](int rank, int suit) { return has[rank == 1 ? 14 : rank][suit]; };
    // Ranks from high to low held at least `min` times (exactly when `exact`).
    auto ranksHeld = [&](int min, bool exact) {
        std::vector<int> r;
        for (int rank = 14; rank >= 2; --rank)
            if (exact ? count[rank] == min : count[rank] >= min)
                r.push_back(rank);
        return r;
    };
    Holdings h;

    for (int s = 1; s <= 4; ++s)
        if (inSuit(14, s) && inSuit(13, s) && inSuit(12, s) && inSuit(11, s) && inSuit(10, s))
            h[1].held = true;

    int bestSf = 0;
    for (int s = 1; s <= 4; ++s)
        for (int top = 14; top >= 5; --top) {
            bool run = true;
            for (int r = top; r > top - 5; --r)
                run = run && inSuit(r, s);
            if (run)
                bestSf = std::max(bestSf, top);
        }
    if (bestSf > 0)
        h[2] = {true, {bestSf}};

    for (int q = 14; q >= 2; --q)
        if (count[q] == 4) {
            int kicker = 0;
            for (int r = 14; r >= 2 && kicker == 0; --r)
                if (r != q && count[r] > 0)
                    kicker = r;
            h[3] = {true, {q, kicker}};
            break;
        }

    for (int t = 14; t >= 2 && !h[4].held; --t)
        if (count[t] >= 3)
            for (int p = 14; p >= 2; --p)
                if (p != t && count[p] >= 2) {
                    h[4] = {true, {t, p}};
                    break;
                }

    for (int s = 1; s <= 4; ++s)
        if (suitCount[s] >= 5) {
            std::vector<int> top;
            for (int r = 14; r >= 2 && top.size() < 5; --r)
                if (inSuit(r, s))
                    top.push_back(r);
            h[5] = {true, top};
            break;
        }

    for (int top = 14; top >= 5; --top) {
        bool run = true;
        for (int r = top; r > top - 5; --r)
            run = run && present(r);
        if (run) {
            h[6] = {true, {top}};
            break;
        }
    }

    const auto trips = ranksHeld(3, false);
    if (!trips.empty()) {
        const auto singles = ranksHeld(1, true);
        std::vector<int> v{trips[0]};
        for (std::size_t i = 0; i < 2 && i < singles.size(); ++i)
            v.push_back(singles[i]);
        h[7] = {true, v};
    }

    const auto pairs = ranksHeld(2, false);
    if (pairs.size() >= 2) {
        int kicker = 0;
        for (int r = 14; r >= 2 && kicker == 0; --r)
            if (r != pairs[0] && r != pairs[1] && count[r] > 0)
                kicker = r;
        h[8] = {true, {pairs[0], pairs[1], kicker}};
    }
    if (!pairs.empty()) {
        std::vector<int> v{pairs[0]};
        for (int r = 14; r >= 2 && v.size() < 4; --r)
            if (r != pairs[0] && count[r] > 0)
                v.push_back(r);
        h[9] = {true, v};
    }

    std::vector<int> high;
    for (int r = 14; r >= 2 && high.size() < 5; --r)
        if (count[r] > 0)
            high.push_back(r);
    h[10] = {true, high};
    return h;
}

struct Decision {
    int category = 0;
    std::vector<int> players; // one winner, or the players sharing the deal
};

// The first category anybody holds; its holders compared value by value.
inline Decision decide(const std::vector<std::vector<Card>>& hands)
{
    std::vector<Holdings> all;
    for (const auto& hand : hands)
        all.push_back(holdingsOf(hand));
    Decision d;
    for (int category = 1; category <= 10; ++category) {
        std::vector<int> in;
        for (std::size_t p = 0; p < all.size(); ++p)
            if (all[p][category].held)
                in.push_back(static_cast<int>(p));
        if (in.empty())
            continue;
        d.category = category;
        const std::size_t valueCount = all[in[0]][category].values.size();
        for (std::size_t v = 0; v < valueCount && in.size() > 1; ++v) {
            int best = 0;
            for (int p : in)
                best = std::max(best, all[p][category].values[v]);
            std::erase_if(in, [&](int p) { return all[p][category].values[v] != best; });
        }
        d.players = in;
        return d;
    }
    return d;
}

// Both hands the same size: -1, 0 or 1 as the first hand is worse, equal or better.
inline int compare(const std::vector<Card>& a, const std::vector<Card>& b)
{
    const Decision d = decide({a, b});
    if (d.players.size() == 2)
        return 0;
    return d.players[0] == 0 ? 1 : -1;
}

} // namespace tallyhand::reference
