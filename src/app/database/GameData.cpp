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

void GameData::chooseTournament(std::int64_t tour, const std::string& user)
{
    m_games = TournamentGames{};
    m_chosen = TournamentIndex{};
    m_gamesUser = user;
    if (GameStore* games = store()) {
        ChosenTournament chosen = tallyhand::chosenTournament(*games, tour, user);
        m_games = std::move(chosen.games);
        m_chosen = std::move(chosen.index);
    }
}

const TournamentGames& GameData::gamesFor(const std::string& user)
{
    if (user != m_gamesUser && !m_chosen.tournaments.empty())
        chooseTournament(m_chosen.tournaments.front().tour_no, user);
    return m_games;
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
