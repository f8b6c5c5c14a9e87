#include "../store/StoreSupport.h"
#include "history/HoleCardBundles.h"
#include "stats/BoardStatistics.h"
#include "stats/GameIndex.h"
#include "stats/Replay.h"
#include "stats/TournamentStats.h"
#include "stats/WinLossStats.h"
#include "store/StoreViews.h"

#include <gtest/gtest.h>

using namespace tallyhand;
using namespace tallyhand::test;

namespace {

// Two lookups agree when both find nothing or both find the same record.
template <typename T>
void expectSame(const T* sliced, const T* whole, std::int64_t game)
{
    ASSERT_EQ(sliced == nullptr, whole == nullptr) << "game " << game;
    if (whole) {
        EXPECT_EQ(*sliced, *whole) << "game " << game;
    }
}

// The cards of a hole-card entry without its references (a slice holds only some).
std::string cardsOf(const Tcardcount* entry)
{
    return entry ? entry->card1 + entry->card2 + (entry->suited ? "s" : "o") : "-";
}

class StoreSlices : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto hands = m_dir.path() / "Hands";
        generate(hands, 1500, 41);
        // The same games twice, and a file holding a cut-short copy of others.
        const auto names = listHandFiles(hands);
        const std::string bytes = readBytes(hands / names.front());
        writeBytes(hands / "zz again.txt", bytes);
        writeBytes(hands / "aa cut.txt", readBytes(hands / names[3]).substr(0, 9000));
        m_store = std::make_unique<GameStore>(m_dir.path() / "t.db");
        ASSERT_TRUE(importFolder(*m_store, hands).ok);
        m_whole = m_store->loadTables();
        m_index = GameIndex(m_whole);
        m_tournaments = buildTournamentIndex(m_whole.hole_cards);
    }

    TempDir m_dir;
    std::unique_ptr<GameStore> m_store;
    GameTables m_whole;
    GameIndex m_index;
    TournamentIndex m_tournaments;
};

} // namespace

TEST_F(StoreSlices, BrowserListsFromAggregatesEqualThoseOfTheWholeTables)
{
    const TournamentIndex aggregated = m_store->tournamentIndex();
    EXPECT_EQ(aggregated.listRows, m_tournaments.listRows);
    EXPECT_EQ(aggregated.types, m_tournaments.types);
    const ACardcount bundles = bundleHoleCards(m_store->loadHoleCards());
    EXPECT_EQ(listBundlesByCount(bundles), listBundlesByCount(bundleHoleCards(m_whole.hole_cards)));
    EXPECT_EQ(listBundlesByRank(bundles), listBundlesByRank(bundleHoleCards(m_whole.hole_cards)));
    for (const std::string& row : listBundlesByCount(bundles)) {
        const ClassGames sliced = classGamesOf(*m_store, row);
        const ClassGames whole = gamesOfClass(m_whole.hole_cards, row);
        EXPECT_EQ(sliced.rows, whole.rows) << row;
        EXPECT_EQ(sliced.hints, whole.hints) << row;
    }
}

// Every view of a chosen tournament answers as over the whole tables,
// duplicate game numbers included: from the stored facts for the screen name
// they were made for, from the blocks for another name.
TEST_F(StoreSlices, ChosenTournamentAnswersEveryViewAsTheWholeTables)
{
    ASSERT_GT(m_tournaments.tournaments.size(), 3u);
    for (const char* user : {"Hero", "nitbox"}) {
        const TournamentGames whole = TournamentGames::ofTables(m_whole, user);
        for (const TTournament& tour : m_tournaments.tournaments) {
            SCOPED_TRACE(std::string(user) + " in tournament " + std::to_string(tour.tour_no));
            const ChosenTournament chosen = chosenTournament(*m_store, tour.tour_no, user);
            const TournamentGames& read = chosen.games;
            const auto games = gamesOfTournament(chosen.index, tour.tour_no);
            ASSERT_EQ(games, gamesOfTournament(m_tournaments, tour.tour_no));
            for (const std::string& row : games) {
                const std::int64_t g = *gameOfRow(row);
                EXPECT_EQ(cardsOf(read.holeCards(g)), cardsOf(m_index.holeCards(g))) << g;
                std::string matches, wholeMatches;
                read.forEachHoleCardMatch(g, [&](std::size_t at) { matches += cardsOf(&read.entries()[at]); });
                whole.forEachHoleCardMatch(g, [&](std::size_t at) { wholeMatches += cardsOf(&whole.entries()[at]); });
                EXPECT_EQ(matches, wholeMatches) << g;
                EXPECT_EQ(read.hasBlock(g), m_index.gameRecord(g) != nullptr) << g;
                EXPECT_EQ(read.chips(g), whole.chips(g)) << g;
            }
            const WinLossStats a = buildWinLossStats(read, games, '.');
            const WinLossStats b = buildWinLossStats(whole, games, '.');
            EXPECT_EQ(a.total, b.total);
            EXPECT_EQ(a.wonLost, b.wonLost);
            EXPECT_EQ(a.allIns, b.allIns);
            EXPECT_EQ(a.cards, b.cards);
            EXPECT_EQ(buildFlopStats(read.boards(), games).cards, buildFlopStats(whole.boards(), games).cards);
            EXPECT_EQ(buildBoardStats(read.boards(), games).pairs, buildBoardStats(whole.boards(), games).pairs);
            EXPECT_EQ(buildChipChart(read, games, ChipMode::Chipcount).bars,
                      buildChipChart(whole, games, ChipMode::Chipcount).bars);
            EXPECT_EQ(sklanskyBars(read, games), sklanskyBars(whole, games));
            EXPECT_EQ(buildHoleClassStats(read, games).rows, buildHoleClassStats(whole, games).rows);
        }
    }
}

TEST_F(StoreSlices, OneGameSliceReplaysAsTheWholeTables)
{
    const ClassGames games = gamesOfClass(m_whole.hole_cards, listBundlesByCount(bundleHoleCards(m_whole.hole_cards))[0]);
    ASSERT_FALSE(games.rows.empty());
    for (const std::string& row : games.rows) {
        const auto whole = replayFromClassRow(m_index, row);
        ASSERT_TRUE(whole);
        const GameTables tables = gameSlice(*m_store, whole->game);
        const auto sliced = replayFromClassRow(GameIndex(tables), row);
        ASSERT_TRUE(sliced);
        EXPECT_EQ(sliced->board, whole->board) << row;
        EXPECT_EQ(sliced->summary, whole->summary) << row;
        EXPECT_EQ(sliced->play.betAction, whole->play.betAction) << row;
        EXPECT_EQ(sliced->showdown, whole->showdown) << row;
        EXPECT_EQ(replayFromGame(GameIndex(tables), whole->game).hole, replayFromGame(m_index, whole->game).hole);
    }
}
