#pragma once

#include "preflop/HandEvaluator.h"

#include <memory>

namespace tallyhand {

// Builds every evaluator table from the hand rules: the values of all rank
// multisets of up to seven cards and of all flushes, packed by row displacement.
std::unique_ptr<EvaluatorTables> buildEvaluatorTables();

} // namespace tallyhand
