#include "cards/OutsCalculator.h"

#include "cards/CardText.h"
#include "cards/NumberFormat.h"

#include <algorithm>

namespace tallyhand {
namespace {

bool isBlankText(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    return true;
}

void appendCard(std::string& text, Card c)
{
    text += rankChar(rankOf(c));
    text += kSuitNames[static_cast<std::size_t>(suitOf(c))];
}

std::string lineText(const PatternLine& line) { return patternLineText(line); }

struct CategoryRule {
    int category;
    const PatternList PatternLists::*list;
    int madeAt, outAt;
    std::string_view madeLabel, memoLabel;
};

// Categories two pair and straight up to royal flush; one pair and set have their own evaluators.
constexpr std::array<CategoryRule, 7> kRules{{
    {kTwoPair, &PatternLists::twopair, 4, 3, "Two Pair :", "Two Pair Outs : "},
    {kStraight, &PatternLists::straight, 5, 4, "Straight :", "Straight Outs : "},
    {kFlush, &PatternLists::flush, 5, 4, "Flush :", "Flush Outs : "},
    {kFullHouse, &PatternLists::fullhouse, 5, 4, "Full House :", "Full_House Outs : "},
    {kQuads, &PatternLists::quads, 4, 3, "Quads :", "Quads Outs : "},
    {kStraightFlush, &PatternLists::straightflush, 5, 4, "StraightFlush :", "Straight Flush Outs : "},
    {kRoyalFlush, &PatternLists::royal, 5, 4, "Royal Flush :", "Royal Flush Outs : "},
}};

void addToMemo(OutsResult& r, std::string_view label, const EvalResult& e, CardMask& outUnion)
{
    r.memo.push_back(std::string(label) + std::to_string(e.count));
    r.memo.push_back(e.text);
    outUnion |= e.cards;
}

std::string highCardText(const HandCards& hand, CardMask& madeCards)
{
    std::string text = "High Card : ";
    if (const auto c = highestCard(hand)) {
        appendCard(text, *c);
        madeCards = maskOf(*c);
    }
    return text;
}

void preflop(const PatternLists& patterns, const HandCards& hand, OutsResult& r, CardMask& outUnion)
{
    const auto& h1 = hand.cards[kHole1];
    const auto& h2 = hand.cards[kHole2];
    if (h1 && h2 && rankOf(*h1) == rankOf(*h2)) {
        r.akt = "Pair Aktuell :" + cardText(*h1) + " " + cardText(*h2);
        r.shown = maskOf(*h1) | maskOf(*h2);
        const EvalResult set = evalSet(patterns.trips, r.shown, "Set Aktuell :");
        if (set.count == -1) {
            r.akt = set.text;
            r.shown = set.cards;
        } else if (set.count >= 1) {
            addToMemo(r, "Set Outs : ", set, outUnion);
        }
        return;
    }
    // Every pair line holding a hole card names its other card; no line holds both.
    EvalResult pair;
    for (const PatternLine& line : patterns.pair)
        for (const auto& hole : {h1, h2})
            if (hole && contains(line.mask, *hole)) {
                const Card other = line.cards[0] == *hole ? line.cards[1] : line.cards[0];
                ++pair.count;
                pair.text += ' ';
                appendCard(pair.text, other);
                pair.cards |= maskOf(other);
            }
    addToMemo(r, "Pair Outs : ", pair, outUnion);
    CardMask made = 0, kickers = 0;
    r.akt = highCardText(hand, made);
    r.kicker = kickerText(kHighCard, made, hand, &kickers);
    r.shown = made | kickers;
}

void board(const PatternLists& patterns, const HandCards& hand, OutsResult& r, CardMask& outUnion)
{
    const CardMask counted = countedCards(hand);
    CardMask madeCards = 0;
    auto record = [&](int category, std::string_view memoLabel, std::string madeText, const EvalResult& e) {
        const auto row = static_cast<std::size_t>(rowOfCategory(category));
        if (e.count == -1) {
            r.akt = std::move(madeText);
            r.outs[row] = "Aktuell";
            r.outsMade[row] = true;
            r.madeCategory = category;
            madeCards = e.cards;
        } else if (e.count > 0) {
            addToMemo(r, memoLabel, e, outUnion);
            r.outs[row] = std::to_string(e.count);
        }
    };

    const EvalResult pair = evalPair(patterns.pair, hand);
    record(kOnePair, "Pair Outs : ", "Pair : " + pair.text, pair);
    for (const CategoryRule& rule : kRules) {
        if (rule.category == kStraight) {
            const EvalResult set = evalSet(patterns.trips, counted);
            record(kSet, "Set Outs : ", set.text, set);
        }
        const EvalResult e = evalCategory(patterns.*rule.list, counted, rule.madeAt, rule.outAt, rule.madeLabel);
        record(rule.category, rule.memoLabel, e.text, e);
    }

    if (r.madeCategory == kHighCard) {
        r.akt = highCardText(hand, madeCards);
        CardMask kickers = 0;
        r.kicker = kickerText(kHighCard, madeCards, hand, &kickers);
        r.shown = madeCards | kickers;
        return;
    }
    switch (r.madeCategory) {
    case kStraight: case kFlush: case kFullHouse: case kStraightFlush: case kRoyalFlush:
        r.kicker = "---";
        r.shown = madeCards;
        break;
    default: {
        CardMask kickers = 0;
        r.kicker = kickerText(r.madeCategory, madeCards, hand, &kickers);
        r.shown = madeCards | kickers;
    }
    }
}

} // namespace

HandCards readHandCards(const std::array<std::string, 7>& edits)
{
    HandCards hand;
    CardMask seen = 0;
    for (std::size_t i = 0; i < edits.size(); ++i) {
        if (edits[i].empty())
            continue;
        const auto card = parseCardText(edits[i]);
        if (card && contains(seen, *card)) {
            hand.duplicates.push_back(static_cast<int>(i));
            continue;
        }
        hand.filled[i] = true;
        hand.cards[i] = card;
        if (card)
            seen |= maskOf(*card);
    }
    hand.boardStarted = hand.filled[kFlop1] && !isBlankText(edits[kFlop1]);
    return hand;
}

CardMask allCards(const HandCards& hand)
{
    CardMask m = 0;
    for (const auto& c : hand.cards)
        if (c)
            m |= maskOf(*c);
    return m;
}

CardMask countedCards(const HandCards& hand, int first)
{
    CardMask m = 0;
    for (std::size_t i = static_cast<std::size_t>(first); i < hand.cards.size() && hand.filled[i]; ++i)
        if (hand.cards[i])
            m |= maskOf(*hand.cards[i]);
    return m;
}

EvalResult evalCategory(const PatternList& list, CardMask counted, int madeAt, int outAt, std::string_view label)
{
    EvalResult r;
    for (const PatternLine& line : list) {
        const int m = cardCount(line.mask & counted);
        if (m == madeAt) {
            r.count = -1;
            r.text = std::string(label) + lineText(line);
            r.cards = line.mask;
            return r;
        }
        if (m != outAt)
            continue;
        for (std::uint8_t i = 0; i < line.size; ++i) {
            const Card c = line.cards[i];
            if (contains(counted, c) || contains(r.cards, c))
                continue;
            appendCard(r.text, c);
            r.text += ' ';
            r.cards |= maskOf(c);
            ++r.count;
        }
    }
    return r;
}

EvalResult evalSet(const PatternList& trips, CardMask counted, std::string_view label)
{
    EvalResult r;
    for (const PatternLine& line : trips) {
        const int m = cardCount(line.mask & counted);
        if (m == 3) {
            r.count = -1;
            r.text = std::string(label) + lineText(line);
            r.cards = line.mask;
            return r;
        }
        if (m != 2)
            continue;
        const CardMask missing = line.mask & ~counted;
        if (contains(r.cards, static_cast<Card>(std::countr_zero(missing))))
            continue;
        r.text += ' ';
        appendCard(r.text, static_cast<Card>(std::countr_zero(missing)));
        r.cards |= missing;
        ++r.count;
    }
    return r;
}

EvalResult evalPair(const PatternList& pairs, const HandCards& hand)
{
    EvalResult r;
    std::array<int, kMaxRank + 1> seenOfRank{};
    int best = 0;
    for (const auto& c : hand.cards)
        if (c && ++seenOfRank[static_cast<std::size_t>(rankOf(*c))] == 2)
            best = std::max(best, rankOf(*c));
    if (best != 0) {
        r.count = -1;
        int taken = 0;
        for (const auto& c : hand.cards)
            if (c && rankOf(*c) == best && taken < 2) {
                appendCard(r.text, *c);
                r.text += ' ';
                r.cards |= maskOf(*c);
                ++taken;
            }
        return r;
    }
    // No two cards share a rank, so a pair line holds at most one of them.
    const CardMask all = allCards(hand);
    for (const PatternLine& line : pairs) {
        if ((line.mask & all) == 0)
            continue;
        const CardMask other = line.mask & ~all;
        const Card out = static_cast<Card>(std::countr_zero(other));
        if (contains(r.cards, out))
            continue;
        r.text += ' ';
        appendCard(r.text, out);
        r.cards |= other;
        ++r.count;
    }
    return r;
}

std::optional<Card> highestCard(const HandCards& hand)
{
    std::optional<Card> best;
    for (const auto& c : hand.cards)
        if (c && (!best || rankOf(*c) > rankOf(*best)))
            best = c;
    return best;
}

std::string kickerText(int category, CardMask madeCards, const HandCards& hand, CardMask* kickers)
{
    int wanted = 4;
    switch (category) {
    case kOnePair: wanted = 3; break;
    case kTwoPair: wanted = 1; break;
    case kSet: wanted = 2; break;
    case kQuads: wanted = 1; break;
    default: break;
    }
    std::array<std::optional<Card>, kMaxRank + 1> noted{};
    for (const auto& c : hand.cards)
        if (c && !contains(madeCards, *c))
            noted[static_cast<std::size_t>(rankOf(*c))] = c;
    std::string text;
    int taken = 0;
    for (int rank = kMaxRank; rank >= kMinRank && taken < wanted; --rank)
        if (const auto& c = noted[static_cast<std::size_t>(rank)]) {
            appendCard(text, *c);
            text += ' ';
            if (kickers)
                *kickers |= maskOf(*c);
            ++taken;
        }
    return text;
}

Rgb flushDangerColour(const HandCards& hand)
{
    std::array<int, 5> perSuit{};
    for (int i = kFlop1; i <= kRiver; ++i)
        if (const auto& c = hand.cards[static_cast<std::size_t>(i)])
            ++perSuit[static_cast<std::size_t>(suitOf(*c))];
    Rgb colour = kGreen;
    for (int n : perSuit) {
        if (n >= 4)
            return kRed;
        if (n == 3)
            colour = kYellow;
    }
    return colour;
}

Rgb straightDangerColour(const PatternList& straights, const HandCards& hand)
{
    const EvalResult e = evalCategory(straights, countedCards(hand, kFlop1), 5, 4, "Straight :");
    if (e.count == -1)
        return kRed;
    if (e.count == 4)
        return kYellow;
    if (e.count == 8)
        return kOrange;
    return kGreen;
}

OutsResult calculateOuts(const PatternLists& patterns, const HandCards& hand)
{
    OutsResult r;
    CardMask outUnion = 0;
    if (hand.boardStarted)
        board(patterns, hand, r, outUnion);
    else
        preflop(patterns, hand, r, outUnion);
    r.totalOuts = cardCount(outUnion);
    r.flushDanger = flushDangerColour(hand);
    r.straightDanger = straightDangerColour(patterns.straight, hand);
    return r;
}

int unseenCards(const HandCards& hand)
{
    if (!hand.filled[kFlop1])
        return 0;
    return hand.filled[kTurn] ? 46 : 47;
}

OddsColumns fillOddsColumns(const std::array<std::string, 9>& outs, int unseen, std::optional<int> pot,
                            char decimalSeparator)
{
    OddsColumns columns;
    if (unseen == 0)
        return columns;
    for (std::size_t row = 0; row < outs.size(); ++row) {
        if (outs[row].empty())
            continue;
        if (outs[row] == "Aktuell") {
            columns.odds[row] = "100%";
            continue;
        }
        const double share = static_cast<double>(std::stoi(outs[row])) / unseen;
        columns.odds[row] = formatFixed2(share * 100, decimalSeparator);
        if (pot)
            columns.potOdds[row] = formatFixed2(*pot * share, decimalSeparator);
    }
    return columns;
}

} // namespace tallyhand
