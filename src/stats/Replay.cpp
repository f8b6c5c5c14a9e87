#include "stats/Replay.h"

#include "cards/CardText.h"
#include "history/HandHistoryText.h"
#include "history/TextDecoding.h"


namespace tallyhand {

namespace {

std::vector<std::string> displayLines(const LineList& lines)
{
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (std::string_view line : lines)
        out.push_back(decodeForDisplay(line));
    return out;
}

ReplayStep status(std::string text)
{
    ReplayStep s;
    s.kind = ReplayStep::Status;
    s.text = std::move(text);
    return s;
}

ReplayStep simple(ReplayStep::Kind kind, std::int64_t number = 0)
{
    ReplayStep s;
    s.kind = kind;
    s.number = number;
    return s;
}

ReplayStep card(int slot, std::string text, bool calculate = true, std::string statusText = {})
{
    ReplayStep s;
    s.kind = ReplayStep::EnterCard;
    s.slot = slot;
    s.text = std::move(text);
    s.calculate = calculate;
    s.status = std::move(statusText);
    return s;
}

// The outs calculation runs again only for the last street dealt.
void enterBoard(const TBoard* board, std::vector<ReplayStep>& steps)
{
    if (!board)
        return;
    const auto& c = board->cards;
    steps.push_back(status("Flopkarten berechnen."));
    if (!c[0].empty())
        steps.push_back(card(ReplayStep::Flop1, c[0]));
    if (!c[1].empty())
        steps.push_back(card(ReplayStep::Flop2, c[1]));
    if (!c[2].empty())
        steps.push_back(card(ReplayStep::Flop3, c[2], c[3].empty()));
    if (!c[3].empty())
        steps.push_back(card(ReplayStep::Turn, c[3], c[4].empty(), "Turnkarte berechnen."));
    if (!c[4].empty()) {
        steps.push_back(status("Riverkarte berechnen."));
        steps.push_back(card(ReplayStep::River, c[4]));
    }
}

void fillViews(const GameIndex& index, const Tgame* summary, const TBoard* board, Replay& replay)
{
    if (board)
        replay.board = board->cards;
    if (summary)
        replay.summary = displayLines(summary->lines);
    replay.play = splitGamePlay(index, replay.game);
    replay.showdown = listShowdownCards(replay.summary);
}

} // namespace

GamePlay splitGamePlay(const GameIndex& index, std::int64_t game)
{
    GamePlay play;
    const Tgame* record = index.gameRecord(game);
    if (!record)
        return play;
    int section = 1;
    for (std::string_view line : record->lines) {
        if (line == "*** HOLE CARDS ***")
            section = 2;
        else if (line == "*** SHOW DOWN ***")
            section = 3;
        else if (line == "*** SUMMARY ***")
            section = 4;
        std::vector<std::string>* pane = section == 1   ? &play.seatsAndBlinds
                                         : section == 2 ? &play.betAction
                                         : section == 3 ? &play.showdown
                                                        : nullptr;
        if (pane)
            pane->push_back(decodeForDisplay(line));
    }
    return play;
}

std::vector<std::string> listShowdownCards(const std::vector<std::string>& summaryLines)
{
    std::vector<std::string> rows;
    for (const std::string& line : summaryLines) {
        if (line.find("Seat") == std::string::npos)
            continue;
        const std::size_t colon = line.find(':');
        const std::string_view rest =
            trimBlanks(colon == std::string::npos ? std::string_view(line) : std::string_view(line).substr(colon + 1));
        const std::string_view player = trimBlanks(rest.substr(0, rest.find(' ')));
        // The bracket is looked for before the last character only.
        const std::size_t open = rest.size() < 2 ? std::string_view::npos : rest.substr(0, rest.size() - 1).find('[');
        if (open == std::string_view::npos)
            continue;
        auto cardAt = [&](std::size_t i) { return std::string(i < rest.size() ? rest.substr(i, 2) : std::string_view{}); };
        const std::string card1 = cardAt(open + 1);
        const std::string card2 = cardAt(open + 4);
        std::string result;
        // From five after the bracket up to the fourth-last character.
        for (std::size_t p = open + 5; result.empty() && p + 5 <= rest.size(); ++p) {
            if (rest.substr(p, 3) == "won") {
                const std::size_t from = rest.find('(', p);
                const std::size_t to = from == std::string_view::npos ? from : rest.find(')', from);
                result = "won";
                if (from != std::string_view::npos)
                    result += std::string(rest.substr(from, to == std::string_view::npos ? to : to - from + 1));
            } else if (rest.substr(p, 4) == "lost") {
                result = "lost";
            }
        }
        std::string row = std::string(player) + " [" + card1 + " " + card2 + "]";
        if (!result.empty())
            row += " " + result;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<Replay> replayFromClassRow(const GameIndex& index, std::string_view row)
{
    const std::size_t gameAt = row.find("game#");
    const std::size_t tourAt = row.find("tourney#");
    if (gameAt == std::string_view::npos || tourAt == std::string_view::npos)
        return std::nullopt;
    const std::string_view gameText = row.substr(gameAt + 5);
    const auto game = parseInt64(gameText.substr(0, gameText.find(' ')));
    const auto tour = parseInt64(row.substr(tourAt + 8));
    if (!game || !tour)
        return std::nullopt;

    Replay replay;
    replay.game = *game;
    replay.tour = *tour;
    replay.hole = {std::string(row.substr(0, 2)), std::string(row.substr(std::min<std::size_t>(3, row.size()), 2))};
    fillViews(index, index.summary(*game, *tour), index.board(*game, *tour), replay);
    auto& steps = replay.steps;
    steps.push_back(status("Spiel initialisieren."));
    steps.push_back(simple(ReplayStep::NewHand));
    steps.push_back(card(ReplayStep::Hole1, replay.hole[0], true, "HoleCards berechnen."));
    steps.push_back(card(ReplayStep::Hole2, replay.hole[1]));
    steps.push_back(status("Summery aktualisieren."));
    steps.push_back(simple(ReplayStep::ShowSummary));
    steps.push_back(status("GamePlay aktualisieren."));
    steps.push_back(simple(ReplayStep::ShowPlay));
    steps.push_back(status("Boardkarten suchen."));
    enterBoard(index.board(*game, *tour), steps);
    steps.push_back(status("Summery encoden."));
    steps.push_back(simple(ReplayStep::ListShowdown));
    steps.push_back(simple(ReplayStep::SelectTournament, *tour));
    steps.push_back(simple(ReplayStep::SelectGame, *game));
    steps.push_back(status("Ok"));
    return replay;
}

Replay replayFromGame(const GameIndex& index, std::int64_t game)
{
    Replay replay;
    replay.game = game;
    fillViews(index, index.summary(game), index.board(game), replay);
    const Tcardcount* hole = index.holeCards(game);
    if (hole)
        replay.hole = {hole->card1, hole->card2};
    auto& steps = replay.steps;
    steps.push_back(simple(ReplayStep::ClearSummary));
    steps.push_back(status("Summery aktualisieren."));
    steps.push_back(simple(ReplayStep::ShowSummary));
    steps.push_back(status("GamePlay aktualisieren."));
    steps.push_back(simple(ReplayStep::ShowPlay));
    steps.push_back(status("Spiel initialisieren."));
    steps.push_back(simple(ReplayStep::NewHand));
    steps.push_back(card(ReplayStep::Hole1, hole ? hole->card1 : std::string(), true, "HoleCards berechnen."));
    steps.push_back(card(ReplayStep::Hole2, hole ? hole->card2 : std::string()));
    steps.push_back(status("Boardkarten suchen."));
    enterBoard(index.board(game), steps);
    steps.push_back(status("Summery encoden."));
    steps.push_back(simple(ReplayStep::ListShowdown));
    steps.push_back(status("Ok"));
    return replay;
}

bool reached(const Replay& replay, Street street)
{
    switch (street) {
    case Street::Preflop:
        return true;
    case Street::Flop:
        return !replay.board[0].empty();
    case Street::Turn:
        return !replay.board[3].empty();
    case Street::River:
        return !replay.board[4].empty();
    case Street::Showdown:
        return true;
    }
    return false;
}

StreetView replayAtStreet(const GameIndex& index, const Replay& replay, Street street, std::string_view user)
{
    StreetView view;
    // The play runs up to the marker of the next street.
    static constexpr std::array<std::string_view, 4> kNextStreet{"*** FLOP ***", "*** TURN ***", "*** RIVER ***",
                                                                 "*** SHOW DOWN ***"};
    if (street == Street::Showdown) {
        view.play = replay.play;
        view.summary = replay.summary;
        view.showdown = replay.showdown;
    } else if (const Tgame* record = index.gameRecord(replay.game)) {
        const std::string_view stop = kNextStreet[static_cast<std::size_t>(street)];
        int section = 1;
        for (std::string_view line : record->lines) {
            if (line.starts_with(stop) || line == "*** SHOW DOWN ***" || line == "*** SUMMARY ***")
                break;
            if (line == "*** HOLE CARDS ***")
                section = 2;
            std::string text = decodeForDisplay(line);
            // Cards another player shows belong to the showdown.
            const std::size_t shows = text.find(": shows [");
            if (shows != std::string::npos && text.compare(0, user.size(), user) != 0)
                text = text.substr(0, shows) + ": shows [?? ??]";
            (section == 1 ? view.play.seatsAndBlinds : view.play.betAction).push_back(std::move(text));
        }
    }

    const int dealt = street == Street::Preflop ? 0 : street == Street::Flop ? 3 : street == Street::Turn ? 4 : 5;
    auto& steps = view.steps;
    steps.push_back(simple(ReplayStep::NewHand));
    steps.push_back(card(ReplayStep::Hole1, replay.hole[0]));
    steps.push_back(card(ReplayStep::Hole2, replay.hole[1]));
    int last = -1;
    for (int i = 0; i < dealt; ++i)
        if (!replay.board[static_cast<std::size_t>(i)].empty())
            last = i;
    for (int i = 0; i <= last; ++i)
        steps.push_back(card(ReplayStep::Flop1 + i, replay.board[static_cast<std::size_t>(i)], i == last || i < 2));
    return view;
}

std::array<std::string, 7> cardEditsAfter(const Replay& replay)
{
    std::array<std::string, 7> edits;
    for (const ReplayStep& step : replay.steps) {
        if (step.kind == ReplayStep::NewHand)
            edits.fill({});
        if (step.kind == ReplayStep::EnterCard)
            edits[static_cast<std::size_t>(step.slot)] = step.text.size() == 2 ? expandCardText(step.text) : step.text;
    }
    return edits;
}

} // namespace tallyhand
