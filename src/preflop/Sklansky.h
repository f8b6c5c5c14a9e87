#pragma once

#include "cards/Card.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tallyhand {

// Kind 1: two ranks of one suit; kind 2: offsuit, and every pair.
inline constexpr int kSuited = 1;
inline constexpr int kOffsuit = 2;

struct SklanskyEntry {
    int num = 0;            // Sklansky group 1..8, 0 for none
    int wahrHundredths = 0; // stored percentage times 100
    std::string loose;      // 16 two-character chart tokens, or empty
    std::string tight;      // 15 tokens (no token for chart column 8), or empty

    double wahr() const { return wahrHundredths / 100.0; }
};

// The preflop table indexed [rank][rank][kind], ranks 2..14; symmetric in the two ranks.
class SklanskyTable {
public:
    SklanskyTable();
    const SklanskyEntry& at(int rank1, int rank2, int kind) const;

private:
    SklanskyEntry& slot(int rank1, int rank2, int kind);
    std::array<std::array<std::array<SklanskyEntry, 2>, 13>, 13> m_entries;
};

const SklanskyTable& sklanskyTable();

int sklanskyKind(Card a, Card b);
const SklanskyEntry& sklanskyEntry(Card a, Card b);
// Group of two card texts; 0 when either is not a card text or both are the same card.
int sklanskyGroupOf(std::string_view card1, std::string_view card2);

// inp_sk_num and inp_sk_wahr for two hole cards; nullopt (fields untouched) unless both are cards.
struct PreflopRating {
    std::string group;   // "1".."8", "0"
    std::string percent; // "31%", "20.19%", "0%"
};
std::optional<PreflopRating> preflopRating(std::optional<Card> hole1, std::optional<Card> hole2,
                                           char decimalSeparator);

} // namespace tallyhand
