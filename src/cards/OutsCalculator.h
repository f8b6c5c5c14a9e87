#pragma once

#include "cards/Colour.h"
#include "cards/Combinations.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyhand {

// Hand categories as the calculator orders them; rows of the result table run
// the other way, royal flush first.
enum Category : int {
    kHighCard = 0,
    kOnePair = 1,
    kTwoPair = 2,
    kSet = 3,
    kStraight = 4,
    kFlush = 5,
    kFullHouse = 6,
    kQuads = 7,
    kStraightFlush = 8,
    kRoyalFlush = 9,
};
constexpr int rowOfCategory(int category) { return kRoyalFlush - category; }

// Edit positions of hand_cards.
inline constexpr int kHole1 = 0, kHole2 = 1, kFlop1 = 2, kFlop2 = 3, kFlop3 = 4, kTurn = 5, kRiver = 6;

// The seven calculator edits as the calculation sees them. An edit holding a
// card already standing in an earlier edit counts as empty.
struct HandCards {
    std::array<std::optional<Card>, 7> cards{}; // the card, when the text is one
    std::array<bool, 7> filled{};               // the edit holds text
    bool boardStarted = false;                  // flop1 holds more than blanks
    std::vector<int> duplicates;                // edits repeating an earlier card
};
HandCards readHandCards(const std::array<std::string, 7>& edits);

// Every card of the seven edits.
CardMask allCards(const HandCards& hand);
// The cards the pattern evaluators count: edits from `first` on, up to the first empty one.
CardMask countedCards(const HandCards& hand, int first = kHole1);

// Result of one evaluator: count -1 made, 0 nothing, n > 0 distinct out cards.
// `text` is the made-hand text or the out list; `cards` the made line or the outs.
struct EvalResult {
    int count = 0;
    std::string text;
    CardMask cards = 0;
};

// Lines with `madeAt` counted cards make the category; lines with `outAt`
// contribute their other cards as outs, each followed by a blank.
EvalResult evalCategory(const PatternList& list, CardMask counted, int madeAt, int outAt, std::string_view label);
// Set outs and set: " <card>" per out, "Set :" + line when made.
EvalResult evalSet(const PatternList& trips, CardMask counted, std::string_view label = "Set :");
// One pair over all seven edits: the pair's two cards, each followed by a blank, or the outs.
EvalResult evalPair(const PatternList& pairs, const HandCards& hand);

std::optional<Card> highestCard(const HandCards& hand);
// Kickers of the made hand (cards not in `madeCards`) from the highest rank down,
// each followed by a blank; `kickers` receives their cards.
std::string kickerText(int category, CardMask madeCards, const HandCards& hand, CardMask* kickers = nullptr);

Rgb flushDangerColour(const HandCards& hand);
Rgb straightDangerColour(const PatternList& straights, const HandCards& hand);

// Everything the calculation derives from the cards alone.
struct OutsResult {
    std::string akt, kicker;             // inp_akt, inp_kicker
    std::array<std::string, 9> outs;     // "Outs" column, royal flush first
    std::array<bool, 9> outsMade{};      // made rows (shown green)
    std::vector<std::string> memo;       // mem_outs
    int totalOuts = 0;                   // inp_total_outs
    int madeCategory = kHighCard;
    CardMask shown = 0;                  // cards in the made-hand or kicker text
    Rgb flushDanger, straightDanger;
};
OutsResult calculateOuts(const PatternLists& patterns, const HandCards& hand);

// Cards the odds are taken over: 47 on the flop, 46 from the turn on, 0 before the flop.
int unseenCards(const HandCards& hand);

struct OddsColumns {
    std::array<std::string, 9> odds;    // "Odds %", royal flush first
    std::array<std::string, 9> potOdds; // "Pot Odds $"
};
// Without a pot the pot-odds column stays empty.
OddsColumns fillOddsColumns(const std::array<std::string, 9>& outs, int unseen, std::optional<int> pot,
                            char decimalSeparator);

} // namespace tallyhand
