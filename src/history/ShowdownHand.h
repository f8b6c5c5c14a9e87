#pragma once

#include "cards/Card.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tallyhand {

// The best five-card hand of five to seven cards, as the card room names it
// at a showdown ("a pair of Jacks", "a straight, Five to Nine").
struct ShowdownHand {
    int category = 0;          // 0 high card ... 8 straight flush
    std::uint32_t value = 0;   // larger wins; equal splits
    std::string description;
};

ShowdownHand evaluateShowdown(std::span<const Card> cards);

const char* rankWord(int rank); // "Deuce" .. "Ace"
// What the card room adds to a shown hand that a kicker decided against
// another shown hand of the same kind: " - Queen+Jack kicker" for the
// winner, " - lower kicker" for the loser; empty otherwise.
std::string kickerText(const ShowdownHand& hand, const std::vector<const ShowdownHand*>& shown);

} // namespace tallyhand
