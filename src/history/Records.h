#pragma once

#include "history/LineList.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tallyhand {

// Texts taken from hand-history files are raw bytes exactly as they stood in
// the file; they are decoded only where they are shown (see TextDecoding.h).

// One game reference: a hole-card reference, a summary block or a game block.
struct Tgame {
    std::int64_t game_no = 0;
    std::int64_t tour_no = 0;            // 0 for a cash game
    std::string table_name;              // hole-card references only
    std::string header;                  // hole-card references only
    LineList lines;                      // summary and game records only

    bool operator==(const Tgame&) const = default;
};
using AGame = std::vector<Tgame>;

// One exact pair of the user's hole cards with the games it was dealt in.
struct Tcardcount {
    std::string card1;                   // two characters, "Ah"
    std::string card2;
    bool suited = false;
    std::int32_t count = 0;              // as read; normally game_refs.size()
    AGame game_refs;

    bool operator==(const Tcardcount&) const = default;
};
using ACardcount = std::vector<Tcardcount>;

// The community cards of one game; turn and river empty when not dealt.
struct TBoard {
    std::array<std::string, 5> cards;
    Tgame game;                          // game_no and tour_no only

    bool operator==(const TBoard&) const = default;
};
using ABoard = std::vector<TBoard>;

// One entry of the tournament index.
struct TTournament {
    std::int64_t tour_no = 0;
    std::vector<std::int64_t> game_nos;
    std::int32_t count = 0;
    std::string header;

    bool operator==(const TTournament&) const = default;
};

// The four tables the database files hold (loaded.kar aside).
struct GameTables {
    ACardcount hole_cards;
    ABoard boards;
    AGame summaries;
    AGame game_records;

    bool operator==(const GameTables&) const = default;
};

} // namespace tallyhand
