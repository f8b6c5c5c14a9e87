// tallyhand-cli stats: what choosing a tournament in lb_tour shows.
#include "cli/Command.h"
#include "cli/DatabaseHome.h"
#include "cli/Report.h"
#include "stats/BoardStatistics.h"
#include "stats/TournamentStats.h"
#include "stats/WinLossStats.h"
#include "store/StoreViews.h"

#include <iostream>
#include <memory>

namespace tallyhand::cli {
namespace {

void addWinLoss(Report& r, const WinLossStats& s, const std::array<const char*, 4>& lists,
                const std::array<const char*, 3>& charts)
{
    r.rows(lists[0], s.total);
    r.rows(lists[1], s.wonLost);
    r.rows(lists[2], s.allIns);
    r.rows(lists[3], s.cards);
    r.series(charts[0], s.totalPie);
    r.series(charts[1], s.wonLostPie);
    r.series(charts[2], s.allInPie);
}

struct StatsOptions {
    std::string home;
    std::string tournament; // a number or an lb_tour row
    bool json = false;
};

int stats(const StatsOptions& o)
{
    const std::string& tourText = o.tournament;
    const auto loaded = loadHome(o.home, false);
    if (!loaded)
        return 1;
    const auto tour = *tournamentOfRow(tourText);
    const ChosenTournament chosen = chosenTournament(*loaded->store, tour, loaded->userName);
    const std::vector<std::string> games = gamesOfTournament(chosen.index, tour);
    if (games.empty()) {
        std::cerr << "Unbekanntes Turnier: " << tourText << '\n';
        return 1;
    }
    const TournamentGames& read = chosen.games;
    const char separator = processDecimalSeparator();

    Report r;
    r.rows("lb_game", games);
    addWinLoss(r, buildWinLossStats(read, games, separator), {"lb_wl_all", "lb_wl_gw", "lb_wl_ai", "lb_wl_gv"},
               {"ch_wl_all", "ch_wl_gw", "ch_wl_ai"});
    r.series("Series2", sklanskyPie(read, games));
    r.series("Series3", sklanskyBars(read, games));
    const ChipChart chips = buildChipChart(read, games, ChipMode::Chipcount);
    r.series("Series1/Chipcount", chips.bars);
    r.series("Series1/per Game", buildChipChart(read, games, ChipMode::PerGame).bars);
    const HoleClassStats classes = buildHoleClassStats(read, games);
    r.rows("lb_stat_hole", classes.rows);
    Report byClass;
    for (const std::string& row : classes.rows) {
        const auto classGames = gamesOfHoleClass(classes, row);
        Report c;
        c.rows("lb_stat_games", classGames);
        addWinLoss(c, buildWinLossStats(read, classGames, separator),
                   {"lb_stat_wonlost", "lb_stat_wl", "lb_stat_ai", "lb_stat_gv"},
                   {"ch_stat_wonlost", "ch_stat_wl", "ch_stat_ai"});
        byClass.group(row, std::move(c));
    }
    r.group("classes", std::move(byClass));

    const FlopStats flop = buildFlopStats(read.boards(), games);
    r.rows("Memo20", flop.cards);
    r.rows("Memo22", flop.pairs);
    r.rows("Memo23", flop.trips);
    r.rows("Memo24", flop.straights);
    r.series("chart_flop_pair", flop.pairChart);
    r.series("chart_flop_trips", flop.tripsChart);
    r.series("ch_flop_st", flop.straightChart);
    r.series("chart_flop_fd2", flop.twoSuitPie);
    r.series("ch_flop_fd3", flop.threeSuitPie);

    const BoardStats board = buildBoardStats(read.boards(), games);
    r.rows("Memo21", board.cards);
    r.rows("Memo25", board.pairs);
    r.rows("Memo26", board.trips);
    r.rows("Memo27", board.quads);
    r.rows("Memo28", board.threeRuns);
    r.rows("Memo29", board.fourRuns);
    r.rows("Memo30", board.fullHouses);
    r.rows("Memo31", board.twoPairs);
    const ChartSeries* charts[] = {&board.pairChart,  &board.tripsChart,   &board.quadsChart,   &board.flush3Pie,
                                   &board.flush4Pie,  &board.flush5Pie,    &board.threeRunChart, &board.fourRunChart,
                                   &board.fullHouseChart, &board.twoPairChart};
    for (std::size_t i = 0; i < std::size(charts); ++i)
        r.series("Chart" + std::to_string(i + 1), *charts[i]);

    r.rows("status", selection_text::all(chips.leftOut));

    r.print(o.json);
    return 0;
}

CommandRun declare(CLI::App& command)
{
    auto o = std::make_shared<StatsOptions>();
    command.add_option("--home", o->home, "Programmordner mit Tallyhand.ini und data")->type_name("ORDNER")->required();
    command
        .add_option("--tournament", o->tournament, "Turniernummer oder eine Zeile von lb_tour; 0 für die Cash Games")
        ->type_name("N")
        ->required()
        ->check(CLI::Validator(
            [](std::string& text) -> std::string {
                return tournamentOfRow(text) ? std::string() : "keine Turniernummer: " + text;
            },
            ""));
    command.add_flag("--json", o->json, "gibt ein JSON-Objekt aus");
    return [o] { return stats(*o); };
}

const RegisterCommand registration("stats", "alles, was die Wahl eines Turniers zeigt", declare);

} // namespace
} // namespace tallyhand::cli
