#pragma once

#include "history/Records.h"

#include <string>
#include <vector>

namespace tallyhand {

struct TournamentIndex {
    std::vector<TTournament> tournaments; // in order of first appearance
    std::vector<std::string> listRows;    // lb_tour: "<tour_no> <count>", sorted
    std::vector<std::string> types;       // tool tips: "<tour_no> Type: <header>", same order
};

// Groups the hole-card references by tournament (0 collects the cash games).
TournamentIndex buildTournamentIndex(const ACardcount& holeCards);

// Ascending order ignoring letter case (ASCII letters), bytes otherwise.
bool lessIgnoringCase(const std::string& a, const std::string& b);

} // namespace tallyhand
