#include "cards/CardList.h"
#include "cards/CardText.h"
#include "preflop/HandRange.h"
#include "preflop/RangeEquity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace tallyhand;

namespace {

// Class names of a range's hands with how many hands each has.
std::map<std::string, int> handsPerClass(const HandRange& range)
{
    std::map<std::string, int> out;
    for (const auto& h : range.hands)
        ++out[startingClassName(startingClassOf(h.cards[0], h.cards[1]))];
    return out;
}

struct ClassCase {
    const char* text;
    std::set<std::string> classes; // each held with all its hands
};

TEST(HandRange, FormsGiveWholeClasses)
{
    const std::vector<ClassCase> cases{
        {"AKs", {"AKs"}},
        {"AKo", {"AKo"}},
        {"AK", {"AKs", "AKo"}},
        {"ka", {"AKs", "AKo"}},
        {"QQ", {"QQ"}},
        {"QQ+", {"QQ", "KK", "AA"}},
        {"ATs+", {"ATs", "AJs", "AQs", "AKs"}},
        {"KTo+", {"KTo", "KJo", "KQo"}},
        {"AT+", {"ATs", "AJs", "AQs", "AKs", "ATo", "AJo", "AQo", "AKo"}},
        {"76s-54s", {"76s", "65s", "54s"}},
        {"54s-76s", {"76s", "65s", "54s"}},
        {"AKs-QJs", {"AKs", "KQs", "QJs"}},
        {"A5s-A2s", {"A5s", "A4s", "A3s", "A2s"}},
        {"99-66", {"99", "88", "77", "66"}},
        {" 22 , AKs ,AK", {"22", "AKs", "AKo"}},
    };
    for (const auto& c : cases) {
        const RangeParse parsed = parseRange(c.text);
        ASSERT_TRUE(parsed.ok()) << c.text << ": " << parsed.error;
        const auto classes = handsPerClass(parsed.range);
        std::set<std::string> names;
        for (const auto& [name, count] : classes) {
            names.insert(name);
            const auto it = std::find_if(parsed.range.hands.begin(), parsed.range.hands.end(), [&](const auto& h) {
                return startingClassName(startingClassOf(h.cards[0], h.cards[1])) == name;
            });
            EXPECT_EQ(count, startingClassCombos(startingClassOf(it->cards[0], it->cards[1]))) << c.text << " " << name;
        }
        EXPECT_EQ(names, c.classes) << c.text;
        EXPECT_FALSE(parsed.range.single) << c.text;
    }
}

TEST(HandRange, SingleHandsRandomAndWeights)
{
    const RangeParse hand = parseRange("AhKd");
    ASSERT_TRUE(hand.ok());
    ASSERT_EQ(hand.range.hands.size(), 1u);
    EXPECT_TRUE(hand.range.single);
    EXPECT_EQ(maskOf(*parseHistoryCard("Ah")) | maskOf(*parseHistoryCard("Kd")), hand.range.cards());

    EXPECT_EQ(parseRange("random").range.hands.size(), static_cast<std::size_t>(kComboCount));
    EXPECT_EQ(parseRange("100%").range.hands.size(), static_cast<std::size_t>(kComboCount));

    // The later part's weight wins for a hand named twice.
    const RangeParse weighted = parseRange("AA:0.5,KK,AhAs:.25");
    ASSERT_TRUE(weighted.ok()) << weighted.error;
    EXPECT_EQ(weighted.range.hands.size(), 12u);
    for (const auto& h : weighted.range.hands) {
        const bool aces = rankOf(h.cards[0]) == 14;
        const bool named = h.cards == std::array<Card, 2>{*parseHistoryCard("As"), *parseHistoryCard("Ah")} ||
                           h.cards == std::array<Card, 2>{*parseHistoryCard("Ah"), *parseHistoryCard("As")};
        EXPECT_EQ(h.weight, named ? 25u : aces ? 50u : kFullWeight);
    }
}

TEST(HandRange, TopShareTakesClassesInOrderUntilTheShareIsReached)
{
    for (double percent : {0.1, 5.0, 15.0, 33.3, 50.0, 99.9}) {
        const RangeParse parsed = parseRange(std::to_string(percent) + "%");
        ASSERT_TRUE(parsed.ok()) << percent;
        const auto classes = topClasses(percent);
        const double target = percent / 100 * kComboCount;
        const auto hands = static_cast<double>(parsed.range.hands.size());
        EXPECT_GE(hands, target - 1e-9) << percent;
        EXPECT_LT(hands - startingClassCombos(classes.back()), target) << percent;
        // Every class taken is at least as strong as every class left out.
        const auto& order = startingClassOrder();
        EXPECT_TRUE(std::equal(classes.begin(), classes.end(), order.begin())) << percent;
    }
}

TEST(HandRange, ErrorsNameTheBadPart)
{
    const std::vector<std::pair<const char*, const char*>> cases{
        {"", "leer"},
        {"   ", "leer"},
        {"AK,,QQ", "leeren Teil"},
        {"AK,", "leeren Teil"},
        {"AKx", "\u201EAKx\u201C"},
        {"AAs", "\u201EAAs\u201C"},
        {"QQ++", "\u201EQQ++\u201C"},
        {"XhKd", "\u201EXhKd\u201C"},
        {"AhAh", "dieselbe Karte"},
        {"AK:1.5", "\u201EAK:1.5\u201C"},
        {"AK:0", "Gewicht"},
        {"AK:0.333", "Gewicht"},
        {"AK:", "Gewicht"},
        {":0.5", "keine H\u00E4nde"},
        {"AKs-76o", "Reihe"},
        {"A5s-K2s", "Reihe"},
        {"99-A5s", "Reihe"},
        {"0%", "Anteil"},
        {"150%", "Anteil"},
        {"abc%", "Anteil"},
        {"QQ+, 7x", "\u201E7x\u201C"},
    };
    for (const auto& [text, expected] : cases) {
        const RangeParse parsed = parseRange(text);
        EXPECT_FALSE(parsed.ok()) << text;
        EXPECT_NE(parsed.error.find(expected), std::string::npos) << text << ": " << parsed.error;
    }
}

TEST(HandRange, ClassesCoverEveryHandOnce)
{
    std::array<int, kStartingClassCount> seen{};
    for (Card a = 0; a < kCardCount; ++a)
        for (Card b = 0; b < a; ++b) {
            const int cls = startingClassOf(a, b);
            ++seen[static_cast<std::size_t>(cls)];
            const std::string name = startingClassName(cls);
            EXPECT_EQ(name[0], rankChar(std::max(rankOf(a), rankOf(b))));
            EXPECT_EQ(name[1], rankChar(std::min(rankOf(a), rankOf(b))));
            const char kind = rankOf(a) == rankOf(b) ? 0 : suitOf(a) == suitOf(b) ? 's' : 'o';
            EXPECT_EQ(name.size() == 3 ? name[2] : 0, kind);
        }
    for (int cls = 0; cls < kStartingClassCount; ++cls) {
        EXPECT_EQ(seen[static_cast<std::size_t>(cls)], startingClassCombos(cls));
        EXPECT_EQ(static_cast<int>(startingClassHands(cls).size()), startingClassCombos(cls));
    }
}

TEST(HandRange, KnownCardsAreRemoved)
{
    const HandRange aces = parseRange("AA,KhKs").range;
    const HandRange left = withoutCards(aces, maskOf(*parseHistoryCard("Ah")) | maskOf(*parseHistoryCard("Ks")));
    EXPECT_EQ(left.hands.size(), 3u);
    for (const auto& h : left.hands)
        EXPECT_TRUE(h.cards[0] != *parseHistoryCard("Ah") && h.cards[1] != *parseHistoryCard("Ah"));
}

TEST(HandRange, KnownHandsInEveryCardNotation)
{
    const std::array<Card, 2> expected{*parseHistoryCard("Ah"), *parseHistoryCard("Kd")};
    for (const char* text : {"AhKd", "KdAh", "Ah Kd", "AHerz,KKaro", "AHerz KKaro"}) {
        const RangeParse parsed = parseHandOrRange(text);
        ASSERT_TRUE(parsed.ok()) << text;
        ASSERT_EQ(parsed.range.hands.size(), 1u) << text;
        EXPECT_TRUE(parsed.range.single) << text;
        EXPECT_EQ(parsed.range.hands[0].cards, expected) << text;
    }
    // Not two distinct cards: read as a range, with its message.
    for (const char* text : {"AhAh", "AhKdQs", "Ah"})
        EXPECT_FALSE(parseHandOrRange(text).ok()) << text;
    EXPECT_FALSE(parseCardList("AhK").has_value());
    EXPECT_FALSE(parseCardList("AHerz,Xx").has_value());
    EXPECT_EQ(parseCardList("")->size(), 0u);
    EXPECT_EQ(parseCardList("Th9h2s")->size(), 3u);
}

TEST(HandRange, ClassListTextReadsBackAsTheSameClasses)
{
    for (const char* text : {"QQ+,AKo", "22+,A2s+,KTs+,QTs+,JTs,ATo+,KQo", "random", "15%"}) {
        const auto classes = classesOf(parseRange(text).range);
        const RangeParse again = parseRange(classListText(classes));
        ASSERT_TRUE(again.ok()) << text;
        EXPECT_EQ(classesOf(again.range), classes) << text;
        EXPECT_EQ(again.range.hands.size(), parseRange(text).range.hands.size()) << text;
    }
}

// The shipped class order agrees with the engine: sampled neighbours in it are
// in descending order of their equity against a random hand.
TEST(HandRange, ShippedOrderFollowsEquityAgainstRandom)
{
    const auto& order = startingClassOrder();
    std::set<int> all(order.begin(), order.end());
    EXPECT_EQ(all.size(), static_cast<std::size_t>(kStartingClassCount));
    const auto equityOf = [](int cls) {
        RangeSetup setup;
        HandRange hero;
        hero.single = true;
        hero.hands.push_back({startingClassHands(cls).front(), kFullWeight});
        setup.players = {hero, parseRange("random").range};
        RangeEquityOptions options;
        options.forceExact = true;
        return runRangeEquity(setup, options).players[0].total.equity();
    };
    for (std::size_t i : {0u, 40u, 100u, 167u})
        EXPECT_GE(equityOf(order[i]), equityOf(order[i + 1])) << startingClassName(order[i]);
}

} // namespace
