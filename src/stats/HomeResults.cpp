#include "stats/HomeResults.h"

#include "store/GameStore.h"
#include "store/StoredResults.h"

#include <algorithm>

namespace tallyhand {

HomeResults resultsOfStore(GameStore& store, const std::atomic<bool>* stop)
{
    HomeResults results;
    ReadTransaction snapshot(store.db());
    results.games = loadStoredResults(store, stop);
    if (stop && stop->load())
        return results;
    for (const GameResult& game : results.games)
        results.unbalanced += !game.balanced;
    std::sort(results.games.begin(), results.games.end(), [](const GameResult& a, const GameResult& b) {
        return a.time != b.time ? a.time < b.time : a.game < b.game;
    });
    for (UnreadableResult& game : loadUnreadableResults(store))
        results.unreadable.push_back({game.game, game.line, std::move(game.reason)});
    return results;
}

} // namespace tallyhand
