#pragma once

#include "cards/Card.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tallyhand {

// Cards written as "AhKd", "Ah Kd", "AHerz,KPik" or "AHerz KPik"; nothing for
// an empty text, no value when a part is not a card.
std::optional<std::vector<Card>> parseCardList(std::string_view text);

} // namespace tallyhand
