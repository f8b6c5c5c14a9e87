#pragma once

#include "cards/Card.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tallyhand {

// The calculator's card text: rank character followed by the German suit word,
// "AHerz", "TKreuz", "QPik", "7Karo".
inline constexpr std::array<std::string_view, 5> kSuitNames{"", "Herz", "Kreuz", "Pik", "Karo"};
// Hand-history suit letters in the same suit order.
inline constexpr std::array<char, 5> kSuitLetters{' ', 'h', 'c', 's', 'd'};
// Index 1..14, the ace at both ends (1 only for the bottom of the five-high straight).
inline constexpr std::string_view kRankChars{" A23456789TJQKA"};

char rankChar(int rank);
std::string cardText(Card c);
// The text of several cards joined by `separator` in the given order.
std::string joinCardTexts(const Card* cards, int count, char separator);

// Exactly one of the 52 card texts, nothing before or after it.
std::optional<Card> parseCardText(std::string_view text);
// Rank value 2..14 of a rank character, 0 when it is none.
int rankValueOfChar(char c);

// Conversion of typed input such as "ah", "Td", "dk" into card text; any text
// it cannot convert comes back exactly as it was.
std::string expandCardText(std::string_view typed);

// Hand-history form: rank character and lower-case suit letter, "Ah".
std::optional<Card> parseHistoryCard(std::string_view text);
std::string historyCardText(Card c);

} // namespace tallyhand
