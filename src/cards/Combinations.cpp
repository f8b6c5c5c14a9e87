#include "cards/Combinations.h"

#include "cards/CardText.h"

#include <functional>

namespace tallyhand {
namespace {

// Rank value 1 is the ace at the bottom of the five-high straight.
Card card(int rank, int suit) { return makeCard(rank == 1 ? 14 : rank, suit); }

using Emit = std::function<void(const std::array<Card, 5>&, int rank)>;

void royal(const Emit& emit)
{
    for (int suit : {2, 1, 3, 4})
        emit({card(14, suit), card(13, suit), card(12, suit), card(11, suit), card(10, suit)}, 1);
}

void straightFlush(const Emit& emit)
{
    int number = 2;
    for (int h = 13; h >= 5; --h, ++number)
        for (int s = 1; s <= 4; ++s)
            emit({card(h, s), card(h - 1, s), card(h - 2, s), card(h - 3, s), card(h - 4, s)}, number);
}

void quads(const Emit& emit)
{
    int number = 11;
    for (int q = 14; q >= 2; --q)
        for (int k = 14; k >= 2; --k) {
            if (k == q)
                continue;
            for (int ks = 1; ks <= 4; ++ks)
                emit({card(q, 1), card(q, 2), card(q, 3), card(q, 4), card(k, ks)}, number);
            ++number;
        }
}

void fullHouse(const Emit& emit)
{
    int number = 167;
    for (int t = 14; t >= 2; --t)
        for (int p = 14; p >= 2; --p) {
            if (p == t)
                continue;
            for (const auto& tr : kSuitTriples)
                for (const auto& pr : kSuitPairs)
                    emit({card(t, tr[0]), card(t, tr[1]), card(t, tr[2]), card(p, pr[0]), card(p, pr[1])}, number);
            ++number;
        }
}

bool isStraightSet(int r1, int r5) { return r1 - r5 == 4; }

void flush(const Emit& emit)
{
    int number = 323;
    for (int r1 = 14; r1 >= 6; --r1)
        for (int r2 = r1 - 1; r2 >= 5; --r2)
            for (int r3 = r2 - 1; r3 >= 4; --r3)
                for (int r4 = r3 - 1; r4 >= 3; --r4)
                    for (int r5 = r4 - 1; r5 >= 2; --r5) {
                        const bool wheel = r1 == 14 && r2 == 5 && r3 == 4 && r4 == 3 && r5 == 2;
                        if (isStraightSet(r1, r5) || wheel)
                            continue;
                        for (int s = 1; s <= 4; ++s)
                            emit({card(r1, s), card(r2, s), card(r3, s), card(r4, s), card(r5, s)}, number);
                        ++number;
                    }
}

void straight(const Emit& emit)
{
    int number = 1600;
    for (int h = 14; h >= 5; --h, ++number)
        for (int s1 = 1; s1 <= 4; ++s1)
            for (int s2 = 1; s2 <= 4; ++s2)
                for (int s3 = 1; s3 <= 4; ++s3)
                    for (int s4 = 1; s4 <= 4; ++s4)
                        for (int s5 = 1; s5 <= 4; ++s5) {
                            if (s1 == s2 && s2 == s3 && s3 == s4 && s4 == s5)
                                continue;
                            emit({card(h, s1), card(h - 1, s2), card(h - 2, s3), card(h - 3, s4), card(h - 4, s5)},
                                 number);
                        }
}

// Numbers advance for every kicker pair, also where the second kicker equals
// the trip rank (no line), and by one more between trip values.
void setTris(const Emit& emit)
{
    int start = 1610;
    for (int t = 14; t >= 2; --t) {
        int m = start;
        for (const auto& tr : kSuitTriples) {
            m = start;
            for (int k1 = 14; k1 >= 3; --k1) {
                if (k1 == t)
                    continue;
                for (int k2 = k1 - 1; k2 >= 2; --k2) {
                    if (k2 != t)
                        for (int s1 = 1; s1 <= 4; ++s1)
                            for (int s2 = 1; s2 <= 4; ++s2)
                                emit({card(t, tr[0]), card(t, tr[1]), card(t, tr[2]), card(k1, s1), card(k2, s2)}, m);
                    ++m;
                }
            }
        }
        start = m + 1;
    }
}

void twoPair(const Emit& emit)
{
    int number = 2556;
    for (int p1 = 14; p1 >= 3; --p1)
        for (int p2 = p1 - 1; p2 >= 2; --p2)
            for (int k = 14; k >= 2; --k) {
                if (k == p1 || k == p2)
                    continue;
                for (int ks = 1; ks <= 4; ++ks)
                    for (const auto& a : kSuitPairs)
                        for (const auto& b : kSuitPairs)
                            emit({card(p1, a[0]), card(p1, a[1]), card(p2, b[0]), card(p2, b[1]), card(k, ks)}, number);
                ++number;
            }
}

void onePair(const Emit& emit)
{
    int start = 3414;
    for (int p = 14; p >= 2; --p) {
        int m = start;
        for (const auto& pr : kSuitPairs) {
            m = start;
            for (int k1 = 14; k1 >= 4; --k1)
                for (int k2 = k1 - 1; k2 >= 3; --k2)
                    for (int k3 = k2 - 1; k3 >= 2; --k3) {
                        if (k1 == p || k2 == p || k3 == p)
                            continue;
                        for (int s1 = 1; s1 <= 4; ++s1)
                            for (int s2 = 1; s2 <= 4; ++s2)
                                for (int s3 = 1; s3 <= 4; ++s3)
                                    emit({card(p, pr[0]), card(p, pr[1]), card(k1, s1), card(k2, s2), card(k3, s3)},
                                         m);
                        ++m;
                    }
        }
        start = m;
    }
}

void generate(ListId id, const Emit& emit)
{
    switch (id) {
    case ListId::Royal: royal(emit); break;
    case ListId::Straightflush: straightFlush(emit); break;
    case ListId::Quads: quads(emit); break;
    case ListId::FullHouse: fullHouse(emit); break;
    case ListId::Flush: flush(emit); break;
    case ListId::Straight: straight(emit); break;
    case ListId::SetTris: setTris(emit); break;
    case ListId::TwoPair: twoPair(emit); break;
    case ListId::OnePair: onePair(emit); break;
    }
}

PatternLine patternLine(std::initializer_list<Card> cards)
{
    PatternLine line{0, {}, 0};
    for (Card c : cards) {
        line.cards[line.size++] = c;
        line.mask |= maskOf(c);
    }
    return line;
}

PatternList patternsOf(ListId id)
{
    PatternList list;
    generate(id, [&](const std::array<Card, 5>& c, int) {
        list.push_back(patternLine({c[0], c[1], c[2], c[3], c[4]}));
    });
    return list;
}

} // namespace

RankList generateRankList(ListId id)
{
    static constexpr std::array<std::size_t, kListCount> kSizes{4, 36, 624, 3744, 5108, 10200, 54912, 123552, 1098240};
    RankList list;
    list.reserve(kSizes[static_cast<std::size_t>(id)]);
    generate(id, [&](const std::array<Card, 5>& c, int rank) {
        list.push_back({c, static_cast<std::uint16_t>(rank)});
    });
    return list;
}

RankLists generateRankLists()
{
    RankLists lists;
    for (int i = 0; i < kListCount; ++i)
        lists[static_cast<std::size_t>(i)] = generateRankList(static_cast<ListId>(i));
    return lists;
}

PatternLists buildPatternLists()
{
    PatternLists p;
    p.royal = patternsOf(ListId::Royal);
    p.straightflush = patternsOf(ListId::Straightflush);
    p.fullhouse = patternsOf(ListId::FullHouse);
    p.flush = patternsOf(ListId::Flush);
    p.straight = patternsOf(ListId::Straight);
    for (int q = 14; q >= 2; --q)
        p.quads.push_back(patternLine({card(q, 1), card(q, 2), card(q, 3), card(q, 4)}));
    for (int t = 14; t >= 2; --t)
        for (const auto& tr : kSuitTriples)
            p.trips.push_back(patternLine({card(t, tr[0]), card(t, tr[1]), card(t, tr[2])}));
    for (int pr = 14; pr >= 2; --pr)
        for (const auto& s : kSuitPairs)
            p.pair.push_back(patternLine({card(pr, s[0]), card(pr, s[1])}));
    for (int p1 = 14; p1 >= 3; --p1)
        for (int p2 = p1 - 1; p2 >= 2; --p2)
            for (const auto& a : kSuitPairs)
                for (const auto& b : kSuitPairs)
                    p.twopair.push_back(patternLine({card(p1, a[0]), card(p1, a[1]), card(p2, b[0]), card(p2, b[1])}));
    return p;
}

std::string rankLineText(const RankLine& line)
{
    return std::to_string(line.rank) + ' ' + joinCardTexts(line.cards.data(), 5, ',');
}

std::string patternLineText(const PatternLine& line)
{
    return joinCardTexts(line.cards.data(), line.size, ',');
}

} // namespace tallyhand
