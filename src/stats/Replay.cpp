#include "stats/Replay.h"

#include "cards/CardText.h"
#include "history/TextDecoding.h"

#include <charconv>

namespace tallyhand {

namespace {

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::optional<std::int64_t> readInt64(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

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

void fillViews(const GameIndex& index, const Tgame* summary, Replay& replay)
{
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
    const auto game = readInt64(gameText.substr(0, gameText.find(' ')));
    const auto tour = readInt64(row.substr(tourAt + 8));
    if (!game || !tour)
        return std::nullopt;

    Replay replay;
    replay.game = *game;
    replay.tour = *tour;
    fillViews(index, index.summary(*game, *tour), replay);
    auto& steps = replay.steps;
    steps.push_back(status("Spiel initialisieren."));
    steps.push_back(simple(ReplayStep::NewHand));
    steps.push_back(card(ReplayStep::Hole1, std::string(row.substr(0, 2)), true, "HoleCards berechnen."));
    steps.push_back(card(ReplayStep::Hole2, std::string(row.substr(std::min<std::size_t>(3, row.size()), 2))));
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
    fillViews(index, index.summary(game), replay);
    const Tcardcount* hole = index.holeCards(game);
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
