#include "stats/GameIndex.h"

namespace tallyhand {

namespace {

template <typename Map, typename K>
void keepFirst(Map& map, const K& key, std::size_t position)
{
    map.try_emplace(key, static_cast<std::uint32_t>(position));
}

template <typename Map, typename K>
const typename Map::mapped_type* find(const Map& map, const K& key)
{
    const auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

} // namespace

GameIndex::GameIndex(const GameTables& tables) : m_tables(&tables)
{
    for (std::size_t i = 0; i < tables.summaries.size(); ++i) {
        const Tgame& g = tables.summaries[i];
        keepFirst(m_summary, g.game_no, i);
        keepFirst(m_summaryInTour, Key{g.game_no, g.tour_no}, i);
    }
    for (std::size_t i = 0; i < tables.game_records.size(); ++i)
        keepFirst(m_record, tables.game_records[i].game_no, i);
    for (std::size_t i = 0; i < tables.boards.size(); ++i) {
        const Tgame& g = tables.boards[i].game;
        keepFirst(m_board, g.game_no, i);
        keepFirst(m_boardInTour, Key{g.game_no, g.tour_no}, i);
    }
    for (std::size_t i = 0; i < tables.hole_cards.size(); ++i)
        for (const Tgame& g : tables.hole_cards[i].game_refs)
            m_lastHole[g.game_no] = static_cast<std::uint32_t>(i);
}

const Tgame* GameIndex::summary(std::int64_t game) const
{
    const auto* at = find(m_summary, game);
    return at ? &m_tables->summaries[*at] : nullptr;
}

const Tgame* GameIndex::summary(std::int64_t game, std::int64_t tour) const
{
    const auto* at = find(m_summaryInTour, Key{game, tour});
    return at ? &m_tables->summaries[*at] : nullptr;
}

const Tgame* GameIndex::gameRecord(std::int64_t game) const
{
    const auto* at = find(m_record, game);
    return at ? &m_tables->game_records[*at] : nullptr;
}

const TBoard* GameIndex::board(std::int64_t game) const
{
    const auto* at = find(m_board, game);
    return at ? &m_tables->boards[*at] : nullptr;
}

const TBoard* GameIndex::board(std::int64_t game, std::int64_t tour) const
{
    const auto* at = find(m_boardInTour, Key{game, tour});
    return at ? &m_tables->boards[*at] : nullptr;
}

const Tcardcount* GameIndex::holeCards(std::int64_t game) const
{
    const auto* at = find(m_lastHole, game);
    return at ? &m_tables->hole_cards[*at] : nullptr;
}

} // namespace tallyhand
