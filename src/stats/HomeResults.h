#pragma once

#include "history/GameResult.h"
#include "history/Records.h"
#include "stats/GameIndex.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallyhand {

// A game of the database whose result could not be read.
struct UnreadableGame {
    std::int64_t game = 0;
    std::size_t line = 0; // 1-based, the header line counting as line 1
    std::string reason;
};

struct HomeResults {
    std::vector<GameResult> games; // in game order, each game once
    std::vector<UnreadableGame> unreadable;
    std::size_t unbalanced = 0; // games whose players' money does not add up
};

// The results of every game the user was dealt into, read from the loaded
// database tables: the game's header from its hole-card reference, its play
// from its game block. This is the one place that gets results for the views;
// a database that stores them with each game answers here instead. When
// `stop` is set the work ends early with what it has.
HomeResults resultsOfDatabase(const GameTables& tables, const GameIndex& index, std::string_view user,
                              const std::atomic<bool>* stop = nullptr);

} // namespace tallyhand
