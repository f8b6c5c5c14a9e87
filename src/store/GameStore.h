#pragma once

#include "history/Records.h"
#include "history/TournamentIndex.h"
#include "store/Sqlite.h"
#include "store/TournamentGames.h"

#include <cstdint>
#include <filesystem>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <string>
#include <vector>

namespace tallyhand {

inline constexpr const char* kStoreFile = "tallyhand.db";

struct PackedBlocks;

// What the store remembers of one hand-history file.
struct HandFileRecord {
    std::string folder;            // as configured, raw bytes
    std::string name;              // bare file name, raw bytes
    std::int64_t size = 0;
    std::int64_t mtime = 0;        // nanoseconds of the file clock
    std::int64_t bytesRead = 0;    // the size it had when read
    std::int64_t resumeAt = 0;     // start of its last game
    std::int64_t gamesRead = 0;    // header lines read, all reads together
};

// What merging one file's tables added or completed.
struct MergeCount {
    std::size_t added = 0;     // games new to the store (hole-card references)
    std::size_t completed = 0; // blocks or boards finished in place
};

// The games of the player in one SQLite file. Each table keeps the row order
// the in-memory tables have, so that lookups answer as they did. One object
// per thread; several processes may open one file (WAL: readers never see
// half an import, one writer at a time).
class GameStore {
public:
    // Opens or creates the file and brings its schema up to date. Throws
    // StoreError; unusable() for a file that is not a database, is damaged or
    // comes from a newer program.
    explicit GameStore(const std::filesystem::path& file);
    ~GameStore();

    SqliteDb& db() { return m_db; }
    const std::filesystem::path& file() const { return m_db.file(); }

    // Nothing imported yet: no file and no game.
    bool empty();
    std::size_t gameCount();

    // Every table whole, in table order.
    GameTables loadTables();
    // The rows of every table that belong to the given game numbers, in table
    // order (hole-card entries holding only those references, in their order).
    GameTables loadGames(const std::vector<std::int64_t>& gameNos);
    // The hole-card entries in order; references only for the entries
    // `withRefs` accepts (none without it).
    ACardcount loadHoleCards(const std::function<bool(const Tcardcount&)>& withRefs = {});
    // What the statistics read of the given games (ascending, no repeats)
    // from the stored facts, not the blocks.
    TournamentGames loadTournamentGames(const std::vector<std::int64_t>& gameNos);
    // lb_tour and its tool tips from one aggregate query; the tournaments
    // carry their counts and headers but no game numbers.
    TournamentIndex tournamentIndex();
    // The user's games of one tournament, one per hole-card reference.
    std::vector<std::int64_t> gamesOfTournament(std::int64_t tour);

    std::vector<std::string> loadedFiles();
    std::optional<HandFileRecord> handFile(const std::string& folder, const std::string& name);
    // Every file of one folder by name, in one query.
    std::unordered_map<std::string, HandFileRecord> handFilesOf(const std::string& folder);

    // Writing; callers hold a Transaction.
    // Removes every game and file (a rebuild starts from nothing).
    void clear();
    // Adds the tables as they are (a data folder taken over), rows appended.
    void appendTables(const GameTables& tables);
    void appendLoadedFile(const std::string& name);
    // Reads the highest game number of each table, before a run of mergeFile
    // calls: a game numbered above it needs no look-up (the card room numbers
    // its games upwards, so a new file's games usually are). For a `large`
    // run the numbers below are answered from every held number, read once
    // when first needed (files of several tables interleave their numbers).
    void beginMerge(bool large = false);
    // During a run of mergeFile calls: false when the store surely holds no
    // row of the game number; true when it may.
    bool mayHold(std::int64_t game);
    // Adds the games of one file's tables that the store does not hold and
    // completes those it holds cut short, exactly as reading the file on top
    // of the whole tables would. `packed`, when given, holds the tables'
    // blocks packed already (packBlocks).
    MergeCount mergeFile(const GameTables& fileTables, const PackedBlocks* packed = nullptr);
    void saveHandFile(const HandFileRecord& record);

    // Streams each table in order, for the export.
    void forEachHoleEntry(const std::function<void(const Tcardcount&)>& visit);
    void forEachBoard(const std::function<void(const TBoard&)>& visit);
    void forEachBlock(bool summaries, const std::function<void(const Tgame&)>& visit);
    std::size_t rowCount(const char* table);

private:
    // loadGames for a large share of all games: each table walked once.
    GameTables scanGames(const std::vector<std::int64_t>& gameNos);

    // Whether a game number may be held in a table (see beginMerge).
    struct Highest {
        std::int64_t value = 0;
        bool any = false;
        bool above(std::int64_t game) const { return !any || game > value; }
        void add(std::int64_t game)
        {
            value = any ? std::max(value, game) : game;
            any = true;
        }
    };

    void noteAdded(Highest& table, std::int64_t game);

    // The statements of mergeFile and the file bookkeeping, prepared once.
    struct MergeStatements;
    MergeStatements& mergeStatements();

    SqliteDb m_db;
    std::unique_ptr<MergeStatements> m_merge; // after m_db: finalized before it closes
    Highest m_refs, m_boards, m_summaries, m_records;
    // Every game number held, in a large run once read, kept up to date by mergeFile.
    std::optional<std::unordered_set<std::int64_t>> m_held;
    bool m_merging = false;
    bool m_largeMerge = false;
};

} // namespace tallyhand
