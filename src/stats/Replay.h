#pragma once

#include "stats/GameIndex.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyhand {

// The play of a game split into the three panes: seats and blinds, bet
// action, showdown. The summary section is in none of them. Display text.
struct GamePlay {
    std::vector<std::string> seatsAndBlinds; // RichEdit1
    std::vector<std::string> betAction;      // RichEdit2
    std::vector<std::string> showdown;       // RichEdit3
};
GamePlay splitGamePlay(const GameIndex& index, std::int64_t game);

// lb_hc: "player [c1 c2]" and " won(…)" or " lost" for every summary line with shown cards.
std::vector<std::string> listShowdownCards(const std::vector<std::string>& summaryLines);

// One step of a replay as the window performs it, in order.
struct ReplayStep {
    enum Kind {
        Status,           // text to the status bar
        NewHand,          // the calculator's "New Hand"
        EnterCard,        // text into card edit `slot`, coloured while it is entered
        ClearSummary,     // empty Memo17
        ShowSummary,      // Memo17 := the game's summary
        ShowPlay,         // the three play panes
        ListShowdown,     // lb_hc from Memo17
        SelectTournament, // select the rows of lb_tour numbered `number` and choose them
        SelectGame,       // select the rows of lb_game numbered `number`
    };
    enum Slot { Hole1, Hole2, Flop1, Flop2, Flop3, Turn, River };

    Kind kind = Status;
    std::string text;     // Status: the text; EnterCard: the stored card
    int slot = 0;
    bool calculate = true; // EnterCard: run the edit's leave handler, else only convert the text
    std::string status;    // EnterCard: shown once the edit is coloured, before it is entered
    std::int64_t number = 0;
};

struct Replay {
    std::int64_t game = 0;
    std::optional<std::int64_t> tour;  // replay from a hole-card row
    std::array<std::string, 2> hole;   // as stored, "Ah"
    std::array<std::string, 5> board;  // empty where not dealt
    std::vector<std::string> summary;  // Memo17, display text
    GamePlay play;
    std::vector<std::string> showdown; // lb_hc
    std::vector<ReplayStep> steps;
};

// lb4DblClick: the row "Ah Kd game#G tourney#T"; nullopt when it names no game.
std::optional<Replay> replayFromClassRow(const GameIndex& index, std::string_view row);
// lb_gameDblClick: game G, whatever its tournament.
Replay replayFromGame(const GameIndex& index, std::int64_t game);

// The replayed game as it stood on one street: the play up to it, the
// calculator's cards up to it, and the summary and shown-down hands only at
// the showdown (other players' cards stay hidden before).
enum class Street { Preflop, Flop, Turn, River, Showdown };
struct StreetView {
    GamePlay play;
    std::vector<std::string> summary;
    std::vector<std::string> showdown;
    std::vector<ReplayStep> steps; // NewHand and the cards to enter
};
bool reached(const Replay& replay, Street street);
StreetView replayAtStreet(const GameIndex& index, const Replay& replay, Street street, std::string_view user);

// The card edits after a replay's steps, as the calculator shows them.
std::array<std::string, 7> cardEditsAfter(const Replay& replay);

} // namespace tallyhand
