#pragma once

#include "history/GameResult.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace tallyhand {

// What the card room's summary file of one tournament says about the user.
struct TournamentSummary {
    std::int64_t tournament = 0;
    MoneyUnit unit = MoneyUnit::USD; // of buy-in and prize
    std::int64_t buyIn = 0;          // everything paid to enter (fee and bounty included), cents
    int place = 0;                   // 0 when the file does not say
    std::int64_t prize = 0;          // cents

    bool operator==(const TournamentSummary&) const = default;
};

// Reads "PokerStars Tournament #N, …", "Buy-In: …", "You finished in Nth
// place" and the prize ("You received …", or the user's row of the payout
// list). Nullopt when the text is no tournament summary or an amount does
// not read.
std::optional<TournamentSummary> readTournamentSummary(std::string_view bytes, std::string_view user);

// The summaries among the files of the folders and of the folders they stand
// in, one per tournament (the first found).
std::vector<TournamentSummary> findTournamentSummaries(const std::vector<std::filesystem::path>& folders,
                                                       std::string_view user);

} // namespace tallyhand
