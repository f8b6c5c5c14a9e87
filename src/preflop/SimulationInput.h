#pragma once

#include "preflop/Simulation.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallyhand {

// The two card texts of a hole-card list row ("Name [Ah Kd] won"): the two
// characters right after the first "[" and the two that begin four places
// after it, converted like typed input ("Ah" -> "AHerz").
std::array<std::string, 2> rowCardTexts(std::string_view row);

// The seat rows of "Simulate Board": "[" + first + " " + second + "]" for every
// seat whose first field is filled. A field holding a whole card text
// ("AHerz") is written in its two-character form so that it survives the row
// format.
std::vector<std::string> seatRows(const std::vector<std::array<std::string, 2>>& seats);

struct SimulationRequest {
    SimulationSetup setup;
    std::string error; // German message; no run when set
    bool ok() const { return error.empty(); }
};

// Checks the rows and the fixed board card texts (flop1, flop2, flop3, turn as
// needed) and builds the setup, or names the first problem.
SimulationRequest prepareSimulation(const std::vector<std::string>& rows, const std::vector<std::string>& boardTexts);

// The number of deals from the text of Edit98. A text that is not a whole
// number in the 32-bit range, or a count below 1, gives 1,000,000 and the text
// "1000000" for the edit.
struct DealCount {
    std::uint64_t count = 1000000;
    std::string text = "1000000";
    bool fellBack = false;
};
DealCount dealCountFromText(std::string_view text);

} // namespace tallyhand
