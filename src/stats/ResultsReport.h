#pragma once

#include "history/GameResult.h"
#include "history/TournamentSummary.h"
#include "stats/ResultsFilter.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tallyhand {

// Money and the standard statistics over a set of games of one unit.
struct ResultStats {
    std::int64_t games = 0;
    std::int64_t net = 0;
    std::int64_t netShowdown = 0;
    std::int64_t netNonShowdown = 0;
    double netBb = 0; // sum of each game's net / big blind
    std::int64_t vpip = 0, pfr = 0, threeBet = 0, threeBetChance = 0;
    std::int64_t sawFlop = 0, showdown = 0, wonShowdown = 0;
    std::int64_t betsRaises = 0, calls = 0; // after the flop

    void add(const GameResult& game);

    // Ratios; empty when the denominator is 0.
    std::optional<double> bb100() const { return ratio(netBb * 100, games); }
    std::optional<double> vpipPercent() const { return percent(vpip, games); }
    std::optional<double> pfrPercent() const { return percent(pfr, games); }
    std::optional<double> threeBetPercent() const { return percent(threeBet, threeBetChance); }
    std::optional<double> aggression() const { return ratio(static_cast<double>(betsRaises), calls); }
    std::optional<double> wtsdPercent() const { return percent(showdown, sawFlop); }
    std::optional<double> wsdPercent() const { return percent(wonShowdown, showdown); }

    static std::optional<double> ratio(double count, std::int64_t base)
    {
        return base == 0 ? std::nullopt : std::optional<double>(count / static_cast<double>(base));
    }
    static std::optional<double> percent(std::int64_t count, std::int64_t base)
    {
        return ratio(static_cast<double>(count) * 100.0, base);
    }
};

struct UnitStats {
    MoneyUnit unit;
    ResultStats stats;
};
struct PositionStats {
    MoneyUnit unit;
    Position position;
    ResultStats stats;
};
struct StakesStats {
    MoneyUnit unit;
    std::int64_t bigBlind;
    ResultStats stats;
};

// Games of one unit with no more than 30 minutes between two of them.
struct Session {
    MoneyUnit unit;
    std::int64_t start = 0; // time of the first game
    std::int64_t end = 0;   // time of the last game
    std::int64_t games = 0;
    std::int64_t net = 0;
    double netBb = 0;
    std::optional<double> bb100() const { return ResultStats::ratio(netBb * 100, games); }
};
inline constexpr std::int64_t kSessionGap = 30 * 60;

struct TournamentResult {
    std::int64_t tournament = 0;
    std::int64_t games = 0;
    std::int64_t chipsWon = 0;  // sum of the games won
    std::int64_t chipsLost = 0; // sum of the games lost, as a positive number
    std::optional<TournamentSummary> summary;
    // (prize - buy-in) / buy-in * 100, with a summary and a buy-in.
    std::optional<double> roiPercent() const;
};

// The tournaments with a summary, per unit of their buy-ins.
struct TournamentTotals {
    MoneyUnit unit;
    std::int64_t tournaments = 0; // with a summary
    std::int64_t inTheMoney = 0;
    std::int64_t buyIns = 0;
    std::int64_t prizes = 0;
    std::optional<double> itmPercent() const { return ResultStats::percent(inTheMoney, tournaments); }
    std::optional<double> roiPercent() const { return ResultStats::percent(prizes - buyIns, buyIns); }
};

struct ResultsReport {
    std::vector<UnitStats> totals;         // in unit order
    std::vector<PositionStats> byPosition; // unit, then SB … BTN
    std::vector<StakesStats> byStakes;     // unit, then big blind
    std::vector<Session> sessions;         // by start
    std::vector<TournamentResult> tournaments; // by first game
    std::vector<TournamentTotals> tournamentTotals;
};

// Everything the result views show, over the games the filter lets through.
// `games` are in game order (see orderResults).
ResultsReport buildResultsReport(std::span<const GameResult> games, const ResultsFilter& filter,
                                 const std::vector<TournamentSummary>& summaries = {});

// Game order: by time, then game number; of a game number met twice only the
// first met stays.
void orderResults(std::vector<GameResult>& games);

} // namespace tallyhand
