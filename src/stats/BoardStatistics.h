#pragma once

#include "stats/ChartSeries.h"
#include "store/TournamentGames.h"

#include <string>
#include <vector>

namespace tallyhand {

// The page "Flop": card totals, pairs, trips, simple straight draws and flush draws.
struct FlopStats {
    std::vector<std::string> cards;     // Memo20
    std::vector<std::string> pairs;     // Memo22
    std::vector<std::string> trips;     // Memo23
    std::vector<std::string> straights; // Memo24
    ChartSeries pairChart;              // chart_flop_pair
    ChartSeries tripsChart;             // chart_flop_trips
    ChartSeries straightChart;          // ch_flop_st
    ChartSeries twoSuitPie;             // chart_flop_fd2
    ChartSeries threeSuitPie;           // ch_flop_fd3
};

// The page "Board": the same over the board as far as it was dealt.
struct BoardStats {
    std::vector<std::string> cards;       // Memo21
    std::vector<std::string> pairs;       // Memo25
    std::vector<std::string> trips;       // Memo26
    std::vector<std::string> quads;       // Memo27
    std::vector<std::string> threeRuns;   // Memo28
    std::vector<std::string> fourRuns;    // Memo29
    std::vector<std::string> fullHouses;  // Memo30
    std::vector<std::string> twoPairs;    // Memo31
    ChartSeries pairChart;                // Chart1
    ChartSeries tripsChart;               // Chart2
    ChartSeries quadsChart;               // Chart3
    ChartSeries flush3Pie;                // Chart4
    ChartSeries flush4Pie;                // Chart5
    ChartSeries flush5Pie;                // Chart6
    ChartSeries threeRunChart;            // Chart7
    ChartSeries fourRunChart;             // Chart8
    ChartSeries fullHouseChart;           // Chart9
    ChartSeries twoPairChart;             // Chart10
};

// A board counts once for every row of `gameRows` (decimal game numbers) that
// names its game.
FlopStats buildFlopStats(const std::vector<BoardCards>& boards, const std::vector<std::string>& gameRows);
BoardStats buildBoardStats(const std::vector<BoardCards>& boards, const std::vector<std::string>& gameRows);

} // namespace tallyhand
