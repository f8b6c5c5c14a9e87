#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallyhand {

// The "0.00" pattern: two decimals, `decimalSeparator` in place of the point.
std::string formatFixed2(double value, char decimalSeparator);
// The general number format: as many decimals as the value needs (31 -> "31", 20.19 -> "20.19").
std::string formatGeneral(double value, char decimalSeparator);
// A whole number in 32-bit range, optional sign, blanks around it allowed; nullopt otherwise.
std::optional<int> parseWholeNumber(std::string_view text);

} // namespace tallyhand
