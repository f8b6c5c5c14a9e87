#pragma once

#include "preflop/RangeEquity.h"

#include <string>
#include <vector>

namespace tallyhand::cli {

// The equity command for players given as ranges: the table of players (and
// per class for every range player), or the same as JSON.
void printRangeEquity(const RangeSetup& setup, const std::vector<std::string>& written,
                      const RangeEquityResult& result, bool json, char decimalSeparator);

} // namespace tallyhand::cli
