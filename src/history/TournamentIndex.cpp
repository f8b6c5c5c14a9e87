#include "history/TournamentIndex.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace tallyhand {

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    const auto lower = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u + 32) : u;
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return lower(x) < lower(y); });
}

TournamentIndex buildTournamentIndex(const ACardcount& holeCards)
{
    TournamentIndex index;
    std::unordered_map<std::int64_t, std::size_t> byNumber;
    for (const Tcardcount& entry : holeCards) {
        for (const Tgame& ref : entry.game_refs) {
            const auto [it, added] = byNumber.emplace(ref.tour_no, index.tournaments.size());
            if (added) {
                index.tournaments.push_back({ref.tour_no, {ref.game_no}, 1, ref.header});
                continue;
            }
            TTournament& tournament = index.tournaments[it->second];
            tournament.game_nos.push_back(ref.game_no);
            ++tournament.count;
            tournament.header = ref.header;
        }
    }
    std::vector<std::string> rows;
    std::vector<std::string> types;
    for (const TTournament& t : index.tournaments) {
        rows.push_back(std::to_string(t.tour_no) + ' ' + std::to_string(t.count));
        types.push_back(std::to_string(t.tour_no) + " Type: " + t.header);
    }
    // One permutation for both lists keeps each tool tip beside its row.
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return lessIgnoringCase(rows[a], rows[b]); });
    for (std::size_t i : order) {
        index.listRows.push_back(std::move(rows[i]));
        index.types.push_back(std::move(types[i]));
    }
    return index;
}

} // namespace tallyhand
