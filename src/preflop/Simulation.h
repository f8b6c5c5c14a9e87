#pragma once

#include "cards/Card.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace tallyhand {

inline constexpr int kMaxSimulationPlayers = 10;
inline constexpr int kSimulationCategories = 10; // 1 royal flush .. 10 high card

// Known hole cards of every player and the fixed board cards (none, the flop,
// flop and turn, ...). Every card at most once.
struct SimulationSetup {
    std::vector<std::array<Card, 2>> hands;
    std::vector<Card> board;
    std::vector<Card> dead; // out of the deck, in nobody's hand
};

// A deal shared by k players gives each kShareUnit / k: whole for 1 to 10 sharers.
inline constexpr std::uint64_t kShareUnit = 2520;

// The counters of one run. Index [player][category - 1].
struct SimulationCounters {
    std::uint64_t deals = 0;
    int players = 0;
    std::array<std::uint64_t, kMaxSimulationPlayers> wins{};
    std::array<std::uint64_t, kMaxSimulationPlayers> splits{};
    std::array<std::array<std::uint64_t, kSimulationCategories>, kMaxSimulationPlayers> winsByCategory{};
    std::array<std::array<std::uint64_t, kSimulationCategories>, kMaxSimulationPlayers> splitsByCategory{};
    std::array<std::uint64_t, kMaxSimulationPlayers> splitShares{}; // in kShareUnit per deal
    bool stopped = false; // the stop flag ended the run early; deals counts what was done
};

struct SimulationOptions {
    std::uint64_t deals = 1000000; // random boards; ignored when exact
    bool exact = false;            // every possible board once (milliseconds at most)
    unsigned threads = 0;          // 0: one per core
    std::uint64_t seed = 0;        // same seed, same counters, whatever the thread count
};

// Called on the calling thread from time to time with the deals done so far.
using SimulationProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

// Deals the missing board cards and decides every deal: the best five-card
// hand wins, equal best hands split. Throws std::invalid_argument for a setup
// that is not 1..10 players with distinct cards and at most five board cards.
SimulationCounters runSimulation(const SimulationSetup& setup, const SimulationOptions& options,
                                 const SimulationProgress& progress = {},
                                 const std::atomic<bool>* stop = nullptr);

// Number of boards an exact run decides.
std::uint64_t exactBoardCount(const SimulationSetup& setup);

} // namespace tallyhand
