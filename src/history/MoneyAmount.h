#pragma once

#include "history/GameResult.h"

#include <cstdint>
#include <string_view>

namespace tallyhand {

// One amount as a hand history writes it, read from the start of a text.
struct AmountRead {
    std::int64_t value = 0;    // cents for a currency, chips otherwise
    std::size_t length = 0;    // bytes taken from the text
    std::string_view error;    // German reason; empty when the amount read
    bool ok() const { return error.empty(); }
};

// Reads "$12.50", "€0.05", "£3", "Rs. 25" (blank or no-break space after
// "Rs."), or a plain whole number for chips and play money. The sign must be
// the unit's; more than two decimals, a thousands separator, a missing number
// or an amount beyond 64 bits are errors, never zero.
AmountRead readAmount(std::string_view text, MoneyUnit unit);

// The currency whose sign the text starts with; false for none.
bool unitOfSign(std::string_view text, MoneyUnit& unit);

} // namespace tallyhand
