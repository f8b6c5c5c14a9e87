#pragma once

#include "history/DatabaseStartup.h"
#include "stats/GameIndex.h"

#include <QObject>

namespace tallyhand::app {

// The loaded hand-history database of the running program: hole_cards, boards,
// summaries, game_records and what is derived from them (hole_bundles,
// tournaments, tournament_types). Lives on the window's thread.
class GameData : public QObject {
    Q_OBJECT
public:
    explicit GameData(QObject* parent = nullptr) : QObject(parent) {}
    ~GameData() override { emit aboutToChange(); }

    const GameDatabase& database() const { return m_db; }
    const GameTables& tables() const { return m_db.tables; }
    const ACardcount& holeBundles() const { return m_db.hole_bundles; }
    const TournamentIndex& tournaments() const { return m_db.tournaments; }
    // Where each game stands in the tables; rebuilt with every load.
    const GameIndex& index() const { return m_index; }
    bool loaded() const { return m_loaded; }

    // Takes over a freshly loaded database.
    void replace(GameDatabase db);
    // Groups hole_cards into hole_bundles anew.
    void rebundle();

signals:
    // Before the tables change or go away: readers on other threads finish now.
    void aboutToChange();
    void replaced();

private:
    GameDatabase m_db;
    GameIndex m_index;
    bool m_loaded = false;
};

} // namespace tallyhand::app
