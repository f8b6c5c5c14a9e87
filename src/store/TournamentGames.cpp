#include "store/TournamentGames.h"

#include <algorithm>
#include <unordered_map>

namespace tallyhand {

TournamentGames TournamentGames::ofTables(const GameTables& tables, std::string_view user)
{
    TournamentGames games;
    struct Match {
        std::int64_t game;
        std::uint32_t entry;
    };
    std::vector<Match> matches;
    for (std::size_t i = 0; i < tables.hole_cards.size(); ++i) {
        Tcardcount entry = tables.hole_cards[i];
        for (const Tgame& ref : entry.game_refs)
            matches.push_back({ref.game_no, static_cast<std::uint32_t>(i)});
        entry.game_refs.clear();
        games.m_entries.push_back(std::move(entry));
    }
    std::stable_sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) { return a.game < b.game; });
    for (const Match& m : matches)
        games.addMatch(m.game, m.entry);

    // The first block of each game number counts.
    std::unordered_map<std::int64_t, const Tgame*> first;
    for (const Tgame& block : tables.game_records)
        first.try_emplace(block.game_no, &block);
    std::vector<const Tgame*> blocks;
    for (const auto& [game, block] : first)
        blocks.push_back(block);
    std::sort(blocks.begin(), blocks.end(), [](const Tgame* a, const Tgame* b) { return a->game_no < b->game_no; });
    for (const Tgame* block : blocks) {
        const GameFacts facts = readGameFacts(block->lines, user);
        games.addFacts(block->game_no, facts.chips, packTally(facts.tally));
    }
    for (const TBoard& board : tables.boards)
        games.addBoard(board.game.game_no, {board.cards[0], board.cards[1], board.cards[2], board.cards[3], board.cards[4]});
    return games;
}

BoardCards::BoardCards(std::int64_t game, const std::array<std::string_view, 5>& cards) : game(game)
{
    for (std::size_t i = 0; i < cards.size(); ++i) {
        sizes[i] = static_cast<std::uint8_t>(std::min<std::size_t>(cards[i].size(), 2));
        for (std::size_t c = 0; c < sizes[i]; ++c)
            text[i][c] = cards[i][c];
    }
}

void TournamentGames::addFacts(std::int64_t game, std::optional<std::int64_t> chips, std::string_view packedTally)
{
    m_factGames.push_back(game);
    m_facts.push_back({chips.value_or(0), chips.has_value(), static_cast<std::uint32_t>(m_tallies.size()),
                       static_cast<std::uint32_t>(packedTally.size())});
    m_tallies.append(packedTally);
}

const TournamentGames::Facts* TournamentGames::factsAt(std::int64_t game) const
{
    const auto it = std::lower_bound(m_factGames.begin(), m_factGames.end(), game);
    return it != m_factGames.end() && *it == game ? &m_facts[static_cast<std::size_t>(it - m_factGames.begin())]
                                                  : nullptr;
}

std::pair<std::size_t, std::size_t> TournamentGames::matchRange(std::int64_t game) const
{
    const auto byGame = [](const std::pair<std::int64_t, std::uint32_t>& m, std::int64_t g) { return m.first < g; };
    const auto begin = std::lower_bound(m_matches.begin(), m_matches.end(), game, byGame);
    auto end = begin;
    while (end != m_matches.end() && end->first == game)
        ++end;
    return {static_cast<std::size_t>(begin - m_matches.begin()), static_cast<std::size_t>(end - m_matches.begin())};
}

std::optional<std::size_t> TournamentGames::holeCardsAt(std::int64_t game) const
{
    const auto [begin, end] = matchRange(game);
    if (begin == end)
        return std::nullopt;
    return m_matches[end - 1].second;
}

const Tcardcount* TournamentGames::holeCards(std::int64_t game) const
{
    const auto at = holeCardsAt(game);
    return at ? &m_entries[*at] : nullptr;
}

std::optional<std::int64_t> TournamentGames::chips(std::int64_t game) const
{
    const Facts* facts = factsAt(game);
    if (!facts || !facts->hasChips)
        return std::nullopt;
    return facts->chips;
}

void TournamentGames::addTally(std::int64_t game, WinLossTally& tally) const
{
    if (const Facts* facts = factsAt(game))
        addPackedTally(std::string_view(m_tallies).substr(facts->tallyAt, facts->tallySize), tally);
}

} // namespace tallyhand
