#pragma once

#include "history/GameResult.h"
#include "history/GameResultReader.h"
#include "history/GameTableBuilder.h"

#include <atomic>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallyhand {

class GameStore;

// A game whose amounts do not read.
struct UnreadableResult {
    std::int64_t game = 0;
    std::size_t line = 0; // 1-based, in the game, its header being line 1
    std::string reason;
};

// What computing results found worth reporting.
struct ResultsTally {
    std::size_t unbalanced = 0; // games whose players' money does not add up
    std::vector<UnreadableResult> unreadable;
};

// Computes the result of each given game from what the store holds for it
// now and stores it, replacing what was there: the game the views count for
// that number is its first hole-card reference in table order (for the
// header) with its first game block. A game the user was not dealt into, or
// one without a block yet, has no result; one whose amounts do not read is
// kept with its reason. `file` names where the games were read. The caller
// holds a Transaction.
void storeResultsOf(GameStore& store, const std::vector<std::int64_t>& games, std::string_view user,
                    std::string_view file, ResultsTally& tally);

// Which of a file's game numbers the store may hold before the file is
// merged: a game it surely does not hold is new to it. Taken during a run of
// merges (GameStore::beginMerge).
struct HeldGames {
    std::unordered_set<std::int64_t> held;
    static HeldGames of(GameStore& store, const GameTables& fileTables);
    bool isNew(std::int64_t game) const { return !held.contains(game); }
};

// What the store keeps of one game for `user`: its result, and what the
// statistics of a tournament read of its block.
struct PreparedGame {
    GameResultRead result;
    std::optional<std::int64_t> chips;
    std::string tally; // packed
};
PreparedGame prepareGame(std::int64_t game, std::int64_t tour, std::string_view headerText, const LineList& block,
                         std::string_view user);
// Worked out from a file alone, away from the store: each game with one
// reference and one block in the file.
using PreparedResults = std::unordered_map<std::int64_t, PreparedGame>;
PreparedResults prepareResultsOfFile(const GameTables& fileTables, std::string_view user);

// storeResultsOf for the games of one file's tables, just merged into the
// store that held `before`: a game new to the store with one reference and
// one block in the file is taken from `prepared` (prepareResultsOfFile),
// without looking it up again.
void storeResultsOfFile(GameStore& store, const GameTables& fileTables, const HeldGames& before,
                        std::string_view user, std::string_view file, ResultsTally& tally,
                        const PreparedResults& prepared);

// The game numbers an import of these tables may have added or completed.
std::vector<std::int64_t> gamesOfTables(const GameTables& tables);

// Stored results are made for one screen name. When they were made for
// another one (or never, as in a database from before they were stored),
// computes every game's result anew in one transaction; returns whether it did.
bool bringResultsUpToDate(GameStore& store, std::string_view user);

// The screen name the stored results were made for; empty when none.
std::string resultsUser(GameStore& store);

// Every stored result in game-number order; ends early (with what it has)
// when `stop` is set.
std::vector<GameResult> loadStoredResults(GameStore& store, const std::atomic<bool>* stop = nullptr);
// The games stored without results, in the order of their hole cards.
std::vector<UnreadableResult> loadUnreadableResults(GameStore& store);

} // namespace tallyhand
