#pragma once

#include "preflop/RandomSource.h"
#include "preflop/Simulation.h"

#include <string>
#include <vector>

namespace tallyhand {

enum class NumberChoice { Percent, Absolute }; // "Prozentzahlen", "Absolute Zahlen"

// What the result list and the two grids show for stored counters.
struct SimulationView {
    std::vector<std::string> resultLines;             // "45.23/1.20" per player
    std::vector<std::vector<std::string>> winGrid;    // rows 0..n, columns 0..11
    std::vector<std::string> headings;                // row 0, columns 1..11
    std::vector<std::vector<std::string>> splitGrid;  // same shape as winGrid
};

// The grid headings "RF" .. "HC", "Total".
const std::vector<std::string>& simulationHeadings();

// 100 * value / count in the pattern "0.00" with the given decimal separator;
// "0.00" when nothing was dealt.
std::string simulationPercent(std::uint64_t value, std::uint64_t count, char decimalSeparator);

// The result list and grids for the rows the hole-card list holds now.
SimulationView showSimulationResults(const SimulationCounters& counters, const std::vector<std::string>& rows,
                                     NumberChoice choice, char decimalSeparator);

// The draw check of the "Test" button: 5,000,000 draws of a rank 2..14 and a
// suit 1..4 counted per rank and suit, one line per rank 0..15 with the counts
// of suits 1..5, each after a blank, lines ended by CR LF.
std::string drawTestText(const UniformBelow& below);

} // namespace tallyhand
