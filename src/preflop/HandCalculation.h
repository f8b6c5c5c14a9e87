#pragma once

#include "cards/Colour.h"
#include "cards/HandRank.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tallyhand {

struct CalcTables {
    const PatternLists& patterns;
    const RankTables& ranks;
};

struct CalcInput {
    std::array<std::string, 7> edits; // hole1, hole2, flop1, flop2, flop3, turn, river as shown
    std::string pot;                  // inp_pot
    std::string previousRank = "-1";  // inp_kartenrang before the run
    char decimalSeparator = '.';
};

// Every field the outs calculation writes. An unset optional leaves its field as it was.
struct CalcOutput {
    std::string akt, kicker, totalOuts;       // inp_akt, inp_kicker, inp_total_outs
    std::array<std::string, 9> outs;          // Edit22..Edit30, royal flush first
    std::array<bool, 9> outsMade{};           // green when made, else system window colour
    std::array<std::string, 9> odds;          // Edit32..Edit40
    std::array<std::string, 9> potOdds;       // Edit42..Edit50
    std::vector<std::string> outsMemo;        // mem_outs lines
    Rgb flushDanger, straightDanger;          // inp_flush, inp_straight
    std::optional<std::string> sklanskyGroup; // inp_sk_num
    std::optional<std::string> sklanskyPercent; // inp_sk_wahr
    HandRankResult rank;                      // inp_kartenrang, Edit12..Edit20, inp_co, inp_split
    HandRankInput rankInput;                  // kept for listing better hands on double click
    std::vector<int> duplicateEdits;          // edits (0..6) repeating an earlier card, ignored
    std::optional<std::string> potError;      // German message when the pot is not a whole number
};

// Button18Click: the whole calculation over the seven edits.
CalcOutput calculate(const CalcTables& tables, const CalcInput& input);
// The same up to the rank step: `rank` stays default, `rankInput` is ready for rankMadeHand.
CalcOutput calculateOutsAndOdds(const PatternLists& patterns, const CalcInput& input);

// The data cells of stg_preflop (rows loose/tight, columns 1..16) with their drawn colours.
struct PreflopChart {
    std::array<std::array<std::string, 16>, 2> cells;
    std::array<std::array<Rgb, 16>, 2> colours;
};
// Empty cells (white) when the two hole cards are not recognised.
PreflopChart fillPreflopChart(const std::string& hole1, const std::string& hole2);

// Hutchinson points and the 15 shape colours shp_hu11..shp_hu53 (position-major);
// nullopt when the two hole cards are not recognised (fields keep their state).
struct HutchinsonResult {
    int points = 0;
    std::array<Rgb, 15> shapes;
};
std::optional<HutchinsonResult> hutchinsonPoints(const std::string& hole1, const std::string& hole2);

} // namespace tallyhand
