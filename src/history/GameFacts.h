#pragma once

#include "history/LineList.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallyhand {

// What the won/lost lists count of games, added up game by game.
struct WinLossTally {
    enum Street { Preflop, Flop, Turn, River, StreetCount };
    // Hand categories as the summary line names them, high card to royal flush.
    static constexpr int kCategories = 10;

    std::int64_t wonShowdown = 0, wonNoShowdown = 0, lostShowdown = 0, mucked = 0;
    std::array<std::int64_t, StreetCount> folds{}, allIns{}, allInsWon{};
    std::int64_t allInWon = 0, allInLost = 0;
    std::array<std::int64_t, kCategories> winCat{}, lostCat{};

    WinLossTally& operator+=(const WinLossTally& other);
    bool operator==(const WinLossTally&) const = default;
};

// What the statistics of a tournament read of one game block (the lines
// after its header) for the user, matched as a case-sensitive substring.
struct GameFacts {
    std::optional<std::int64_t> chips; // the user's stack at the start, see chipCountOf
    WinLossTally tally;

    bool operator==(const GameFacts&) const = default;
};
GameFacts readGameFacts(const LineList& block, std::string_view user);

// The user's stack on the first line of the block naming the user: the last
// parenthesised group that reads, searched from the end of the line.
std::optional<std::int64_t> chipCountOf(const LineList& block, std::string_view user);
// The stack from the text after a "(" of a seat line: "1500 in chips)" gives
// 1500, "$12.34 in chips)" 1234 cents; "€", "£" (UTF-8 or Windows-1252) and
// "Rs." amounts read like "$" ones.
std::optional<std::int64_t> chipTextValue(std::string_view afterParenthesis);

// A tally as the store keeps it: its counters that are not zero. Reading
// throws DatabaseError for bytes that are no packed tally.
std::string packTally(const WinLossTally& tally);
// Adds a packed tally to `into`.
void addPackedTally(std::string_view packed, WinLossTally& into);

} // namespace tallyhand
