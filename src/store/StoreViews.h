#pragma once

#include "history/HoleCardBundles.h"
#include "history/TournamentIndex.h"
#include "store/GameStore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tallyhand {

// What each view reads from the store. Every slice holds, in table order,
// the rows of the four tables whose game numbers the view names, so that the
// first-match and last-match lookups over it answer exactly as over the
// whole tables.

// lb4 and its tool tips for a row of the hole-card class list.
ClassGames classGamesOf(GameStore& store, const std::string& classRow);

// One chosen tournament: its index entry with every game number, and its games.
struct TournamentSlice {
    TournamentIndex index; // the one tournament, game numbers included
    GameTables tables;
};
TournamentSlice tournamentSlice(GameStore& store, std::int64_t tour);

// One chosen tournament for its statistics: its index entry with every game
// number, and what the views read of its games for `user` — from the stored
// facts when they were made for that name, else from the games' blocks.
struct ChosenTournament {
    TournamentIndex index;
    TournamentGames games;
};
ChosenTournament chosenTournament(GameStore& store, std::int64_t tour, std::string_view user);

// One game for a replay.
GameTables gameSlice(GameStore& store, std::int64_t game);

} // namespace tallyhand
