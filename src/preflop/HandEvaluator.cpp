#include "preflop/HandEvaluator.h"

namespace tallyhand {

const HandEvaluator& HandEvaluator::instance()
{
    static constexpr HandEvaluator evaluator;
    return evaluator;
}

EvalHand HandEvaluator::hand(std::span<const Card> cards) const
{
    EvalHand h;
    for (Card c : cards)
        h += kEvaluatorTables.cards[c];
    return h;
}

std::size_t HandEvaluator::tableBytes() const { return sizeof(kEvaluatorTables); }

} // namespace tallyhand
