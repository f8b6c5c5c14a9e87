#include "ReferenceShowdown.h"

#include "cards/CardText.h"
#include "preflop/FastRandom.h"
#include "preflop/HandEvaluator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <functional>

using namespace tallyhand;

namespace {

const HandEvaluator& evaluator() { return HandEvaluator::instance(); }

std::vector<Card> cards(std::initializer_list<const char*> texts)
{
    std::vector<Card> out;
    for (const char* t : texts)
        out.push_back(*parseHistoryCard(t));
    return out;
}

HandValue valueOf(const std::vector<Card>& hand) { return evaluator().evaluate(hand); }

int referenceCategory(const std::vector<Card>& hand) { return reference::decide({hand}).category; }

struct Ranked {
    HandValue value;
    std::vector<Card> hand;
};

// Sorted by the evaluator's value, neighbours must compare the same way under
// the reference rules (equal value = split, larger value = win); with both
// orders total, that makes them agree on every pair.
void expectSameOrder(std::vector<Ranked>& hands)
{
    std::sort(hands.begin(), hands.end(), [](const Ranked& a, const Ranked& b) { return a.value < b.value; });
    int mismatches = 0;
    for (std::size_t i = 1; i < hands.size() && mismatches < 5; ++i) {
        const int expected = hands[i].value == hands[i - 1].value ? 0 : 1;
        const int got = reference::compare(hands[i].hand, hands[i - 1].hand);
        if (got != expected) {
            ++mismatches;
            ADD_FAILURE() << "evaluator and reference disagree on " << joinCardTexts(hands[i].hand.data(), 7, ',')
                          << " vs " << joinCardTexts(hands[i - 1].hand.data(), 7, ',');
        }
    }
}

} // namespace

TEST(HandEvaluator, EveryFiveCardHandAgreesWithReference)
{
    std::vector<Ranked> hands;
    hands.reserve(2598960);
    std::array<int, 11> perCategory{};
    std::vector<Card> hand(5);
    for (Card a = 0; a < 52; ++a)
        for (Card b = a + 1; b < 52; ++b)
            for (Card c = b + 1; c < 52; ++c)
                for (Card d = c + 1; d < 52; ++d)
                    for (Card e = d + 1; e < 52; ++e) {
                        hand = {a, b, c, d, e};
                        const HandValue v = valueOf(hand);
                        ++perCategory[static_cast<std::size_t>(categoryOf(v))];
                        hands.push_back({v, hand});
                    }
    // Known category sizes of the 2,598,960 five-card hands, royal flush first.
    EXPECT_EQ(perCategory, (std::array<int, 11>{0, 4, 36, 624, 3744, 5108, 10200, 54912, 123552, 1098240, 1302540}));
    std::vector<HandValue> distinct;
    for (const auto& h : hands)
        distinct.push_back(h.value);
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    EXPECT_EQ(distinct.size(), 7462u);

    // Categories checked on a sample (the reference is slow), order on all.
    for (std::size_t i = 0; i < hands.size(); i += 97)
        ASSERT_EQ(categoryOf(hands[i].value), referenceCategory(hands[i].hand));
    std::sort(hands.begin(), hands.end(), [](const Ranked& a, const Ranked& b) { return a.value < b.value; });
    // Neighbouring distinct values, and one sample inside every run of equal values.
    for (std::size_t i = 1; i < hands.size(); ++i) {
        if (hands[i].value == hands[i - 1].value && i % 31 != 0)
            continue;
        const int expected = hands[i].value == hands[i - 1].value ? 0 : 1;
        ASSERT_EQ(reference::compare(hands[i].hand, hands[i - 1].hand), expected)
            << joinCardTexts(hands[i].hand.data(), 5, ',') << " vs " << joinCardTexts(hands[i - 1].hand.data(), 5, ',');
    }
}

// Seven cards without a flush are decided by their ranks alone, seven cards with
// a flush by the ranks of the flush suit alone: these two families cover every
// seven-card hand.
TEST(HandEvaluator, EverySevenCardRankPatternAndFlushAgreesWithReference)
{
    std::vector<Ranked> hands;
    std::array<int, 15> counts{};
    // Every multiset of seven ranks, at most four of each, suits dealt in turn so
    // that no suit reaches five.
    std::function<void(int, int)> ranks = [&](int rank, int left) {
        if (rank > 14) {
            if (left != 0)
                return;
            std::vector<Card> hand;
            int suit = 0;
            for (int r = 2; r <= 14; ++r)
                for (int n = 0; n < counts[r]; ++n)
                    hand.push_back(makeCard(r, suit++ % 4 + 1));
            hands.push_back({valueOf(hand), hand});
            return;
        }
        for (int n = 0; n <= 4 && n <= left; ++n) {
            counts[rank] = n;
            ranks(rank + 1, left - n);
        }
        counts[rank] = 0;
    };
    ranks(2, 7);
    EXPECT_EQ(hands.size(), 49205u);
    // Every set of five to seven ranks in Pik, filled up with low off-suit cards.
    for (unsigned bits = 0; bits < 8192; ++bits) {
        const int n = std::popcount(bits);
        if (n < 5 || n > 7)
            continue;
        std::vector<Card> hand;
        for (int r = 2; r <= 14; ++r)
            if (bits & (1u << (r - 2)))
                hand.push_back(makeCard(r, 3));
        const std::array<Card, 2> fillers{makeCard(2, 1), makeCard(3, 4)};
        for (int i = 0; i < 7 - n; ++i)
            hand.push_back(fillers[static_cast<std::size_t>(i)]);
        hands.push_back({valueOf(hand), hand});
    }
    for (const auto& h : hands)
        ASSERT_EQ(categoryOf(h.value), referenceCategory(h.hand)) << joinCardTexts(h.hand.data(), 7, ',');
    expectSameOrder(hands);
}

TEST(HandEvaluator, RandomSevenCardHandsAgreeWithReference)
{
    FastRandom random(7);
    auto deal = [&](CardMask& used) {
        std::vector<Card> hand;
        while (hand.size() < 7) {
            const auto c = static_cast<Card>(random.below(52));
            if (!contains(used, c)) {
                used |= maskOf(c);
                hand.push_back(c);
            }
        }
        return hand;
    };
    for (int i = 0; i < 200000; ++i) {
        CardMask used = 0;
        const auto a = deal(used);
        const auto b = deal(used);
        const HandValue va = valueOf(a);
        const HandValue vb = valueOf(b);
        const int expected = va == vb ? 0 : (va > vb ? 1 : -1);
        ASSERT_EQ(reference::compare(a, b), expected)
            << joinCardTexts(a.data(), 7, ',') << " vs " << joinCardTexts(b.data(), 7, ',');
        ASSERT_EQ(categoryOf(va), referenceCategory(a));
    }
}

// Six and seven cards are worth their best five: the five-card values are
// pinned by the reference above, the larger hands go through other tables.
TEST(HandEvaluator, MillionsOfRandomSixAndSevenCardHandsAreWorthTheirBestFive)
{
    const HandEvaluator& e = evaluator();
    FastRandom random(11);
    for (int size : {6, 7}) {
        for (int i = 0; i < 1500000; ++i) {
            std::array<Card, 7> hand{};
            CardMask used = 0;
            for (int n = 0; n < size;) {
                const auto c = static_cast<Card>(random.below(kCardCount));
                if (!contains(used, c)) {
                    used |= maskOf(c);
                    hand[static_cast<std::size_t>(n++)] = c;
                }
            }
            const EvalHand whole = e.hand(std::span(hand.data(), static_cast<std::size_t>(size)));
            HandValue best = 0;
            for (unsigned left = 0; left < (1u << size); ++left) {
                if (std::popcount(left) != 5)
                    continue;
                EvalHand five;
                for (int k = 0; k < size; ++k)
                    if (left & (1u << k))
                        five += e.card(hand[static_cast<std::size_t>(k)]);
                best = std::max(best, e.evaluate(five));
            }
            ASSERT_EQ(e.evaluate(whole), best) << joinCardTexts(hand.data(), static_cast<std::size_t>(size), ',');
        }
    }
}

TEST(HandEvaluator, EverySevenCardHandByCategory)
{
    const HandEvaluator& e = evaluator();
    std::array<std::uint64_t, 11> perCategory{};
    std::vector<bool> seen(65536);
    for (Card a = 0; a < 52; ++a) {
        const EvalHand ha = e.card(a);
        for (Card b = a + 1; b < 52; ++b) {
            const EvalHand hb = ha + e.card(b);
            for (Card c = b + 1; c < 52; ++c) {
                const EvalHand hc = hb + e.card(c);
                for (Card d = c + 1; d < 52; ++d) {
                    const EvalHand hd = hc + e.card(d);
                    for (Card f = d + 1; f < 52; ++f) {
                        const EvalHand hf = hd + e.card(f);
                        for (Card g = f + 1; g < 52; ++g) {
                            const EvalHand hg = hf + e.card(g);
                            for (Card h = g + 1; h < 52; ++h) {
                                const HandValue v = e.evaluate(hg + e.card(h));
                                ++perCategory[static_cast<std::size_t>(categoryOf(v))];
                                seen[v] = true;
                            }
                        }
                    }
                }
            }
        }
    }
    // The known category sizes of all 133,784,560 seven-card hands.
    EXPECT_EQ(perCategory, (std::array<std::uint64_t, 11>{0, 4324, 37260, 224848, 3473184, 4047644, 6180020, 6461620,
                                                          31433400, 58627800, 23294460}));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 4824);
}

TEST(HandEvaluator, CardsAddedInAnyOrderGiveTheSameValue)
{
    const auto hand = cards({"Ah", "Kh", "2c", "9h", "Th", "Qh", "3d"});
    const EvalHand board = evaluator().hand(std::span(hand).subspan(2));
    const EvalHand hole = evaluator().card(hand[0]) + evaluator().card(hand[1]);
    EXPECT_EQ(evaluator().evaluate(board + hole), valueOf(hand));
    EXPECT_EQ(categoryOf(valueOf(hand)), 5);
}

TEST(HandEvaluator, ComparisonRulesOnTrickyHands)
{
    // A straight from 9 down to 4 with the 8 missing below is 9-high.
    EXPECT_GT(valueOf(cards({"9c", "8d", "7h", "6s", "5c", "4d", "2h"})),
              valueOf(cards({"8c", "7d", "6h", "5s", "4c", "3d", "2h"})));
    // Ace with 2..6 is a 6-high straight, beating the wheel.
    EXPECT_GT(valueOf(cards({"Ac", "2d", "3h", "4s", "5c", "6d", "Jh"})),
              valueOf(cards({"Ac", "2d", "3h", "4s", "5c", "Qd", "Jh"})));
    EXPECT_EQ(categoryOf(valueOf(cards({"Ac", "2d", "3h", "4s", "5c", "Qd", "Jh"}))), 6);
    // Two sets make a full house, the higher set over the lower.
    const HandValue kingsOverSevens = valueOf(cards({"Kc", "Kd", "Kh", "7s", "7c", "7d", "2h"}));
    EXPECT_EQ(categoryOf(kingsOverSevens), 4);
    EXPECT_EQ(kingsOverSevens, valueOf(cards({"Kc", "Kd", "Ks", "7s", "7c", "2c", "3h"})));
    // Third pair's rank is a two-pair kicker.
    EXPECT_EQ(valueOf(cards({"Kc", "Kd", "9h", "9s", "8c", "8d", "2h"})),
              valueOf(cards({"Kc", "Kd", "9h", "9s", "8c", "3d", "2h"})));
    // Royal flush is its own category; a straight flush to the king is not.
    EXPECT_EQ(categoryOf(valueOf(cards({"As", "Ks", "Qs", "Js", "Ts", "2c", "3h"}))), 1);
    EXPECT_EQ(categoryOf(valueOf(cards({"9s", "Ks", "Qs", "Js", "Ts", "2c", "3h"}))), 2);
}

TEST(HandEvaluator, TablesStaySmall)
{
    EXPECT_LT(evaluator().tableBytes(), 400u * 1024u);
}
