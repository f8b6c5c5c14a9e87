#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tallyhand {

// The unit a game's amounts are counted in: cents for the four currencies,
// whole chips for tournaments and play money.
enum class MoneyUnit : std::uint8_t { USD, EUR, GBP, INR, Chips, Play };
inline constexpr int kMoneyUnitCount = 6;

// Seats named from the small blind round to the button; None when fewer than
// two players were dealt in.
enum class Position : std::uint8_t { None, SB, BB, UTG, UTG1, UTG2, UTG3, LJ, HJ, CO, BTN };
inline constexpr int kPositionCount = 11;

enum class BettingStreet : std::uint8_t { None, Preflop, Flop, Turn, River };

// What one game meant to the user, everything the result views need. Kept
// small and flat: a database holds a million of these.
struct GameResult {
    std::int64_t game = 0;
    std::int64_t tournament = 0; // 0 for a cash game
    std::int64_t time = 0;       // card-room (ET) time, seconds since 1970-01-01 00:00:00
    std::int64_t bigBlind = 0;   // in the game's unit
    std::int64_t invested = 0;   // everything put in, less what came back unmatched
    std::int64_t collected = 0;  // from the pots, plus a cash-out
    std::int64_t net = 0;        // collected - invested
    std::int64_t rake = 0;
    std::int64_t bounty = 0;     // bounties won, in cents
    MoneyUnit unit = MoneyUnit::Chips;
    Position position = Position::None;
    BettingStreet allinStreet = BettingStreet::None;
    std::uint8_t players = 0;    // dealt in
    std::uint8_t betsRaises = 0; // after the flop
    std::uint8_t calls = 0;      // after the flop
    bool vpip = false;
    bool pfr = false;
    bool threeBet = false;
    bool threeBetChance = false;
    bool sawFlop = false;
    bool showdown = false;
    bool wonShowdown = false;
    bool balanced = false; // all players' money adds up with the rake

    bool operator==(const GameResult&) const = default;
};

// "USD", "EUR", "GBP", "INR", "chips", "play".
std::string_view unitName(MoneyUnit unit);
// "SB", "BB", "UTG", "UTG+1" … "CO", "BTN"; empty for None.
std::string_view positionName(Position position);
// "preflop", "flop", "turn", "river"; empty for None.
std::string_view streetName(BettingStreet street);
// The inverse lookups; false when the text names nothing.
bool unitFromName(std::string_view name, MoneyUnit& unit);
bool positionFromName(std::string_view name, Position& position);

// Seconds since 1970 for a proleptic Gregorian date and time, and back as
// "YYYY-MM-DD HH:MM:SS".
std::int64_t civilSeconds(int year, int month, int day, int hour, int minute, int second);
std::string formatCivilTime(std::int64_t seconds);

} // namespace tallyhand
