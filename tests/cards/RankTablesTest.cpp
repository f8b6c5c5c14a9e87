#include "SharedTables.h"

#include "cards/CardText.h"

#include <gtest/gtest.h>

#include <random>

using namespace tallyhand;
using tallyhand::test::generatedLists;
using tallyhand::test::generatedTables;

namespace {

Card c(std::string_view text) { return *parseCardText(text); }

CardMask maskOfLine(const RankLine& line)
{
    CardMask m = 0;
    for (Card card : line.cards)
        m |= maskOf(card);
    return m;
}

// The lookup as a walk over the lines: first line holding five of the cards.
int scanRank(const RankList& list, CardMask given)
{
    for (const RankLine& line : list)
        if (cardCount(maskOfLine(line) & given) >= 5)
            return line.rank;
    return 0;
}

std::vector<Card> randomCards(std::mt19937& rng, int count)
{
    std::vector<Card> deck(kCardCount);
    for (int i = 0; i < kCardCount; ++i)
        deck[static_cast<std::size_t>(i)] = static_cast<Card>(i);
    std::shuffle(deck.begin(), deck.end(), rng);
    deck.resize(static_cast<std::size_t>(count));
    return deck;
}

} // namespace

TEST(RankTables, FindsEveryLineWhereItStands)
{
    const RankTables& t = generatedTables();
    ASSERT_TRUE(t.isCanonical());
    for (int l = 0; l < kListCount; ++l) {
        const auto id = static_cast<ListId>(l);
        const RankList& list = t.list(id);
        ASSERT_EQ(list.size(), generatedLists()[static_cast<std::size_t>(l)].size());
        for (std::size_t pos = 0; pos < list.size(); ++pos) {
            const auto e = t.find(maskOfLine(list[pos]));
            ASSERT_TRUE(e.has_value());
            ASSERT_EQ(e->list, id);
            ASSERT_EQ(e->position, pos);
            ASSERT_EQ(e->rank, list[pos].rank);
        }
    }
    // A high-card holding, too few or too many cards.
    EXPECT_FALSE(t.find(maskOf(c("AHerz")) | maskOf(c("KPik")) | maskOf(c("9Herz")) | maskOf(c("5Karo"))
                        | maskOf(c("3Kreuz"))));
    EXPECT_FALSE(t.find(maskOf(c("AHerz")) | maskOf(c("AKreuz"))));
    EXPECT_FALSE(t.find(0));
}

TEST(RankTables, HoldsEverythingInFortyMegabytes)
{
    EXPECT_LE(generatedTables().memoryBytes(), 40u * 1000u * 1000u);
}

TEST(RankTables, LookupTakesTheFirstLineOfTheList)
{
    const RankTables& t = generatedTables();
    // A six-high and a five-high straight among seven cards: the six-high comes first.
    const std::vector<Card> straights{c("6Herz"), c("5Kreuz"), c("4Pik"), c("3Karo"), c("2Herz"), c("AKreuz"), c("KPik")};
    EXPECT_EQ(t.lookupRank(ListId::Straight, straights), 1608);
    // Two pairs among three: the two highest pairs with the best kicker.
    const std::vector<Card> threePairs{c("9Herz"), c("9Pik"), c("5Karo"), c("5Herz"), c("KKaro"), c("KKreuz"), c("2Herz")};
    EXPECT_EQ(t.lookupRank(ListId::TwoPair, threePairs),
              scanRank(t.list(ListId::TwoPair), maskOf(c("KKaro")) | maskOf(c("KKreuz")) | maskOf(c("9Herz"))
                                                    | maskOf(c("9Pik")) | maskOf(c("5Karo"))));
    EXPECT_EQ(t.lookupRank(ListId::Flush, threePairs), 0);
    // Fewer than five different cards hold no line; a repeated card counts once.
    const std::vector<Card> repeated{c("AHerz"), c("AHerz"), c("KHerz"), c("QHerz"), c("JHerz")};
    EXPECT_EQ(t.lookupRank(ListId::OnePair, repeated), 0);
    EXPECT_EQ(t.lookupRank(ListId::Royal, std::vector<Card>{}), 0);
}

TEST(RankTables, LookupMatchesTheLineWalkOnRandomCards)
{
    const RankTables& t = generatedTables();
    std::mt19937 rng(20240611);
    for (int i = 0; i < 120; ++i) {
        const auto cards = randomCards(rng, 5 + i % 3);
        CardMask given = 0;
        for (Card card : cards)
            given |= maskOf(card);
        for (int l = 0; l < kListCount; ++l) {
            const auto id = static_cast<ListId>(l);
            ASSERT_EQ(t.lookupRank(id, cards), scanRank(t.list(id), given)) << l;
        }
    }
}

TEST(RankTables, RepeatedLinesKeepTheFirstAndDisableTheSetIndex)
{
    // A second copy of every list, as when the generators run after a load.
    RankLists doubled = generatedLists();
    for (auto& list : doubled) {
        const RankList copy = list;
        list.insert(list.end(), copy.begin(), copy.end());
    }
    const RankTables t = RankTables::fromLists(std::move(doubled));
    EXPECT_FALSE(t.isCanonical());
    const RankList& straights = t.list(ListId::Straight);
    EXPECT_EQ(straights.size(), 20400u);
    const auto e = t.find(maskOfLine(straights[15000]));
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->position, 15000u - 10200u);
    const std::vector<Card> cards{c("6Herz"), c("5Kreuz"), c("4Pik"), c("3Karo"), c("2Herz"), c("AKreuz"), c("KPik")};
    EXPECT_EQ(t.lookupRank(ListId::Straight, cards), 1608);
    EXPECT_EQ(t.firstLineWith(ListId::OnePair, maskOfLine(t.list(ListId::OnePair).back())), 1098239u);
}

TEST(RankTables, RankNumbersSharedByTwoListsDisableTheSetIndex)
{
    RankLists lists = generatedLists();
    lists[static_cast<std::size_t>(ListId::OnePair)].back().rank = 5;
    const RankTables t = RankTables::fromLists(std::move(lists));
    EXPECT_FALSE(t.isCanonical());
    EXPECT_TRUE(generatedTables().isCanonical());
}
