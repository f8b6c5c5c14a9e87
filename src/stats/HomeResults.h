#pragma once

#include "history/GameResult.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tallyhand {

class GameStore;

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

// The results of every game the user was dealt into, as the import stored
// them: ordered by time, then game number, each game number once (the
// import keeps the first game met under a number). Unreadable games come in
// the order of their hole cards. This is the one place the result views get
// their games from. When `stop` is set the work ends early with what it has.
HomeResults resultsOfStore(GameStore& store, const std::atomic<bool>* stop = nullptr);

} // namespace tallyhand
