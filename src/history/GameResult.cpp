#include "history/GameResult.h"

#include <array>
#include <cstdio>

namespace tallyhand {

namespace {

constexpr std::array<std::string_view, kMoneyUnitCount> kUnitNames = {"USD", "EUR", "GBP", "INR", "chips", "play"};
constexpr std::array<std::string_view, kPositionCount> kPositionNames = {
    "", "SB", "BB", "UTG", "UTG+1", "UTG+2", "UTG+3", "LJ", "HJ", "CO", "BTN"};
constexpr std::array<std::string_view, 5> kStreetNames = {"", "preflop", "flop", "turn", "river"};

// Days from 1970-01-01 (H. Hinnant's civil calendar algorithms).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

} // namespace

std::string_view unitName(MoneyUnit unit) { return kUnitNames[static_cast<std::size_t>(unit)]; }
std::string_view positionName(Position position) { return kPositionNames[static_cast<std::size_t>(position)]; }
std::string_view streetName(BettingStreet street) { return kStreetNames[static_cast<std::size_t>(street)]; }

bool unitFromName(std::string_view name, MoneyUnit& unit)
{
    for (std::size_t i = 0; i < kUnitNames.size(); ++i)
        if (kUnitNames[i] == name) {
            unit = static_cast<MoneyUnit>(i);
            return true;
        }
    return false;
}

bool positionFromName(std::string_view name, Position& position)
{
    for (std::size_t i = 1; i < kPositionNames.size(); ++i)
        if (kPositionNames[i] == name) {
            position = static_cast<Position>(i);
            return true;
        }
    return false;
}

std::int64_t civilSeconds(int year, int month, int day, int hour, int minute, int second)
{
    return daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400 +
           hour * 3600 + minute * 60 + second;
}

std::string formatCivilTime(std::int64_t seconds)
{
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Inverse of daysFromCivil.
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
    char text[64];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02u %02lld:%02lld:%02lld", static_cast<long long>(y), m, d,
                  static_cast<long long>(rest / 3600), static_cast<long long>(rest / 60 % 60),
                  static_cast<long long>(rest % 60));
    return text;
}

} // namespace tallyhand
