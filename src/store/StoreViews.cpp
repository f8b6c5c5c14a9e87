#include "store/StoreViews.h"

#include "store/StoredResults.h"

#include <algorithm>

namespace tallyhand {

ClassGames classGamesOf(GameStore& store, const std::string& classRow)
{
    if (classRow.size() < 3)
        return {};
    // The same class test as the list's, on the entries alone; references
    // are read only for the entries of the class.
    const char r1 = classRow[0];
    const char r2 = classRow[2];
    const bool suited = classRow.size() > 4 && classRow[4] == 's';
    const auto inClass = [&](const Tcardcount& entry) {
        const char a = entry.card1.empty() ? ' ' : entry.card1[0];
        const char b = entry.card2.empty() ? ' ' : entry.card2[0];
        return ((a == r1 && b == r2) || (a == r2 && b == r1)) && entry.suited == suited;
    };
    const ReadTransaction snapshot(store.db());
    return gamesOfClass(store.loadHoleCards(inClass), classRow);
}

TournamentSlice tournamentSlice(GameStore& store, std::int64_t tour)
{
    TournamentSlice slice;
    const ReadTransaction snapshot(store.db());
    TTournament entry;
    entry.tour_no = tour;
    entry.game_nos = store.gamesOfTournament(tour);
    entry.count = static_cast<std::int32_t>(entry.game_nos.size());
    if (entry.game_nos.empty())
        return slice;
    slice.tables = store.loadGames(entry.game_nos);
    slice.index.tournaments.push_back(std::move(entry));
    return slice;
}

ChosenTournament chosenTournament(GameStore& store, std::int64_t tour, std::string_view user)
{
    ChosenTournament chosen;
    {
        const ReadTransaction snapshot(store.db());
        if (!user.empty() && resultsUser(store) == user) {
            TTournament entry;
            entry.tour_no = tour;
            entry.game_nos = store.gamesOfTournament(tour);
            entry.count = static_cast<std::int32_t>(entry.game_nos.size());
            if (entry.game_nos.empty())
                return chosen;
            std::vector<std::int64_t> games = entry.game_nos;
            std::sort(games.begin(), games.end());
            games.erase(std::unique(games.begin(), games.end()), games.end());
            chosen.games = store.loadTournamentGames(games);
            chosen.index.tournaments.push_back(std::move(entry));
            return chosen;
        }
    }
    // Another name than the facts were made for: read from the blocks.
    TournamentSlice slice = tournamentSlice(store, tour);
    chosen.games = TournamentGames::ofTables(slice.tables, user);
    chosen.index = std::move(slice.index);
    return chosen;
}

GameTables gameSlice(GameStore& store, std::int64_t game)
{
    const ReadTransaction snapshot(store.db());
    return store.loadGames({game});
}

} // namespace tallyhand
