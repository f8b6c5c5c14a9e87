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

int replay(const Args& given)
{
    Args args = given;
    const bool json = takeFlag(args, "--json");
    const std::string home = takeOption(args, "--home");
    const std::string gameText = takeOption(args, "--game");
    const std::string tourText = takeOption(args, "--tournament");
    const auto game = gameOfRow(gameText);
    const auto tour = tourText.empty() ? std::nullopt : gameOfRow(tourText);
    if (!args.empty() || home.empty() || !game || (!tourText.empty() && !tour)) {
        std::cerr << "Aufruf: tallyhand-cli replay --home ORDNER --game G [--tournament T] [--json]\n";
        return 2;
    }
    const auto loaded = loadHome(home);
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
            const TournamentSlice slice = tournamentSlice(*loaded->store, step.number);
            const auto games = gamesOfTournament(slice.index, step.number);
            const auto selection = selection_text::all(
                buildChipChart(GameIndex(slice.tables), games, loaded->userName, ChipMode::Chipcount).leftOut);
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
    r.print(json);
    return 0;
}

const RegisterCommand registration("replay", "replay --home ORDNER --game G [--tournament T] [--json]", replay);

} // namespace
} // namespace tallyhand::cli
