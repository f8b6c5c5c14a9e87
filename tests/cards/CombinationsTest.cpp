#include "cards/Combinations.h"

#include <gtest/gtest.h>

#include <set>

using namespace tallyhand;

namespace {
const RankLists& lists()
{
    static const RankLists l = generateRankLists();
    return l;
}
const RankList& list(ListId id) { return lists()[static_cast<std::size_t>(id)]; }
} // namespace

TEST(Combinations, ListSizesAndNumberRanges)
{
    const std::array<std::size_t, 9> sizes{4, 36, 624, 3744, 5108, 10200, 54912, 123552, 1098240};
    const std::array<int, 9> first{1, 2, 11, 167, 323, 1600, 1610, 2556, 3414};
    const std::array<int, 9> last{1, 10, 166, 322, 1599, 1609, 2555, 3413, 6273};
    for (std::size_t i = 0; i < 9; ++i) {
        const auto& l = lists()[i];
        EXPECT_EQ(l.size(), sizes[i]) << i;
        EXPECT_EQ(l.front().rank, first[i]) << i;
        EXPECT_EQ(l.back().rank, last[i]) << i;
    }
}

TEST(Combinations, FirstAndLastLines)
{
    EXPECT_EQ(rankLineText(list(ListId::Royal).front()), "1 AKreuz,KKreuz,QKreuz,JKreuz,TKreuz");
    EXPECT_EQ(rankLineText(list(ListId::Straightflush).back()), "10 5Karo,4Karo,3Karo,2Karo,AKaro");
    EXPECT_EQ(rankLineText(list(ListId::Flush).front()), "323 AHerz,KHerz,QHerz,JHerz,9Herz");
    EXPECT_EQ(rankLineText(list(ListId::Straight).back()), "1609 5Karo,4Karo,3Karo,2Karo,APik");
    EXPECT_EQ(rankLineText(list(ListId::SetTris).front()), "1610 AHerz,AKreuz,APik,KHerz,QHerz");
    EXPECT_EQ(rankLineText(list(ListId::SetTris).back()), "2555 2Kreuz,2Pik,2Karo,4Karo,3Karo");
    EXPECT_EQ(rankLineText(list(ListId::TwoPair).front()), "2556 AHerz,AKreuz,KHerz,KKreuz,QHerz");
    EXPECT_EQ(rankLineText(list(ListId::TwoPair).back()), "3413 3Pik,3Karo,2Pik,2Karo,4Karo");
    EXPECT_EQ(rankLineText(list(ListId::OnePair).front()), "3414 AHerz,AKreuz,KHerz,QHerz,JHerz");
    EXPECT_EQ(rankLineText(list(ListId::OnePair).back()), "6273 2Pik,2Karo,5Karo,4Karo,3Karo");
}

TEST(Combinations, TripsNumbersHaveTheDocumentedGaps)
{
    std::set<int> used;
    for (const auto& line : list(ListId::SetTris))
        used.insert(line.rank);
    EXPECT_EQ(used.size(), 858u);
    EXPECT_FALSE(used.contains(1676));
    EXPECT_FALSE(used.contains(1677));
    EXPECT_TRUE(used.contains(1678));
}

TEST(Combinations, EveryHoldingWithAPairOrBetterStandsExactlyOnce)
{
    std::set<CardMask> seen;
    for (const auto& l : lists())
        for (const auto& line : l) {
            CardMask m = 0;
            for (Card c : line.cards)
                m |= maskOf(c);
            ASSERT_EQ(cardCount(m), 5);
            ASSERT_TRUE(seen.insert(m).second);
        }
    EXPECT_EQ(seen.size(), 1296420u);
}

TEST(Combinations, PatternListSizes)
{
    const PatternLists p = buildPatternLists();
    EXPECT_EQ(p.royal.size(), 4u);
    EXPECT_EQ(p.straightflush.size(), 36u);
    EXPECT_EQ(p.quads.size(), 13u);
    EXPECT_EQ(p.fullhouse.size(), 3744u);
    EXPECT_EQ(p.flush.size(), 5108u);
    EXPECT_EQ(p.straight.size(), 10200u);
    EXPECT_EQ(p.trips.size(), 52u);
    EXPECT_EQ(p.twopair.size(), 2808u);
    EXPECT_EQ(p.pair.size(), 78u);
    EXPECT_EQ(patternLineText(p.pair.front()), "AHerz,AKreuz");
    EXPECT_EQ(patternLineText(p.twopair.back()), "3Pik,3Karo,2Pik,2Karo");
}
