#include "cards/NumberFormat.h"

#include <charconv>
#include <limits>

namespace tallyhand {
namespace {

// std::to_chars ignores the C locale, so the separator is always ours to choose.
std::string withSeparator(std::string text, char decimalSeparator)
{
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
    return text;
}

std::string toChars(double value, int precision)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    return std::string(buffer, result.ptr);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::string formatFixed2(double value, char decimalSeparator)
{
    return withSeparator(toChars(value, 2), decimalSeparator);
}

std::string formatGeneral(double value, char decimalSeparator)
{
    // Stored values carry at most a few decimals; trailing zeros are dropped.
    std::string text = toChars(value, 6);
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    if (text == "-0")
        text = "0";
    return withSeparator(std::move(text), decimalSeparator);
}

std::optional<int> parseWholeNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size())
        return std::nullopt;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace tallyhand
