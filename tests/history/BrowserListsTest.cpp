#include "history/HoleCardBundles.h"
#include "history/TournamentIndex.h"

#include <gtest/gtest.h>

using namespace tallyhand;

namespace {

Tcardcount pair(std::string c1, std::string c2, std::vector<std::pair<std::int64_t, std::int64_t>> games)
{
    Tcardcount h;
    h.suited = c1[1] == c2[1];
    h.card1 = std::move(c1);
    h.card2 = std::move(c2);
    for (auto [game, tour] : games)
        h.game_refs.push_back({game, tour, "Tisch " + std::to_string(game), "Typ " + std::to_string(tour), {}});
    h.count = static_cast<std::int32_t>(h.game_refs.size());
    return h;
}

} // namespace

TEST(BrowserLists, BundlingAndBothListings)
{
    const ACardcount holes{pair("Ah", "Kh", {{1, 0}}), pair("Kd", "Ad", {{2, 0}, {3, 0}}), pair("Ah", "Kd", {{4, 0}}),
                           pair("Qs", "Qh", {{5, 0}, {6, 0}}), pair("2c", "Ac", {{7, 0}}), pair("Qd", "Qc", {{8, 0}})};
    const ACardcount bundles = bundleHoleCards(holes);
    ASSERT_EQ(bundles.size(), 4u);
    EXPECT_EQ(bundles[0].count, 3); // Ah Kh and Kd Ad are one suited class
    EXPECT_EQ(bundles[0].card1, "Ah");
    EXPECT_EQ(bundles[2].count, 3); // queens, never suited
    EXPECT_FALSE(bundles[2].suited);

    EXPECT_EQ(listBundlesByCount(bundles), (std::vector<std::string>{"A K s 3", "Q Q   3", "A K   1", "2 A s 1"}));
    EXPECT_EQ(listBundlesByRank(bundles), (std::vector<std::string>{"A K s 3", "A K   1", "A 2 s 1", "Q Q   3"}));
    EXPECT_TRUE(listBundlesByCount({}).empty());
}

TEST(BrowserLists, GamesOfAClass)
{
    const ACardcount holes{pair("Ah", "Kh", {{1, 0}}), pair("Ah", "Kd", {{4, 9}}), pair("Kd", "Ad", {{2, 0}, {3, 7}})};
    const ClassGames suited = gamesOfClass(holes, "A K s 3");
    EXPECT_EQ(suited.rows, (std::vector<std::string>{"Ah Kh game#1 tourney#0", "Kd Ad game#2 tourney#0",
                                                     "Kd Ad game#3 tourney#7"}));
    EXPECT_EQ(suited.hints[2], "Table: Tisch 3 Type: Typ 7");
    EXPECT_EQ(gamesOfClass(holes, "A K   1").rows, (std::vector<std::string>{"Ah Kd game#4 tourney#9"}));
    EXPECT_TRUE(gamesOfClass(holes, "").rows.empty());
}

TEST(BrowserLists, TournamentIndex)
{
    ACardcount holes{pair("Ah", "Kh", {{1, 123}, {2, 0}}), pair("7c", "2d", {{3, 12}, {4, 123}, {5, 0}})};
    holes[1].game_refs[1].header = "later header";
    const TournamentIndex index = buildTournamentIndex(holes);
    ASSERT_EQ(index.tournaments.size(), 3u);
    EXPECT_EQ(index.tournaments[0].tour_no, 123); // order of first appearance
    EXPECT_EQ(index.tournaments[0].game_nos, (std::vector<std::int64_t>{1, 4}));
    EXPECT_EQ(index.tournaments[0].header, "later header"); // the last reference's header
    EXPECT_EQ(index.listRows, (std::vector<std::string>{"0 2", "12 1", "123 2"}));
    EXPECT_EQ(index.types, (std::vector<std::string>{"0 Type: Typ 0", "12 Type: Typ 12", "123 Type: later header"}));
    EXPECT_TRUE(lessIgnoringCase("a.txt", "B.txt"));
    EXPECT_FALSE(lessIgnoringCase("B.txt", "a.txt"));
}
