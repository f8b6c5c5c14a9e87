#include "cards/CardText.h"
#include "preflop/HandCalculation.h"
#include "preflop/PreflopChart.h"

#include <cstdlib>

namespace tallyhand {
namespace {

int cardPoints(int rank)
{
    switch (rank) {
    case 14: return 16;
    case 13: return 14;
    case 12: return 13;
    case 11: return 12;
    case 10: return 11;
    default: return rank;
    }
}

} // namespace

std::optional<HutchinsonResult> hutchinsonPoints(const std::string& hole1, const std::string& hole2)
{
    const auto a = parseCardText(hole1);
    const auto b = parseCardText(hole2);
    if (!a || !b || *a == *b)
        return std::nullopt;
    const int r1 = rankOf(*a), r2 = rankOf(*b);
    int points = cardPoints(r1) + cardPoints(r2);
    if (r1 == r2)
        points += 10;
    if (suitOf(*a) == suitOf(*b))
        points += 4;
    switch (std::abs(r1 - r2)) {
    case 1: points += 3; break;
    case 2: points += 2; break;
    case 3: points += 1; break;
    default: break;
    }
    // The ace also counts low for the wheel cards 2, 3 and 4.
    if (r1 == 14 || r2 == 14) {
        switch (r1 + r2 - 14) {
        case 2: points += 3; break;
        case 3: points += 2; break;
        case 4: points += 1; break;
        default: break;
        }
    }
    HutchinsonResult result;
    result.points = points;
    for (std::size_t i = 0; i < result.shapes.size(); ++i)
        result.shapes[i] = points >= kHutchinsonThresholds[i] ? kGreen : kRed;
    return result;
}

} // namespace tallyhand
