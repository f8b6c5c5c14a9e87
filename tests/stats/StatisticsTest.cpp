#include "stats/BoardStatistics.h"
#include "stats/TournamentStats.h"
#include "stats/WinLossStats.h"
#include "history/GameFacts.h"

#include <gtest/gtest.h>

using namespace tallyhand;

namespace {

// A hand-written database: each game is added with its hole cards, play and board.
struct Home {
    GameTables tables;

    void add(std::int64_t game, const std::string& c1, const std::string& c2, std::vector<std::string> lines,
             std::array<std::string, 5> board = {}, std::int64_t tour = 1)
    {
        Tcardcount cards;
        cards.card1 = c1;
        cards.card2 = c2;
        cards.suited = c1[1] == c2[1];
        Tgame ref;
        ref.game_no = game;
        ref.tour_no = tour;
        cards.game_refs = {ref};
        cards.count = 1;
        tables.hole_cards.push_back(cards);
        Tgame record = ref;
        record.lines = LineList(lines.begin(), lines.end());
        tables.game_records.push_back(record);
        if (!board[0].empty()) {
            TBoard b;
            b.cards = board;
            b.game = ref;
            tables.boards.push_back(b);
        }
    }
};

// Seats, blinds, then the hero's actions and summary line.
std::vector<std::string> play(const std::string& stack, std::vector<std::string> action, const std::string& summary)
{
    std::vector<std::string> lines{"Table 'T' 9-max Seat #1 is the button", "Seat 1: Hero (" + stack + ")",
                                   "Seat 2: Villain (1500 in chips)", "Hero: posts small blind 10",
                                   "*** HOLE CARDS ***"};
    lines.insert(lines.end(), action.begin(), action.end());
    lines.push_back("*** SUMMARY ***");
    lines.push_back(summary);
    return lines;
}

std::vector<std::string> rows(std::initializer_list<const char*> r) { return {r.begin(), r.end()}; }

} // namespace

TEST(WinLossStats, EveryFoldAndNoAllIn)
{
    Home h;
    h.add(1, "7c", "2d", play("1500 in chips", {}, "Seat 1: Hero folded before Flop"));
    h.add(2, "8c", "3d", play("1500 in chips", {"*** FLOP *** [Ah Kd 2c]"}, "Seat 1: Hero folded on the Flop"));
    const TournamentGames index = TournamentGames::ofTables(h.tables, "Hero");
    const WinLossStats s = buildWinLossStats(index, rows({"1", "2"}), ',');
    EXPECT_EQ(s.total, (std::vector<std::string>{
                           "Hände gespielt  : 2", "davon gewonnen  : 0 (0,00%)", "davon verloren  : 0 (0,00%)",
                           "Folds insgesamt : 2 (100,00%)", "davon Preflop   : 1 (50,00%)",
                           "Postflop        : 1 (50,00%)", "Turn            : 0 (0,00%)",
                           "River           : 0 (0,00%)"}));
    EXPECT_EQ(s.totalPie, (ChartSeries{{"fpf", 1, Rgb{255, 255, 0}}, {"fof", 1, Rgb{255, 180, 4}}}));
    EXPECT_EQ(s.wonLost, std::vector<std::string>{"Nur Folds"});
    EXPECT_TRUE(s.wonLostPie.empty());
    EXPECT_EQ(s.allIns, std::vector<std::string>{"Keine All-Ins"});
    ASSERT_EQ(s.cards.size(), 11u);
    EXPECT_EQ(s.cards[0], "win/lost with   : ");
    EXPECT_EQ(s.cards[10], "Royal Flush     : 0/0");

    const WinLossStats empty = buildWinLossStats(index, {}, '.');
    EXPECT_EQ(empty.total[1], "davon gewonnen  : 0 (0.00%)");
}

TEST(WinLossStats, ShowdownsCategoriesAndAllIns)
{
    Home h;
    // Blind all-in before the hole cards is not counted; a turn all-in that wins is.
    h.add(1, "Ah", "Kh",
          play("1500 in chips", {"*** FLOP *** [2h 3h 9c]", "*** TURN *** [2h 3h 9c] [Td]", "Hero: bets 300 and is all-in"},
               "Seat 1: Hero showed [Ah Kh] and won (3000) with a flush, Ace high"));
    h.add(2, "9s", "9d", {"Hero: posts big blind 20 and is all-in", "*** HOLE CARDS ***", "*** SUMMARY ***",
                          "Seat 1: Hero showed [9s 9d] and lost with four of a kind, Nines"});
    h.add(3, "Qs", "Js", play("1500 in chips", {}, "Seat 1: Hero showed [Qs Js] and won (100) with a straight flush, Nine to King"));
    h.add(4, "Ts", "Js", play("1500 in chips", {}, "Seat 1: Hero showed [Ts Js] and won (100) with a Royal Flush"));
    h.add(5, "2s", "3s", play("1500 in chips", {}, "Seat 1: Hero collected (40)"));
    h.add(6, "4s", "5d", play("1500 in chips", {}, "Seat 1: Hero mucked [4s 5d]"));
    const TournamentGames index = TournamentGames::ofTables(h.tables, "Hero");
    // A row without a game block counts only as played.
    const WinLossStats s = buildWinLossStats(index, rows({"1", "2", "3", "4", "5", "6", "99"}), '.');
    EXPECT_EQ(s.total[0], "Hände gespielt  : 7");
    EXPECT_EQ(s.total[1], "davon gewonnen  : 4 (57.14%)");
    EXPECT_EQ(s.total[2], "davon verloren  : 2 (28.57%)");
    EXPECT_EQ(s.total.size(), 4u);
    EXPECT_EQ(s.wonLost[2], "ohne Showdown   : 1 (14.29%)");
    EXPECT_EQ(s.wonLost[3], "mit Showdown    : 3 (42.86%)");
    EXPECT_EQ(s.wonLost[4], "  ");
    EXPECT_EQ(s.wonLost[6], "Mucked Hands    : 1 (14.29%)");
    EXPECT_EQ(s.wonLostPie, (ChartSeries{{"goS", 1, Rgb{0, 128, 128}},
                                         {"gmS", 3, Rgb{0, 128, 0}},
                                         {"muked", 1, Rgb{255, 255, 0}},
                                         {"vmS", 1, Rgb{255, 0, 0}}}));
    EXPECT_EQ(s.allIns[0], "All-ins gesamt  : 1 (14.29%)");
    EXPECT_EQ(s.allIns[1], "gewonnen        : 1 (100.00%)");
    EXPECT_EQ(s.allIns[8], "All-ins on turn : 1 (100.00%)");
    EXPECT_EQ(s.allIns[9], "win/loss        : 1/0");
    EXPECT_EQ(s.allInPie, (ChartSeries{{"got", 1, Rgb{50, 138, 40}}}));
    EXPECT_EQ(s.cards[6], "Flush           : 1/0");
    EXPECT_EQ(s.cards[8], "Quads           : 0/1");
    EXPECT_EQ(s.cards[9], "Straight Flush  : 1/0");
    EXPECT_EQ(s.cards[10], "Royal Flush     : 1/0");
    EXPECT_EQ(s.cards[5], "Straight        : 0/0");
}

TEST(TournamentStats, ChipChartBothModesAndUnreadableStacks)
{
    Home h;
    h.add(11, "Ah", "Ad", play("1500 in chips", {}, ""));
    h.add(12, "7c", "2d", play("1800 in chips, $2 bounty", {}, ""));
    h.add(13, "Kh", "Qh", play("900 in chips", {}, ""));
    h.add(14, "Kh", "Qd", play("no stack", {}, ""));
    const TournamentGames index = TournamentGames::ofTables(h.tables, "Hero");
    const auto games = rows({"11", "12", "13", "14"});

    const ChipChart chips = buildChipChart(index, games, ChipMode::Chipcount);
    EXPECT_EQ(chips.bars, (ChartSeries{{"11", 1500, Rgb{0, 128, 0}},
                                       {"12", 1800, Rgb{255, 255, 255}},
                                       {"13", 900, Rgb{0, 255, 0}}}));
    EXPECT_EQ(chips.maximum, 1800);
    EXPECT_EQ(chips.leftOut, 1);
    const ChipChart perGame = buildChipChart(index, games, ChipMode::PerGame);
    EXPECT_EQ(perGame.bars, (ChartSeries{{"11", 300, Rgb{0, 128, 0}}, {"12", -900, Rgb{255, 255, 255}}}));
    EXPECT_EQ(perGame.minimum, -900);
    EXPECT_EQ(perGame.maximum, 300);

    EXPECT_EQ(chipTextValue("$12.34 in chips)"), 1234);
    EXPECT_EQ(chipTextValue("$0.125 in chips)"), 13);
    EXPECT_EQ(chipTextValue("$10 in chips)"), 1000);
    // A note in parentheses after the stack: the earlier group reads.
    h.add(15, "2c", "2d",
          {"Seat 4: Hero (1500 in chips) out of hand (moved from another table into small blind)"});
    EXPECT_EQ(TournamentGames::ofTables(h.tables, "Hero").chips(15), 1500);
}

TEST(TournamentStats, ChipChartReadsEveryCurrencyAsCents)
{
    struct Case {
        const char* stack;
        std::optional<std::int64_t> cents;
    };
    const Case cases[] = {
        {"$12.34 in chips", 1234},
        {"\xE2\x82\xAC" "12.34 in chips", 1234}, // euro, UTF-8
        {"\x80" "7.5 in chips", 750},              // euro, Windows-1252
        {"\xC2\xA3" "0.02 in chips", 2},          // pound, UTF-8
        {"\xA3" "3 in chips", 300},                // pound, Windows-1252
        {"Rs.2000.00 in chips", 200000},
        {"Rs.12.345 in chips", 1235},
        {"\xE2\x82\xAC" " in chips", std::nullopt}, // a sign without an amount
        {"\xE2\x82\xAC" "1.x in chips", std::nullopt},
        {"Rs 20 in chips", std::nullopt},          // not the rupee sign
        {"\xE2\x82" "12 in chips", std::nullopt},   // a cut-off sign is no currency
    };
    Home h;
    std::vector<std::string> games;
    ChartSeries expected;
    std::int64_t game = 100;
    for (const Case& c : cases) {
        EXPECT_EQ(chipTextValue(std::string(c.stack) + ")"), c.cents) << c.stack;
        h.add(++game, "Ah", "Ad", play(c.stack, {}, ""));
        games.push_back(std::to_string(game));
        if (c.cents)
            expected.push_back({std::to_string(game), static_cast<double>(*c.cents), Rgb{0, 128, 0}});
    }
    // Games in any currency take part in the chart; only unreadable stacks are left out.
    const TournamentGames index = TournamentGames::ofTables(h.tables, "Hero");
    const ChipChart chart = buildChipChart(index, games, ChipMode::Chipcount);
    EXPECT_EQ(chart.bars, expected);
    EXPECT_EQ(chart.leftOut, 4);
    EXPECT_EQ(chart.maximum, 200000);
}

TEST(TournamentStats, SklanskyChartsAndHoleClasses)
{
    Home h;
    h.add(21, "Ah", "Kh", {});
    h.add(22, "Kd", "Ad", {});
    h.add(23, "Ah", "Kd", {});
    h.add(24, "7c", "2d", {});
    h.add(30, "Qs", "Qh", {}, {}, 2);
    TournamentIndex tours;
    tours.tournaments = {{1, {24, 21, 23, 22}, 4, ""}, {2, {30}, 1, ""}};
    const auto games = gamesOfTournament(tours, 1);
    EXPECT_EQ(games, rows({"21", "22", "23", "24"}));
    EXPECT_EQ(tournamentOfRow("123 4"), 123);
    // Text order, whatever the lengths, repeats kept.
    tours.tournaments.push_back({3, {9, 10, 1, 9223372036854775807, 100, 2, 10, 0, 922337203685477580}, 9, ""});
    EXPECT_EQ(gamesOfTournament(tours, 3), rows({"0", "1", "10", "10", "100", "2", "9", "922337203685477580",
                                                 "9223372036854775807"}));
    EXPECT_EQ(gameOfRow("-12"), -12);
    for (const char* notSpelledSo : {"012", "+12", "-0", "", "-", "1 2", "99999999999999999999"})
        EXPECT_EQ(gameOfRow(notSpelledSo), std::nullopt) << notSpelledSo;

    const TournamentGames index = TournamentGames::ofTables(h.tables, "Hero");
    EXPECT_EQ(sklanskyPie(index, games), (ChartSeries{{"0", 1, {}}, {"1", 2, {}}, {"2", 1, {}}}));
    EXPECT_EQ(sklanskyBars(index, games), (ChartSeries{{"21", 1, Rgb{0, 128, 0}},
                                                       {"22", 1, Rgb{0, 128, 0}},
                                                       {"23", 2, Rgb{0, 255, 0}},
                                                       {"24", 0, Rgb{255, 0, 0}}}));

    const HoleClassStats classes = buildHoleClassStats(index, games);
    EXPECT_EQ(classes.rows, rows({"A K s 2", "A K   1", "7 2   1"}));
    EXPECT_EQ(gamesOfHoleClass(classes, "A K s 2"), rows({"21", "22"}));
    EXPECT_EQ(gamesOfHoleClass(classes, "A K   1"), rows({"23"}));
    EXPECT_TRUE(gamesOfHoleClass(classes, "Q Q   1").empty());
}

TEST(BoardStatistics, PatternsOfFlopAndBoard)
{
    Home h;
    h.add(1, "2c", "2d", {}, {"Ah", "Kd", "Qs", "", ""});
    h.add(2, "2c", "2d", {}, {"3c", "2d", "Ah", "", ""});
    h.add(3, "2c", "2d", {}, {"9h", "8d", "7c", "6s", "2h"});
    h.add(4, "2c", "2d", {}, {"Kh", "Kd", "5h", "5s", "9h"});
    h.add(5, "2c", "2d", {}, {"Kh", "Kd", "Ks", "5c", "5s"});
    h.add(6, "2c", "2d", {}, {"4h", "5h", "6h", "", ""}, 2);
    const auto games = rows({"1", "2", "3", "4", "5"});
    const auto boards = TournamentGames::ofTables(h.tables, "Hero").boards();

    const FlopStats flop = buildFlopStats(boards, games);
    EXPECT_EQ(flop.cards, rows({"Karten : 15", "Bilder : 9", "Zahlen : 6"}));
    EXPECT_EQ(flop.straights, rows({"AKQ 1", "987 1", "32A 1"}));
    EXPECT_EQ(flop.pairs.size(), 13u);
    EXPECT_EQ(flop.pairs[1], "KK 1");
    EXPECT_EQ(flop.trips[1], "KKK 1");
    EXPECT_EQ(flop.pairChart[1], (ChartPoint{"KK", 1, Rgb{0, 128, 0}}));
    EXPECT_EQ(flop.twoSuitPie, (ChartSeries{{"Herz", 1, Rgb{255, 0, 0}}}));
    EXPECT_TRUE(flop.threeSuitPie.empty());

    const BoardStats board = buildBoardStats(boards, games);
    EXPECT_EQ(board.cards.back(), "---Straigthdraws---");
    EXPECT_EQ(board.fourRuns, rows({"9876 1"}));
    EXPECT_EQ(board.threeRuns, rows({"AKQ 1", "987 1", "32A 1"}));
    EXPECT_EQ(board.twoPairs, rows({"KK55 1"}));
    EXPECT_EQ(board.fullHouses, rows({"KKK55 1"}));
    EXPECT_EQ(board.pairs[0], "AA 0");
    EXPECT_EQ(board.pairs[1], "KK 1");
    EXPECT_EQ(board.pairs[9], "55 2");
    EXPECT_EQ(board.quadsChart[0].label, "A");
    EXPECT_EQ(board.quads[0], "AAAA 0");
    EXPECT_EQ(board.flush3Pie, (ChartSeries{{"Herz", 1, Rgb{255, 0, 0}}}));

    // A tournament that never saw a flop: zero rows where every rank is listed, nothing elsewhere.
    const BoardStats none = buildBoardStats(boards, rows({"77"}));
    EXPECT_EQ(none.cards[0], "Karten : 0");
    EXPECT_EQ(none.trips.size(), 13u);
    EXPECT_EQ(none.tripsChart.size(), 13u);
    EXPECT_TRUE(none.threeRuns.empty() && none.fullHouses.empty() && none.flush3Pie.empty());
}
