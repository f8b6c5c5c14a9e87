#pragma once

#include "history/GameFacts.h"
#include "history/Records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallyhand {

// The cards of one board as its statistics read them: per card its first two
// characters and whether it holds none, one or more.
struct BoardCards {
    std::int64_t game = 0;
    std::array<std::array<char, 2>, 5> text{};
    std::array<std::uint8_t, 5> sizes{}; // 0, 1, or 2 for two and more

    BoardCards() = default;
    BoardCards(std::int64_t game, const std::array<std::string_view, 5>& cards);
    bool empty(std::size_t card) const { return sizes[card] == 0; }
};

// What the statistics of a chosen tournament read of its games: each game's
// hole cards, its facts and the boards, without the game blocks. Lookups
// answer what a search of the whole tables would: the hole cards of a game
// are the hole-card entries referring to it in table order, its facts those
// of its first game block.
class TournamentGames {
public:
    TournamentGames() = default;
    // Over tables in memory, each game's facts read from its block for `user`.
    static TournamentGames ofTables(const GameTables& tables, std::string_view user);

    // Filling, for the store: the hole-card entries (references aside), then
    // per game in ascending order its matches in table order and its facts;
    // boards in table order.
    void setEntries(ACardcount entries) { m_entries = std::move(entries); }
    void addMatch(std::int64_t game, std::uint32_t entry) { m_matches.push_back({game, entry}); }
    void addFacts(std::int64_t game, std::optional<std::int64_t> chips, std::string_view packedTally);
    void addBoard(std::int64_t game, const std::array<std::string_view, 5>& cards) { m_boards.emplace_back(game, cards); }

    const ACardcount& entries() const { return m_entries; }
    // The index in entries() of the last entry referring to the game, if any.
    std::optional<std::size_t> holeCardsAt(std::int64_t game) const;
    const Tcardcount* holeCards(std::int64_t game) const;
    // Calls visit(index in entries()) for every entry referring to the game,
    // once per reference, in table order.
    template <typename Visit>
    void forEachHoleCardMatch(std::int64_t game, Visit visit) const
    {
        const auto [begin, end] = matchRange(game);
        for (std::size_t i = begin; i < end; ++i)
            visit(static_cast<std::size_t>(m_matches[i].second));
    }
    // Whether the store holds a game block of the game.
    bool hasBlock(std::int64_t game) const { return factsAt(game) != nullptr; }
    std::optional<std::int64_t> chips(std::int64_t game) const;
    // Adds the game's won/lost counters to `tally`.
    void addTally(std::int64_t game, WinLossTally& tally) const;
    // The boards of the games, in table order.
    const std::vector<BoardCards>& boards() const { return m_boards; }

private:
    struct Facts {
        std::int64_t chips = 0;
        bool hasChips = false;
        std::uint32_t tallyAt = 0;
        std::uint32_t tallySize = 0;
    };
    const Facts* factsAt(std::int64_t game) const;
    std::pair<std::size_t, std::size_t> matchRange(std::int64_t game) const;

    ACardcount m_entries;
    std::vector<std::pair<std::int64_t, std::uint32_t>> m_matches; // (game, entry), by game
    std::vector<std::int64_t> m_factGames;                          // ascending, beside m_facts
    std::vector<Facts> m_facts;
    std::string m_tallies;                                           // packed tallies, one after another
    std::vector<BoardCards> m_boards;
};

} // namespace tallyhand
