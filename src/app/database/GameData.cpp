#include "app/database/GameData.h"

#include "history/HoleCardBundles.h"
#include "store/StoreViews.h"

namespace tallyhand::app {

GameData::GameData(QObject* parent) : QObject(parent) {}

GameData::~GameData()
{
    emit aboutToChange();
}

GameStore* GameData::store()
{
    if (!m_store && !m_db.storeFile.empty()) {
        try {
            m_store = std::make_unique<GameStore>(m_db.storeFile);
        } catch (const DatabaseError&) {
            return nullptr; // the views stay empty; the start-up reported the file
        }
    }
    return m_store.get();
}

void GameData::chooseTournament(std::int64_t tour)
{
    m_index = GameIndex();
    m_tables = GameTables{};
    m_chosen = TournamentIndex{};
    if (GameStore* games = store()) {
        TournamentSlice slice = tournamentSlice(*games, tour);
        m_tables = std::move(slice.tables);
        m_chosen = std::move(slice.index);
    }
    m_index = GameIndex(m_tables);
}

void GameData::rebundle()
{
    if (GameStore* games = store())
        m_db.hole_bundles = bundleHoleCards(games->loadHoleCards());
}

void GameData::replace(GameDatabase db)
{
    emit aboutToChange();
    if (db.storeFile != m_db.storeFile)
        m_store.reset();
    m_db = std::move(db);
    m_loaded = true;
    emit replaced();
}

} // namespace tallyhand::app
