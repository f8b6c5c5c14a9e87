// The mask-based calculation against a slow, literal text evaluation: pattern
// lines as "AHerz,KHerz,..." strings, every membership a substring search.
#include "cards/CardText.h"
#include "cards/Combinations.h"
#include "cards/NumberFormat.h"
#include "cards/OutsCalculator.h"
#include "preflop/HandCalculation.h"
#include "preflop/Sklansky.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>

using namespace tallyhand;

namespace {

using Texts = std::vector<std::string>;

struct TextLists {
    Texts royal, straightflush, quads, fullhouse, flush, straight, trips, twopair, pair;
};

Texts texts(const PatternList& list)
{
    Texts t;
    for (const auto& line : list)
        t.push_back(patternLineText(line));
    return t;
}

const PatternLists& patterns()
{
    static const PatternLists p = buildPatternLists();
    return p;
}

const TextLists& textLists()
{
    static const TextLists t{texts(patterns().royal),     texts(patterns().straightflush), texts(patterns().quads),
                             texts(patterns().fullhouse), texts(patterns().flush),         texts(patterns().straight),
                             texts(patterns().trips),     texts(patterns().twopair),       texts(patterns().pair)};
    return t;
}

// A text that is not a complete card text matches nothing.
bool cardInText(const std::string& card, const std::string& text)
{
    return parseCardText(card).has_value() && text.find(card) != std::string::npos;
}

int rankValue(const std::string& card)
{
    if (!parseCardText(card))
        return 0;
    for (int i = 14; i >= 2; --i)
        if (kRankChars[static_cast<std::size_t>(i)] == card[0])
            return i;
    return 0;
}

bool sameRank(const std::string& a, const std::string& b)
{
    return rankValue(a) != 0 && rankValue(b) != 0 && a[0] == b[0];
}

Texts split(const std::string& line)
{
    Texts parts;
    std::stringstream s(line);
    std::string part;
    while (std::getline(s, part, ','))
        parts.push_back(part);
    return parts;
}

bool isCounted(const Texts& counted, const std::string& part)
{
    return std::find(counted.begin(), counted.end(), part) != counted.end();
}

struct Eval {
    int count = 0;
    std::string text;
};

Eval evalCategory(const Texts& hand, const Texts& list, int made, int out, const std::string& label)
{
    Eval r;
    for (const auto& line : list) {
        int m = 0;
        Texts counted;
        for (const auto& card : hand) {
            if (card.empty())
                break;
            if (cardInText(card, line)) {
                ++m;
                counted.push_back(card);
            }
        }
        if (m == made)
            return {-1, label + line};
        if (m == out) {
            Texts parts = split(line);
            for (auto& part : parts)
                if (isCounted(counted, part))
                    part.clear();
            for (const auto& part : parts)
                if (!part.empty() && !cardInText(part, r.text)) {
                    r.text += part + " ";
                    ++r.count;
                }
        }
    }
    return r;
}

std::string tripsMissingCard(const Texts& hand, const std::string& line)
{
    int n = 0;
    Texts counted;
    for (const auto& card : hand) {
        if (card.empty() || n == 3)
            break;
        if (cardInText(card, line)) {
            ++n;
            counted.push_back(card);
        }
    }
    if (n == 3)
        return "Aktuell";
    if (n == 2)
        for (const auto& part : split(line))
            if (!isCounted(counted, part))
                return part;
    return "";
}

Eval evalSet(const Texts& hand, const std::string& label)
{
    Eval r;
    for (const auto& line : textLists().trips) {
        const std::string missing = tripsMissingCard(hand, line);
        if (missing == "Aktuell")
            return {-1, label + line};
        if (!missing.empty() && !cardInText(missing, r.text)) {
            r.text += " " + missing;
            ++r.count;
        }
    }
    return r;
}

Eval evalPair(const Texts& hand)
{
    int best = 0;
    for (std::size_t i = 0; i < hand.size(); ++i)
        for (std::size_t j = i + 1; j < hand.size(); ++j)
            if (sameRank(hand[i], hand[j]))
                best = std::max(best, rankValue(hand[i]));
    Eval r;
    if (best != 0) {
        int taken = 0;
        for (const auto& card : hand)
            if (rankValue(card) == best && taken < 2) {
                r.text += card + " ";
                ++taken;
            }
        r.count = -1;
        return r;
    }
    for (const auto& line : textLists().pair)
        for (const auto& card : hand)
            if (!card.empty() && cardInText(card, line)) {
                const Texts parts = split(line);
                const std::string other = parts[0] == card ? parts[1] : parts[0];
                if (!cardInText(other, r.text)) {
                    r.text += " " + other;
                    ++r.count;
                }
            }
    return r;
}

std::string highestCard(const Texts& hand)
{
    std::string best;
    for (const auto& card : hand)
        if (rankValue(card) > rankValue(best))
            best = card;
    return best;
}

std::string kickerText(int category, const std::string& made, const Texts& hand)
{
    const int k = category == 1 ? 3 : category == 2 ? 1 : category == 3 ? 2 : category == 7 ? 1 : 4;
    std::array<std::string, 15> noted;
    for (const auto& card : hand)
        if (rankValue(card) != 0 && !cardInText(card, made))
            noted[static_cast<std::size_t>(rankValue(card))] = card;
    std::string text;
    int taken = 0;
    for (int v = 14; v >= 2; --v)
        if (!noted[static_cast<std::size_t>(v)].empty() && taken < k) {
            text += noted[static_cast<std::size_t>(v)] + " ";
            ++taken;
        }
    return text;
}

std::string fixed2(double value, char separator)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string s = buffer;
    std::replace(s.begin(), s.end(), '.', separator);
    return s;
}

std::string general(double value, char separator)
{
    std::ostringstream s;
    s.precision(15);
    s << value;
    std::string text = s.str();
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

std::string trim(const std::string& s)
{
    const auto b = s.find_first_not_of(' ');
    return b == std::string::npos ? "" : s.substr(b, s.find_last_not_of(' ') - b + 1);
}

struct Reference {
    CalcOutput out;
    int madeCategory = 0;
    CardMask shown = 0;
};

Reference literalCalculation(const CalcInput& input)
{
    Reference ref;
    CalcOutput& out = ref.out;
    // A later edit repeating a card counts as empty.
    Texts hand(input.edits.begin(), input.edits.end());
    for (std::size_t i = 0; i < hand.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (parseCardText(hand[i]) && hand[i] == hand[j]) {
                hand[i].clear();
                out.duplicateEdits.push_back(static_cast<int>(i));
                break;
            }
    const char sep = input.decimalSeparator;

    // ShowPreflopRating
    if (rankValue(hand[0]) != 0 && rankValue(hand[1]) != 0) {
        const int r1 = rankValue(hand[0]), r2 = rankValue(hand[1]);
        int kind = 2;
        if (r1 != r2)
            for (int s = 1; s <= 4; ++s) {
                const std::string word(kSuitNames[static_cast<std::size_t>(s)]);
                if (hand[0].find(word) != std::string::npos && hand[1].find(word) != std::string::npos)
                    kind = 1;
            }
        const SklanskyEntry& e = sklanskyTable().at(r1, r2, kind);
        out.sklanskyGroup = std::to_string(e.num);
        out.sklanskyPercent = general(e.wahr(), sep) + "%";
    }

    int made = 0;
    if (trim(hand[2]).empty()) {
        if (sameRank(hand[0], hand[1])) {
            out.akt = "Pair Aktuell :" + hand[0] + " " + hand[1];
            const Eval set = evalSet({hand[0], hand[1], "", "", "", "", ""}, "Set Aktuell :");
            if (set.count == -1)
                out.akt = set.text;
            else if (set.count >= 1)
                out.outsMemo = {"Set Outs : " + std::to_string(set.count), set.text};
        } else {
            int count = 0;
            std::string text;
            for (const auto& line : textLists().pair) {
                const Texts parts = split(line);
                for (const auto& hole : {hand[0], hand[1]})
                    if (cardInText(hole, line)) {
                        ++count;
                        text += " " + (parts[0] == hole ? parts[1] : parts[0]);
                    }
            }
            out.outsMemo = {"Pair Outs : " + std::to_string(count), text};
            out.akt = "High Card : " + highestCard(hand);
            out.kicker = kickerText(0, out.akt, hand);
        }
    } else {
        const TextLists& t = textLists();
        struct Step {
            int category;
            const Texts* list;
            int made, out;
            std::string label, memo;
        };
        const std::vector<Step> steps{
            {1, &t.pair, 0, 0, "Pair : ", "Pair Outs : "},
            {2, &t.twopair, 4, 3, "Two Pair :", "Two Pair Outs : "},
            {3, &t.trips, 0, 0, "Set :", "Set Outs : "},
            {4, &t.straight, 5, 4, "Straight :", "Straight Outs : "},
            {5, &t.flush, 5, 4, "Flush :", "Flush Outs : "},
            {6, &t.fullhouse, 5, 4, "Full House :", "Full_House Outs : "},
            {7, &t.quads, 4, 3, "Quads :", "Quads Outs : "},
            {8, &t.straightflush, 5, 4, "StraightFlush :", "Straight Flush Outs : "},
            {9, &t.royal, 5, 4, "Royal Flush :", "Royal Flush Outs : "},
        };
        for (const Step& s : steps) {
            Eval e;
            if (s.category == 1) {
                e = evalPair(hand);
                if (e.count == -1)
                    e.text = "Pair : " + e.text;
            } else if (s.category == 3) {
                e = evalSet(hand, s.label);
            } else {
                e = evalCategory(hand, *s.list, s.made, s.out, s.label);
            }
            const auto row = static_cast<std::size_t>(9 - s.category);
            if (e.count == -1) {
                out.akt = e.text;
                out.outs[row] = "Aktuell";
                out.outsMade[row] = true;
                made = s.category;
            } else if (e.count > 0) {
                out.outsMemo.push_back(s.memo + std::to_string(e.count));
                out.outsMemo.push_back(e.text);
                out.outs[row] = std::to_string(e.count);
            }
        }
        if (made == 0) {
            out.akt = "High Card : " + highestCard(hand);
            out.kicker = kickerText(0, out.akt, hand);
        } else if (made == 4 || made == 5 || made == 6 || made == 8 || made == 9) {
            out.kicker = "---";
        } else {
            out.kicker = kickerText(made, out.akt, hand);
        }
    }

    // CountTotalOuts
    int total = 0;
    for (Card c = 0; c < kCardCount; ++c)
        for (const auto& line : out.outsMemo)
            if (cardInText(cardText(c), line)) {
                ++total;
                break;
            }
    out.totalOuts = std::to_string(total);

    // FillOddsColumns
    std::optional<int> pot;
    if (!input.pot.empty()) {
        pot = parseWholeNumber(input.pot);
        if (!pot)
            out.potError = "Der Pot muss eine ganze Zahl sein.";
    }
    if (!hand[2].empty()) {
        const int u = hand[5].empty() ? 47 : 46;
        for (std::size_t row = 0; row < 9; ++row) {
            if (out.outs[row].empty())
                continue;
            if (out.outs[row] == "Aktuell") {
                out.odds[row] = "100%";
                continue;
            }
            const double n = std::stoi(out.outs[row]);
            out.odds[row] = fixed2(n / u * 100, sep);
            if (pot)
                out.potOdds[row] = fixed2(*pot * (n / u), sep);
        }
    }

    // Danger colours
    std::array<int, 5> suits{};
    for (std::size_t i = 2; i < 7; ++i)
        for (int s = 1; s <= 4; ++s)
            if (parseCardText(hand[i]) && hand[i].find(kSuitNames[static_cast<std::size_t>(s)]) != std::string::npos)
                ++suits[static_cast<std::size_t>(s)];
    out.flushDanger = kGreen;
    for (int n : suits)
        if (n == 3)
            out.flushDanger = kYellow;
    for (int n : suits)
        if (n >= 4)
            out.flushDanger = kRed;
    const Eval straight =
        evalCategory({hand[2], hand[3], hand[4], hand[5], hand[6], "", ""}, textLists().straight, 5, 4, "Straight :");
    out.straightDanger = straight.count == -1 ? kRed
                         : straight.count == 4 ? kYellow
                         : straight.count == 8 ? kOrange
                                               : kGreen;

    ref.madeCategory = made;
    for (const auto& card : hand)
        if (!card.empty() && (cardInText(card, out.akt) || cardInText(card, out.kicker)))
            ref.shown |= maskOf(*parseCardText(card));
    return ref;
}

// Hands with a bias towards draws and made hands: cards from a narrow slice of the deck.
CalcInput randomInput(std::mt19937& rng)
{
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    CalcInput input;
    // Full deck, few suits, few ranks, both, both at the top, very few ranks.
    const int mode = pick(6);
    const int suits = mode == 1 || mode == 3 || mode == 4 ? 1 + pick(2) : 4;
    int lowRank = 2, highRank = 14;
    if (mode == 4)
        lowRank = 10;
    else if (mode == 2 || mode == 3)
        highRank = std::min(14, (lowRank = 2 + pick(8)) + 4 + pick(3));
    else if (mode == 5)
        highRank = (lowRank = 2 + pick(11)) + 1 + pick(2);
    auto randomCard = [&] {
        return cardText(makeCard(lowRank + pick(highRank - lowRank + 1), 1 + pick(suits)));
    };
    const int cards = 2 + pick(6);
    std::vector<std::string> taken;
    for (int i = 0; i < cards; ++i) {
        std::string c = randomCard();
        for (int tries = 0; tries < 20 && std::find(taken.begin(), taken.end(), c) != taken.end(); ++tries)
            c = randomCard();
        taken.push_back(c);
        input.edits[static_cast<std::size_t>(i)] = c;
    }
    // Occasional gaps, non-card texts and repeated cards.
    for (int i = 0; i < 7; ++i) {
        const int r = pick(40);
        auto& e = input.edits[static_cast<std::size_t>(i)];
        if (r == 0)
            e.clear();
        else if (r == 1)
            e = std::vector<std::string>{"AH", "A", "ax", "AHerzX", " ", "Herz"}[static_cast<std::size_t>(pick(6))];
        else if (r == 2 && i > 0)
            e = input.edits[static_cast<std::size_t>(pick(i))];
    }
    input.pot = std::vector<std::string>{"", "", "100", "37", "1", "abc", "12.5", "-20"}[static_cast<std::size_t>(pick(8))];
    input.decimalSeparator = pick(2) == 0 ? '.' : ',';
    input.previousRank = std::to_string(pick(7000));
    return input;
}

std::string describe(const CalcInput& input)
{
    std::string s;
    for (const auto& e : input.edits)
        s += "[" + e + "]";
    return s + " pot [" + input.pot + "]";
}

} // namespace

// Fewer hands where the build is slow (debug, sanitizers).
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
constexpr int kRandomHands = 2500;
#else
constexpr int kRandomHands = 300;
#endif

TEST(CalculationCrossCheck, MasksAgreeWithLiteralTextEvaluation)
{
    std::mt19937 rng(20240611);
    for (int n = 0; n < kRandomHands; ++n) {
        const CalcInput input = randomInput(rng);
        const CalcOutput fast = calculateOutsAndOdds(patterns(), input);
        const Reference ref = literalCalculation(input);
        const CalcOutput& slow = ref.out;
        SCOPED_TRACE(describe(input));
        EXPECT_EQ(fast.akt, slow.akt);
        EXPECT_EQ(fast.kicker, slow.kicker);
        EXPECT_EQ(fast.totalOuts, slow.totalOuts);
        EXPECT_EQ(fast.outs, slow.outs);
        EXPECT_EQ(fast.outsMade, slow.outsMade);
        EXPECT_EQ(fast.odds, slow.odds);
        EXPECT_EQ(fast.potOdds, slow.potOdds);
        EXPECT_EQ(fast.outsMemo, slow.outsMemo);
        EXPECT_EQ(fast.flushDanger, slow.flushDanger);
        EXPECT_EQ(fast.straightDanger, slow.straightDanger);
        EXPECT_EQ(fast.sklanskyGroup, slow.sklanskyGroup);
        EXPECT_EQ(fast.sklanskyPercent, slow.sklanskyPercent);
        EXPECT_EQ(fast.potError, slow.potError);
        EXPECT_EQ(fast.duplicateEdits, slow.duplicateEdits);
        EXPECT_EQ(fast.rankInput.madeCategory, ref.madeCategory);
        EXPECT_EQ(fast.rankInput.shown, ref.shown);
        EXPECT_EQ(fast.rankInput.previousRank, input.previousRank);
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(fast.rankInput.filled[i], !input.edits[i].empty() &&
                                                    std::find(slow.duplicateEdits.begin(), slow.duplicateEdits.end(),
                                                              static_cast<int>(i)) == slow.duplicateEdits.end());
        }
        if (HasFailure())
            break;
    }
}
