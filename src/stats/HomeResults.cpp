#include "stats/HomeResults.h"

#include "history/GameResultReader.h"
#include "stats/ResultsReport.h"

#include <unordered_set>

namespace tallyhand {

HomeResults resultsOfDatabase(const GameTables& tables, const GameIndex& index, std::string_view user,
                              const std::atomic<bool>* stop)
{
    HomeResults results;
    std::unordered_set<std::int64_t> seen;
    std::vector<std::string_view> lines;
    std::string header;
    for (const Tcardcount& cards : tables.hole_cards) {
        if (stop && stop->load(std::memory_order_relaxed))
            break;
        for (const Tgame& ref : cards.game_refs) {
            if (!seen.insert(ref.game_no).second)
                continue;
            const Tgame* record = index.gameRecord(ref.game_no);
            if (!record)
                continue;
            // The stored block starts after the header line; the reference keeps its text.
            header = "PokerStars Hand #" + std::to_string(ref.game_no) + ": ";
            if (ref.tour_no != 0)
                header += "Tournament #" + std::to_string(ref.tour_no) + ", ";
            header += ref.header;
            lines.clear();
            lines.push_back(header);
            lines.insert(lines.end(), record->lines.begin(), record->lines.end());
            GameResultRead read = readGameResult(lines, user);
            if (read.status == GameResultRead::Status::Ok) {
                results.unbalanced += !read.result.balanced;
                results.games.push_back(read.result);
            } else if (read.status == GameResultRead::Status::Unreadable) {
                results.unreadable.push_back({ref.game_no, read.line, std::move(read.reason)});
            }
        }
    }
    orderResults(results.games);
    return results;
}

} // namespace tallyhand
