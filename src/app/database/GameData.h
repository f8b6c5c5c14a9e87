#pragma once

#include "store/DatabaseStartup.h"
#include "store/GameStore.h"
#include "store/TournamentGames.h"

#include <QObject>

#include <memory>

namespace tallyhand::app {

// The hand-history database of the running program: the browser lists
// (hole_bundles, tournaments, tournament_types) and the store the views read
// their games from. Lives on the window's thread, with a connection of its own.
class GameData : public QObject {
    Q_OBJECT
public:
    explicit GameData(QObject* parent = nullptr);
    ~GameData() override;

    const GameDatabase& database() const { return m_db; }
    const ACardcount& holeBundles() const { return m_db.hole_bundles; }
    const TournamentIndex& tournaments() const { return m_db.tournaments; }
    bool loaded() const { return m_loaded; }
    // The store on this thread; null while there is none.
    GameStore* store();

    // The games of the chosen tournament as its statistics read them for `user`.
    void chooseTournament(std::int64_t tour, const std::string& user);
    const TournamentIndex& chosenTournament() const { return m_chosen; }
    // The chosen games read for `user`: read anew when they were read for another name.
    const TournamentGames& gamesFor(const std::string& user);

    // Groups the stored hole cards into hole_bundles anew.
    void rebundle();
    // Takes over freshly read browser lists (after a start-up or an import).
    void replace(GameDatabase db);

signals:
    // Before the tables change or go away: readers on other threads finish now.
    void aboutToChange();
    void replaced();

private:
    GameDatabase m_db;
    std::unique_ptr<GameStore> m_store;
    TournamentIndex m_chosen;
    TournamentGames m_games;
    std::string m_gamesUser; // the name m_games were read for
    bool m_loaded = false;
};

} // namespace tallyhand::app
