#pragma once

#include "history/GameResult.h"

#include <cstdint>
#include <optional>

namespace tallyhand {

// Which games the result views count. Every field left empty lets all through.
struct ResultsFilter {
    enum class Kind { All, Cash, Tournaments };
    std::optional<std::int64_t> from; // first second counted (civilSeconds)
    std::optional<std::int64_t> to;   // last second counted
    Kind kind = Kind::All;
    std::optional<MoneyUnit> unit;
    std::optional<std::int64_t> bigBlind; // in the game's unit
    std::optional<int> players;
    std::optional<Position> position;

    bool accepts(const GameResult& game) const
    {
        return (!from || game.time >= *from) && (!to || game.time <= *to) &&
               (kind == Kind::All || (kind == Kind::Cash) == (game.tournament == 0)) &&
               (!unit || game.unit == *unit) && (!bigBlind || game.bigBlind == *bigBlind) &&
               (!players || game.players == *players) && (!position || game.position == *position);
    }
};

} // namespace tallyhand
