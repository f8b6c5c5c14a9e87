#pragma once

#include "history/Records.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tallyhand {

// Whether `now` is the whole of a block stored cut short: the stored lines
// begin it, the last of them possibly cut mid-line, and it has more.
template <typename Lines>
bool completesBlock(const LineList& stored, const Lines& now)
{
    const std::size_t n = stored.size();
    if (n == 0 || n > now.size())
        return false;
    for (std::size_t i = 0; i + 1 < n; ++i)
        if (stored[i] != std::string_view(now[i]))
            return false;
    const std::string_view last = stored[n - 1];
    const std::string_view full = now[n - 1];
    return full.starts_with(last) && !(n == now.size() && last.size() == full.size());
}

// Whether the board `now` completes the board `stored` cut short.
bool completesBoard(const std::array<std::string, 5>& stored, const std::array<std::string, 5>& now);

// A game that could not be imported, with where it stood.
struct SkippedGame {
    std::string file;
    std::size_t line = 0; // 1-based line of its header
    std::string reason;
};

// Extends the four tables with the games of hand-history files. Each file is
// walked once; the hole-card, board, summary and game-block extractors all
// look at every line, so the tables come out as four separate passes would
// leave them. Games already held are skipped, looked up by game number,
// unless what is held is the cut-short beginning of what the file holds now:
// then the stored block (or board) is completed in place.
class GameTableBuilder {
public:
    explicit GameTableBuilder(GameTables start = {});

    // `lines` as split by splitLines(); `userName` is matched in "Dealt to ".
    void addFile(std::string_view fileName, const std::vector<std::string_view>& lines, const std::string& userName);

    const GameTables& tables() const { return m_tables; }
    GameTables takeTables() { return std::move(m_tables); }
    const std::vector<SkippedGame>& skipped() const { return m_skipped; }
    // Files from which not a single game could be read, in the order added.
    const std::vector<std::string>& filesWithoutGames() const { return m_filesWithoutGames; }
    // Header lines seen so far (all files).
    std::size_t headersSeen() const { return m_headersSeen; }

private:
    struct PairHash {
        std::size_t operator()(const std::pair<std::size_t, std::int64_t>& p) const noexcept
        {
            return std::hash<std::int64_t>()(p.second) * 31u + p.first;
        }
    };

    void fileHoleCards(std::string_view line, std::size_t nameEnd);
    void fileBoard(std::string_view line);
    void indexTables();

    GameTables m_tables;
    std::unordered_map<std::string, std::size_t> m_holeIndex;
    std::unordered_set<std::pair<std::size_t, std::int64_t>, PairHash> m_holeGames;
    // Where each held game stands in its table.
    std::unordered_map<std::int64_t, std::size_t> m_boardGames;
    std::unordered_map<std::int64_t, std::size_t> m_summaryGames;
    std::unordered_map<std::int64_t, std::size_t> m_blockGames;
    std::vector<SkippedGame> m_skipped;
    std::vector<std::string> m_filesWithoutGames;
    std::size_t m_headersSeen = 0;

    // The game the current line belongs to.
    struct CurrentGame {
        bool valid = false;
        std::int64_t game_no = 0;
        std::int64_t tour_no = 0;
        std::string header;
        std::string table_name;
    } m_game;
};

} // namespace tallyhand
