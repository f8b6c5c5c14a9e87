#include "history/TournamentSummary.h"
#include "stats/ResultsGraph.h"
#include "stats/ResultsReport.h"

#include <gtest/gtest.h>

using namespace tallyhand;

namespace {

const std::int64_t kDay = civilSeconds(2020, 3, 1, 12, 0, 0);

GameResult game(std::int64_t number, std::int64_t minute, MoneyUnit unit, std::int64_t bigBlind, std::int64_t net,
                bool showdown = false, std::int64_t tournament = 0)
{
    GameResult g;
    g.game = number;
    g.time = kDay + minute * 60;
    g.unit = unit;
    g.bigBlind = bigBlind;
    g.net = net;
    g.showdown = showdown;
    g.tournament = tournament;
    g.players = 6;
    g.position = Position::BTN;
    return g;
}

} // namespace

TEST(ResultsReport, UnitsAreNeverAddedUp)
{
    std::vector<GameResult> games = {
        game(1, 0, MoneyUnit::USD, 10, 25, true), game(2, 1, MoneyUnit::USD, 20, -40),
        game(3, 2, MoneyUnit::Chips, 40, 300, false, 9), game(4, 3, MoneyUnit::EUR, 10, -5)};
    const ResultsReport report = buildResultsReport(games, {});
    ASSERT_EQ(report.totals.size(), 3u);
    EXPECT_EQ(report.totals[0].unit, MoneyUnit::USD);
    EXPECT_EQ(report.totals[0].stats.games, 2);
    EXPECT_EQ(report.totals[0].stats.net, -15);
    EXPECT_EQ(report.totals[0].stats.netShowdown, 25);
    EXPECT_EQ(report.totals[0].stats.netNonShowdown, -40);
    EXPECT_DOUBLE_EQ(report.totals[0].stats.netBb, 2.5 - 2.0);
    EXPECT_DOUBLE_EQ(*report.totals[0].stats.bb100(), 0.5 * 100 / 2);
    EXPECT_EQ(report.totals[1].unit, MoneyUnit::EUR);
    EXPECT_EQ(report.totals[2].unit, MoneyUnit::Chips);
    EXPECT_EQ(report.totals[2].stats.net, 300);
    // Stakes rows keep units apart even at one big blind.
    ASSERT_EQ(report.byStakes.size(), 4u);
    EXPECT_EQ(report.byStakes[0].unit, MoneyUnit::USD);
    EXPECT_EQ(report.byStakes[0].bigBlind, 10);
    EXPECT_EQ(report.byStakes[1].bigBlind, 20);
    EXPECT_EQ(report.byStakes[2].unit, MoneyUnit::EUR);
}

TEST(ResultsReport, StatisticsAndEmptyDenominators)
{
    GameResult a = game(1, 0, MoneyUnit::USD, 10, 0);
    a.vpip = a.pfr = a.threeBet = a.threeBetChance = a.sawFlop = a.showdown = a.wonShowdown = true;
    a.betsRaises = 3;
    a.calls = 1;
    GameResult b = game(2, 1, MoneyUnit::USD, 10, 0);
    b.threeBetChance = b.sawFlop = true;
    b.calls = 1;
    GameResult folded = game(3, 2, MoneyUnit::USD, 10, 0);
    const ResultStats stats = buildResultsReport(std::vector{a, b, folded}, {}).totals.at(0).stats;
    EXPECT_NEAR(*stats.vpipPercent(), 100.0 / 3, 1e-9);
    EXPECT_NEAR(*stats.pfrPercent(), 100.0 / 3, 1e-9);
    EXPECT_DOUBLE_EQ(*stats.threeBetPercent(), 50.0);
    EXPECT_DOUBLE_EQ(*stats.aggression(), 1.5);
    EXPECT_DOUBLE_EQ(*stats.wtsdPercent(), 50.0);
    EXPECT_DOUBLE_EQ(*stats.wsdPercent(), 100.0);

    const ResultStats none = buildResultsReport(std::vector{folded}, {}).totals.at(0).stats;
    EXPECT_FALSE(none.threeBetPercent());
    EXPECT_FALSE(none.aggression());
    EXPECT_FALSE(none.wtsdPercent());
    EXPECT_FALSE(none.wsdPercent());
    EXPECT_TRUE(none.vpipPercent());
    EXPECT_FALSE(ResultStats{}.bb100());
}

TEST(ResultsReport, EveryFilterField)
{
    std::vector<GameResult> games;
    for (int i = 0; i < 8; ++i) {
        GameResult g = game(i + 1, i * 24 * 60, i % 2 ? MoneyUnit::USD : MoneyUnit::Chips, i < 4 ? 10 : 20, i,
                            false, i % 2 ? 0 : 100 + i);
        g.players = static_cast<std::uint8_t>(i % 3 + 2);
        g.position = i < 6 ? Position::SB : Position::CO;
        games.push_back(g);
    }
    struct Case {
        const char* what;
        ResultsFilter filter;
        std::int64_t games;
    };
    ResultsFilter from, to, cash, tourneys, usd, bb, players, position, combined;
    from.from = kDay + 2 * 24 * 3600;
    to.to = kDay + 2 * 24 * 3600; // inclusive
    cash.kind = ResultsFilter::Kind::Cash;
    tourneys.kind = ResultsFilter::Kind::Tournaments;
    usd.unit = MoneyUnit::USD;
    bb.bigBlind = 20;
    players.players = 3;
    position.position = Position::CO;
    combined.unit = MoneyUnit::USD;
    combined.bigBlind = 20;
    const Case cases[] = {{"none", {}, 8},          {"from", from, 6},         {"to", to, 3},
                          {"cash", cash, 4},        {"tournaments", tourneys, 4}, {"currency", usd, 4},
                          {"big blind", bb, 4},     {"players", players, 3},   {"position", position, 2},
                          {"two at once", combined, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::int64_t counted = 0;
        for (const UnitStats& t : buildResultsReport(games, c.filter).totals)
            counted += t.stats.games;
        EXPECT_EQ(counted, c.games);
        std::int64_t graphed = 0;
        for (MoneyUnit unit : {MoneyUnit::USD, MoneyUnit::Chips})
            graphed += static_cast<std::int64_t>(buildResultsGraph(games, c.filter, unit, false).games.size());
        EXPECT_EQ(graphed, c.games);
    }
}

TEST(ResultsReport, SessionsEndAfterThirtyMinutesWithoutAGame)
{
    std::vector<GameResult> games = {
        game(1, 0, MoneyUnit::USD, 10, 10),   game(2, 30, MoneyUnit::USD, 10, 20),   // exactly 30 min: same session
        game(3, 45, MoneyUnit::Chips, 20, 5, false, 7),                              // another unit, its own session
        game(4, 61, MoneyUnit::USD, 10, -5),                                          // 31 min after game 2
        game(5, 62, MoneyUnit::USD, 10, 1)};
    const ResultsReport report = buildResultsReport(games, {});
    ASSERT_EQ(report.sessions.size(), 3u);
    EXPECT_EQ(report.sessions[0].games, 2);
    EXPECT_EQ(report.sessions[0].net, 30);
    EXPECT_EQ(report.sessions[0].end - report.sessions[0].start, 30 * 60);
    EXPECT_DOUBLE_EQ(*report.sessions[0].bb100(), 3.0 * 100 / 2);
    EXPECT_EQ(report.sessions[1].unit, MoneyUnit::Chips);
    EXPECT_EQ(report.sessions[2].games, 2);
    EXPECT_EQ(report.sessions[2].net, -4);
    EXPECT_EQ(report.sessions[2].start, kDay + 61 * 60);
}

TEST(ResultsReport, TournamentsWithTheirSummaries)
{
    std::vector<GameResult> games = {game(1, 0, MoneyUnit::Chips, 20, -100, false, 7),
                                     game(2, 1, MoneyUnit::Chips, 20, 400, false, 7),
                                     game(3, 2, MoneyUnit::Chips, 20, -1500, false, 8),
                                     game(4, 3, MoneyUnit::Chips, 20, 50, false, 9)};
    const std::vector<TournamentSummary> summaries = {{7, MoneyUnit::USD, 1100, 2, 3000},
                                                      {8, MoneyUnit::USD, 1100, 9, 0},
                                                      {55, MoneyUnit::USD, 500, 1, 900}}; // no game of it
    const ResultsReport report = buildResultsReport(games, {}, summaries);
    ASSERT_EQ(report.tournaments.size(), 3u);
    EXPECT_EQ(report.tournaments[0].tournament, 7);
    EXPECT_EQ(report.tournaments[0].games, 2);
    EXPECT_EQ(report.tournaments[0].chipsWon, 400);
    EXPECT_EQ(report.tournaments[0].chipsLost, 100);
    EXPECT_NEAR(*report.tournaments[0].roiPercent(), (3000.0 - 1100) * 100 / 1100, 1e-9);
    EXPECT_DOUBLE_EQ(*report.tournaments[1].roiPercent(), -100.0);
    EXPECT_FALSE(report.tournaments[2].roiPercent());
    ASSERT_EQ(report.tournamentTotals.size(), 1u);
    EXPECT_EQ(report.tournamentTotals[0].tournaments, 2);
    EXPECT_DOUBLE_EQ(*report.tournamentTotals[0].itmPercent(), 50.0);
    EXPECT_NEAR(*report.tournamentTotals[0].roiPercent(), (3000.0 - 2200) * 100 / 2200, 1e-9);
}

TEST(ResultsReport, GameOrderAndGamesMetTwice)
{
    std::vector<GameResult> games = {game(5, 10, MoneyUnit::USD, 10, 1), game(3, 10, MoneyUnit::USD, 10, 2),
                                     game(9, 0, MoneyUnit::USD, 10, 3), game(5, 0, MoneyUnit::USD, 10, 99)};
    orderResults(games);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].game, 9);
    EXPECT_EQ(games[1].game, 3);
    EXPECT_EQ(games[2].game, 5);
    EXPECT_EQ(games[2].net, 1); // the first met
}

TEST(ResultsGraph, ThreeLinesInMoneyOrBigBlinds)
{
    const std::vector<GameResult> games = {game(1, 0, MoneyUnit::USD, 10, 50, true), game(2, 1, MoneyUnit::USD, 20, -20),
                                           game(3, 2, MoneyUnit::Chips, 20, 999), game(4, 3, MoneyUnit::USD, 10, 30, true)};
    const ResultsGraph money = buildResultsGraph(games, {}, MoneyUnit::USD, false);
    EXPECT_EQ(money.games, (std::vector<std::int64_t>{1, 2, 4}));
    EXPECT_EQ(money.total, (std::vector<double>{50, 30, 60}));
    EXPECT_EQ(money.showdown, (std::vector<double>{50, 50, 80}));
    EXPECT_EQ(money.nonShowdown, (std::vector<double>{0, -20, -20}));
    const ResultsGraph bbs = buildResultsGraph(games, {}, MoneyUnit::USD, true);
    EXPECT_EQ(bbs.total, (std::vector<double>{5, 4, 7}));
    EXPECT_EQ(mostPlayedUnit(games, {}), MoneyUnit::USD);
    ResultsFilter tourneys;
    tourneys.kind = ResultsFilter::Kind::Tournaments;
    EXPECT_FALSE(mostPlayedUnit(games, tourneys));
}

TEST(TournamentSummary, ReadsBuyInPlaceAndPrize)
{
    const std::string text = "\xEF\xBB\xBFPokerStars Tournament #2352955071, No Limit Hold'em\r\n"
                             "Buy-In: $4.79/$0.42 USD + $4.79\r\n6 players\r\nTotal Prize Pool: $28.74 USD\r\n"
                             "Tournament started 2018/07/09 18:22:47 ET\r\n\r\n"
                             "  1: sabuco_2110 (Spain), $17.24 (60%)\r\n  2: Hero (Germany), $11.50 (40%)\r\n"
                             "  3: Other (Italy),\r\n\r\nYou finished in 2nd place.\r\n";
    const auto summary = readTournamentSummary(text, "Hero");
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->tournament, 2352955071);
    EXPECT_EQ(summary->unit, MoneyUnit::USD);
    EXPECT_EQ(summary->buyIn, 479 + 42 + 479);
    EXPECT_EQ(summary->place, 2);
    EXPECT_EQ(summary->prize, 1150);

    const auto outOfTheMoney = readTournamentSummary(
        "PokerStars Tournament #5, No Limit Hold'em\nBuy-In: \xE2\x82\xAC" "10.00+\xE2\x82\xAC" "1.00 EUR\nYou finished in 17th place.\n", "Hero");
    ASSERT_TRUE(outOfTheMoney);
    EXPECT_EQ(outOfTheMoney->unit, MoneyUnit::EUR);
    EXPECT_EQ(outOfTheMoney->buyIn, 1100);
    EXPECT_EQ(outOfTheMoney->place, 17);
    EXPECT_EQ(outOfTheMoney->prize, 0);

    const auto received = readTournamentSummary(
        "PokerStars Tournament #6, No Limit Hold'em\nBuy-In: $1+$0.10\nYou finished in 1st place and received $5.50.\n", "Hero");
    ASSERT_TRUE(received);
    EXPECT_EQ(received->prize, 550);

    EXPECT_FALSE(readTournamentSummary("PokerStars Hand #1: ...\n", "Hero"));
    EXPECT_FALSE(readTournamentSummary("PokerStars Tournament #7, x\nBuy-In: $1.005\n", "Hero"));
}
