#pragma once

#include "preflop/HandRange.h"
#include "preflop/Simulation.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace tallyhand {

// Players as ranges (a known hand is a range of one hand), the fixed board
// cards and the dead cards.
struct RangeSetup {
    std::vector<HandRange> players;
    std::vector<Card> board;
    std::vector<Card> dead;
};

// Removes from every range the cards known elsewhere (board, dead cards, known
// hands) and checks the setup; a German message naming the first problem, or
// empty when the setup can run.
std::string prepareRangeSetup(RangeSetup& setup);

struct RangeEquityOptions {
    std::uint64_t deals = 1000000; // random deals when the exact work does not fit
    double exactSeconds = 1.0;     // exact when the estimated work fits this long
    bool forceExact = false;       // exact whatever it costs
    unsigned threads = 0;          // 0: one per core
    std::uint64_t seed = 0;        // same seed, same result, whatever the thread count
};

// Counts of one player or one class of his: deals weighted by the product of
// the players' weights (in exact runs each range's weights are reduced by
// their common divisor, so unweighted ranges count every deal once).
struct EquityCounts {
    std::uint64_t deals = 0;
    std::uint64_t wins = 0;   // deals won alone
    std::uint64_t ties = 0;   // deals shared
    std::uint64_t shares = 0; // wins and parts of shared deals, kShareUnit per deal

    double equity() const { return deals == 0 ? 0.0 : static_cast<double>(shares) / (static_cast<double>(kShareUnit) * static_cast<double>(deals)); }
    double winRate() const { return deals == 0 ? 0.0 : static_cast<double>(wins) / static_cast<double>(deals); }
    double tieRate() const { return deals == 0 ? 0.0 : static_cast<double>(ties) / static_cast<double>(deals); }
};

struct PlayerEquity {
    EquityCounts total;
    std::array<EquityCounts, kStartingClassCount> byClass{}; // by the class of the hand he held
    double standardError = 0; // of the equity, random runs only
};

struct RangeEquityResult {
    bool exact = false;
    bool stopped = false;
    std::uint64_t deals = 0; // weighted deals in exact runs, random deals otherwise
    std::vector<PlayerEquity> players;
};

// The work of an exact run in estimated seconds on the given threads; used to
// choose between exact and random deals.
double estimatedExactSeconds(const RangeSetup& setup, unsigned threads);

// Equity of every player: exactly when the work fits options.exactSeconds (or
// when forced), else by random deals. The setup must have passed
// prepareRangeSetup; throws std::invalid_argument otherwise.
RangeEquityResult runRangeEquity(const RangeSetup& setup, const RangeEquityOptions& options,
                                 const SimulationProgress& progress = {}, const std::atomic<bool>* stop = nullptr);

} // namespace tallyhand
