#include "preflop/HandCalculation.h"

namespace tallyhand {

CalcOutput calculate(const CalcTables& tables, const CalcInput& input)
{
    CalcOutput out = calculateOutsAndOdds(tables.patterns, input);
    out.rank = rankMadeHand(tables.ranks, out.rankInput);
    return out;
}

} // namespace tallyhand
