#include "history/MoneyAmount.h"

#include <array>
#include <limits>
#include <string_view>

namespace tallyhand {

namespace {

struct Sign {
    MoneyUnit unit;
    std::string_view text;
};

// UTF-8 first, then the single byte of Windows-1252 files.
constexpr std::array<Sign, 6> kSigns = {{{MoneyUnit::USD, "$"},
                                         {MoneyUnit::EUR, "\xE2\x82\xAC"},
                                         {MoneyUnit::EUR, "\x80"},
                                         {MoneyUnit::GBP, "\xC2\xA3"},
                                         {MoneyUnit::GBP, "\xA3"},
                                         {MoneyUnit::INR, "Rs."}}};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the sign of `unit` at the start of text, with the blank that may
// follow "Rs."; 0 when the text does not start with it.
std::size_t signLength(std::string_view text, MoneyUnit unit)
{
    for (const Sign& sign : kSigns) {
        if (sign.unit != unit || !text.starts_with(sign.text))
            continue;
        std::size_t length = sign.text.size();
        if (unit == MoneyUnit::INR) {
            if (text.substr(length).starts_with("\xC2\xA0"))
                length += 2;
            else if (text.substr(length).starts_with(" "))
                length += 1;
        }
        return length;
    }
    return 0;
}

bool hasSign(MoneyUnit unit) { return unit != MoneyUnit::Chips && unit != MoneyUnit::Play; }

} // namespace

bool unitOfSign(std::string_view text, MoneyUnit& unit)
{
    for (const Sign& sign : kSigns)
        if (text.starts_with(sign.text)) {
            unit = sign.unit;
            return true;
        }
    return false;
}

AmountRead readAmount(std::string_view text, MoneyUnit unit)
{
    AmountRead read;
    std::size_t pos = 0;
    if (hasSign(unit)) {
        pos = signLength(text, unit);
        if (pos == 0) {
            read.error = pos < text.size() && isDigit(text[0]) ? "Betrag ohne Währungszeichen"
                                                               : "unbekanntes Währungszeichen";
            return read;
        }
    } else if (!text.empty() && !isDigit(text[0])) {
        MoneyUnit other;
        read.error = unitOfSign(text, other) ? "Währungszeichen in einem Spiel um Chips" : "Betrag ist keine Zahl";
        return read;
    }
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / 1000;
    std::int64_t whole = 0;
    const std::size_t digitsStart = pos;
    while (pos < text.size() && isDigit(text[pos])) {
        whole = whole * 10 + (text[pos] - '0');
        if (whole > limit) {
            read.error = "Betrag zu groß";
            return read;
        }
        ++pos;
    }
    if (pos == digitsStart) {
        read.error = "Betrag ist keine Zahl";
        return read;
    }
    if (pos + 1 < text.size() && text[pos] == ',' && isDigit(text[pos + 1])) {
        read.error = "Betrag mit Tausendertrennzeichen";
        return read;
    }
    std::int64_t cents = 0;
    if (pos + 1 < text.size() && text[pos] == '.' && isDigit(text[pos + 1])) {
        ++pos;
        int decimals = 0;
        while (pos < text.size() && isDigit(text[pos])) {
            if (++decimals > 2) {
                read.error = "Betrag mit mehr als zwei Nachkommastellen";
                return read;
            }
            cents = cents * 10 + (text[pos] - '0');
            ++pos;
        }
        if (decimals == 1)
            cents *= 10;
        if (!hasSign(unit) && cents != 0) {
            read.error = "Chip-Betrag mit Nachkommastellen";
            return read;
        }
    }
    if (pos < text.size() && ((text[pos] | 0x20) >= 'a' && (text[pos] | 0x20) <= 'z')) {
        read.error = "Betrag ist keine Zahl";
        return read;
    }
    read.value = hasSign(unit) ? whole * 100 + cents : whole;
    read.length = pos;
    return read;
}

} // namespace tallyhand
