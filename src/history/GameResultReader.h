#pragma once

#include "history/GameResult.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tallyhand {

struct GameResultRead {
    enum class Status { Ok, NotDealtIn, Unreadable };
    Status status = Status::NotDealtIn;
    GameResult result;   // set when Ok
    std::size_t line = 0; // Unreadable: 1-based line of the game where reading failed
    std::string reason;   // Unreadable: German reason
};

// What one game meant to `user`. `lines` are the game's raw lines, the header
// line first, through its summary. A game without a "Dealt to <user> [" line
// is NotDealtIn; one whose amounts, header or end cannot be read is
// Unreadable with the line and the reason, never a result of zero.
GameResultRead readGameResult(std::span<const std::string_view> lines, std::string_view user);

} // namespace tallyhand
