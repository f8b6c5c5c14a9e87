#pragma once

#include "history/Records.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tallyhand {

// Where each game stands in the loaded tables, built once after a load so that
// views do not search every table per game. Each lookup answers exactly what a
// search of the table from the top would: the first record, or for the hole
// cards the last one, that matches. The tables must outlive the index and stay
// unchanged.
class GameIndex {
public:
    GameIndex() = default;
    explicit GameIndex(const GameTables& tables);

    // First summary block of the game in any tournament, or of the game in `tour`.
    const Tgame* summary(std::int64_t game) const;
    const Tgame* summary(std::int64_t game, std::int64_t tour) const;
    // First game block of the game (tournament not compared).
    const Tgame* gameRecord(std::int64_t game) const;
    // First board of the game in any tournament, or of the game in `tour`.
    const TBoard* board(std::int64_t game) const;
    const TBoard* board(std::int64_t game, std::int64_t tour) const;
    // The hole cards of the game: the last hole_cards entry, in table order,
    // that refers to it.
    const Tcardcount* holeCards(std::int64_t game) const;

private:
    struct Key {
        std::int64_t game;
        std::int64_t tour;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const noexcept
        {
            return std::hash<std::uint64_t>{}(static_cast<std::uint64_t>(k.game) * 0x9E3779B97F4A7C15ull ^
                                              static_cast<std::uint64_t>(k.tour));
        }
    };
    using ByGame = std::unordered_map<std::int64_t, std::uint32_t>;
    using ByGameAndTour = std::unordered_map<Key, std::uint32_t, KeyHash>;

    const GameTables* m_tables = nullptr;
    ByGame m_summary, m_record, m_board, m_lastHole;
    ByGameAndTour m_summaryInTour, m_boardInTour;
};

} // namespace tallyhand
