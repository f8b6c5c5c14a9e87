// tallyhand-cli replay: what replaying a game shows, from lb4 (with its
// tournament) or from lb_game (game number only).
#include "cli/Command.h"
#include "cli/DatabaseHome.h"
#include "cli/Report.h"
#include "history/HoleCardBundles.h"
#include "stats/Replay.h"
#include "stats/TournamentStats.h"
#include "store/StoreViews.h"

#include <iostream>
#include <limits>
#include <memory>

namespace tallyhand::cli {
namespace {

// The lb4 row of the game in tournament T, as choosing its class lists it.
std::optional<std::string> classRowOf(const GameTables& tables, std::int64_t game, std::int64_t tour)
{
    for (const Tcardcount& cards : tables.hole_cards)
        for (const Tgame& g : cards.game_refs)
            if (g.game_no == game && g.tour_no == tour)
                return classGameRow(cards, g);
    return std::nullopt;
}

bool knownGame(const GameIndex& index, std::int64_t game)
{
    return index.holeCards(game) || index.summary(game) || index.gameRecord(game);
}

struct ReplayOptions {
    std::string home;
    std::int64_t game = 0;
    std::optional<std::int64_t> tournament;
    bool json = false;
};

int replay(const ReplayOptions& o)
{
    const std::optional<std::int64_t> game = o.game;
    const auto& tour = o.tournament;
    const std::string gameText = std::to_string(o.game);
    const std::string tourText = tour ? std::to_string(*tour) : std::string();
    const auto loaded = loadHome(o.home, false);
    if (!loaded)
        return 1;

    const GameTables tables = gameSlice(*loaded->store, *game);
    const GameIndex index(tables);
    std::optional<Replay> result;
    if (tour) {
        if (const auto row = classRowOf(tables, *game, *tour))
            result = replayFromClassRow(index, *row);
    } else if (knownGame(index, *game)) {
        result = replayFromGame(index, *game);
    }
    if (!result) {
        std::cerr << "Unbekanntes Spiel: " << gameText << (tour ? " in Turnier " + tourText : std::string()) << '\n';
        return 1;
    }

    std::vector<std::string> status;
    for (const ReplayStep& step : result->steps) {
        if (step.kind == ReplayStep::EnterCard && !step.status.empty())
            status.push_back(step.status);
        if (step.kind == ReplayStep::Status)
            status.push_back(step.text);
        if (step.kind == ReplayStep::SelectTournament) {
            const ChosenTournament chosen = chosenTournament(*loaded->store, step.number, loaded->userName);
            const auto games = gamesOfTournament(chosen.index, step.number);
            const auto selection =
                selection_text::all(buildChipChart(chosen.games, games, ChipMode::Chipcount).leftOut);
            status.insert(status.end(), selection.begin(), selection.end());
        }
    }

    Report r;
    const auto edits = cardEditsAfter(*result);
    const char* names[] = {"hole1", "hole2", "flop1", "flop2", "flop3", "turn", "river"};
    for (std::size_t i = 0; i < edits.size(); ++i)
        r.text(names[i], edits[i]);
    r.rows("Memo17", result->summary);
    r.rows("RichEdit1", result->play.seatsAndBlinds);
    r.rows("RichEdit2", result->play.betAction);
    r.rows("RichEdit3", result->play.showdown);
    r.rows("lb_hc", result->showdown);
    r.rows("status", status);
    r.print(o.json);
    return 0;
}

CommandRun declare(CLI::App& command)
{
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    auto o = std::make_shared<ReplayOptions>();
    command.add_option("--home", o->home, "Programmordner mit Tallyhand.ini und data")->type_name("ORDNER")->required();
    command.add_option("--game", o->game, "Spielnummer")->type_name("G")->required()->transform(wholeNumber(min, max));
    command.add_option("--tournament", o->tournament, "Turnier des Spiels, wie in lb4 gewählt")
        ->type_name("T")
        ->transform(wholeNumber(min, max));
    command.add_flag("--json", o->json, "gibt ein JSON-Objekt aus");
    return [o] { return replay(*o); };
}

const RegisterCommand registration("replay", "was das Nachspielen eines Spiels zeigt", declare);

} // namespace
} // namespace tallyhand::cli
