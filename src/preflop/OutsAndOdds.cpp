#include "cards/NumberFormat.h"
#include "cards/OutsCalculator.h"
#include "preflop/HandCalculation.h"
#include "preflop/Sklansky.h"

namespace tallyhand {

CalcOutput calculateOutsAndOdds(const PatternLists& patterns, const CalcInput& input)
{
    CalcOutput out;
    const HandCards hand = readHandCards(input.edits);
    out.duplicateEdits = hand.duplicates;

    if (const auto rating = preflopRating(hand.cards[kHole1], hand.cards[kHole2], input.decimalSeparator)) {
        out.sklanskyGroup = rating->group;
        out.sklanskyPercent = rating->percent;
    }

    OutsResult outs = calculateOuts(patterns, hand);
    out.akt = std::move(outs.akt);
    out.kicker = std::move(outs.kicker);
    out.outs = std::move(outs.outs);
    out.outsMade = outs.outsMade;
    out.outsMemo = std::move(outs.memo);
    out.totalOuts = std::to_string(outs.totalOuts);
    out.flushDanger = outs.flushDanger;
    out.straightDanger = outs.straightDanger;

    // A pot that is no whole number leaves the pot odds empty; the rest goes on.
    std::optional<int> pot;
    if (!input.pot.empty()) {
        pot = parseWholeNumber(input.pot);
        if (!pot)
            out.potError = "Der Pot muss eine ganze Zahl sein.";
    }
    OddsColumns odds = fillOddsColumns(out.outs, unseenCards(hand), pot, input.decimalSeparator);
    out.odds = std::move(odds.odds);
    out.potOdds = std::move(odds.potOdds);

    out.rankInput.cards = hand.cards;
    out.rankInput.filled = hand.filled;
    out.rankInput.madeCategory = outs.madeCategory;
    out.rankInput.shown = outs.shown;
    out.rankInput.previousRank = input.previousRank;
    return out;
}

} // namespace tallyhand
