#pragma once

#include "history/TournamentIndex.h"
#include "stats/ChartSeries.h"
#include "store/TournamentGames.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyhand {

// Status texts of a tournament selection, in the order they are shown.
namespace selection_text {
inline constexpr const char* kGames = "Spiele werden gesucht und eingetragen";
inline constexpr const char* kSklansky = "Sklanskychart werden erstellt";
inline constexpr const char* kChips = "Chipchart werden erstellt";
inline constexpr const char* kHoleClasses = "Statistiken werden erstellt";
inline constexpr const char* kWinLoss = "Wins/Losts werden erstellt";
inline constexpr const char* kFlop = "Flopkartenstatistiken werden erstellt";
inline constexpr const char* kBoard = "Boardkartenstatistiken werden erstellt";
inline constexpr const char* kOk = "Ok";
// Said after "Ok" when games had no readable stack.
std::string chipsLeftOut(int games);
// Every text of one selection in order.
std::vector<std::string> all(int chipsLeftOutGames);
} // namespace selection_text

// The tournament number of an lb_tour row: the text before its first blank.
std::optional<std::int64_t> tournamentOfRow(std::string_view row);
// lb_game: the game numbers of every tournament entry numbered `tour`, as
// decimal texts in ascending text order.
std::vector<std::string> gamesOfTournament(const TournamentIndex& tournaments, std::int64_t tour);
// The game number of an lb_game row; nullopt unless the row is exactly its decimal text.
std::optional<std::int64_t> gameOfRow(std::string_view row);

// Sklansky group of two hand-history cards ("Ah", "Kd"); 0 for no group.
int sklanskyGroupOfHistoryCards(const std::string& card1, const std::string& card2);
// Series2: one slice per group 0..8 that occurs, labelled with the group, chart colours.
ChartSeries sklanskyPie(const TournamentGames& games, const std::vector<std::string>& gameRows);
// Series3: one bar per hole-card match of each listed game, value the group.
ChartSeries sklanskyBars(const TournamentGames& games, const std::vector<std::string>& gameRows);

enum class ChipMode { Chipcount, PerGame };
struct ChipChart {
    ChartSeries bars;      // Series1
    double minimum = 0;    // value axis
    double maximum = 0;
    int leftOut = 0;       // listed games whose stack does not read
};
// The user's stack in each listed game, the user the games were read for.
ChipChart buildChipChart(const TournamentGames& games, const std::vector<std::string>& gameRows, ChipMode mode);

// tour_hole_classes and the rows of lb_stat_hole.
struct HoleClass {
    char rank1 = ' ';
    char rank2 = ' ';
    bool suited = false;
    std::int32_t count = 0;
    std::vector<std::int64_t> games;
};
struct HoleClassStats {
    std::vector<HoleClass> classes; // in order of first appearance
    std::vector<std::string> rows;  // "A K s 3", by rank
};
HoleClassStats buildHoleClassStats(const TournamentGames& games, const std::vector<std::string>& gameRows);
// lb_stat_games for a row of lb_stat_hole.
std::vector<std::string> gamesOfHoleClass(const HoleClassStats& stats, std::string_view classRow);

} // namespace tallyhand
