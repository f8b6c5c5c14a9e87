#pragma once

#include "stats/ChartSeries.h"
#include "store/TournamentGames.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallyhand {

// What the four won/lost lists and their three pies show for a list of games.
struct WinLossStats {
    std::vector<std::string> total;   // lb_wl_all / lb_stat_wonlost
    std::vector<std::string> wonLost; // lb_wl_gw / lb_stat_wl
    std::vector<std::string> allIns;  // lb_wl_ai / lb_stat_ai
    std::vector<std::string> cards;   // lb_wl_gv / lb_stat_gv
    ChartSeries totalPie;             // ch_wl_all / ch_stat_wonlost, "Statistik"
    ChartSeries wonLostPie;           // ch_wl_gw / ch_stat_wl, "gewinne/verluste"
    ChartSeries allInPie;             // ch_wl_ai / ch_stat_ai, "All-In Statistik"
};

// Counts the user's results over the games of `gameRows` (decimal game numbers,
// one per row), the user the games were read for. A row without a game block
// counts as played and nothing else.
WinLossStats buildWinLossStats(const TournamentGames& games, const std::vector<std::string>& gameRows,
                               char decimalSeparator);

// The "##0.00" figure of count / base * 100.
std::string percentText(double count, double base, char decimalSeparator);

} // namespace tallyhand
