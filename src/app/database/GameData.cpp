#include "app/database/GameData.h"

#include "history/HoleCardBundles.h"

namespace tallyhand::app {

void GameData::replace(GameDatabase db)
{
    emit aboutToChange();
    m_db = std::move(db);
    m_index = GameIndex(m_db.tables);
    m_loaded = true;
    emit replaced();
}

void GameData::rebundle()
{
    m_db.hole_bundles = bundleHoleCards(m_db.tables.hole_cards);
}

} // namespace tallyhand::app
