#include "stats/GameIndex.h"
#include "store/TournamentGames.h"

#include <gtest/gtest.h>

using namespace tallyhand;

namespace {

Tgame game(std::int64_t no, std::int64_t tour, std::string line = {})
{
    Tgame g;
    g.game_no = no;
    g.tour_no = tour;
    if (!line.empty())
        g.lines.push_back(line);
    return g;
}

} // namespace

// Every lookup answers what a search from the top of its table would.
TEST(GameIndex, AnswersAsTheLinearSearches)
{
    GameTables t;
    t.summaries = {game(7, 1, "first"), game(7, 2, "other tour"), game(7, 1, "second")};
    t.game_records = {game(7, 2, "block a"), game(7, 1, "block b")};
    TBoard b1, b2;
    b1.cards = {"Ah", "Kd", "2c", "", ""};
    b1.game = game(7, 2);
    b2.cards = {"Qs", "Qh", "3d", "4d", ""};
    b2.game = game(7, 1);
    t.boards = {b1, b2};
    Tcardcount h1, h2;
    h1.card1 = "Ah";
    h1.card2 = "Kh";
    h1.game_refs = {game(7, 1), game(8, 1)};
    h2.card1 = "2c";
    h2.card2 = "2d";
    h2.game_refs = {game(7, 2)};
    t.hole_cards = {h1, h2};

    const GameIndex index(t);
    EXPECT_EQ(index.summary(7)->lines.front(), "first");
    EXPECT_EQ(index.summary(7, 2)->lines.front(), "other tour");
    EXPECT_EQ(index.summary(7, 1)->lines.front(), "first");
    EXPECT_EQ(index.summary(7, 3), nullptr);
    EXPECT_EQ(index.gameRecord(7)->lines.front(), "block a");
    EXPECT_EQ(index.board(7)->cards[0], "Ah");
    EXPECT_EQ(index.board(7, 1)->cards[0], "Qs");
    EXPECT_EQ(index.holeCards(7)->card1, "2c"); // the last match wins
    EXPECT_EQ(index.holeCards(8)->card1, "Ah");
    EXPECT_EQ(index.holeCards(9), nullptr);
    EXPECT_EQ(GameIndex().summary(7), nullptr);

    // What a tournament's statistics read: every match in table order, the last one counting.
    const TournamentGames games = TournamentGames::ofTables(t, "Hero");
    std::string matches;
    for (std::int64_t g : {7, 8, 9})
        games.forEachHoleCardMatch(g, [&](std::size_t at) { matches += games.entries()[at].card1; });
    EXPECT_EQ(matches, "Ah2cAh");
    EXPECT_EQ(games.holeCards(7)->card1, "2c");
    EXPECT_EQ(games.holeCards(9), nullptr);
}
