#include "store/GameStore.h"

#include "history/GameTableBuilder.h"
#include "store/BlockCodec.h"
#include "store/Schema.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <unordered_map>
#include <unordered_set>

namespace tallyhand {
namespace {

// The two cards of a pair in a fixed order: "Ah Kd" and "Kd Ah" are one entry.
std::string pairKey(const std::string& a, const std::string& b)
{
    return a < b ? a + '\n' + b : b + '\n' + a;
}

// Game numbers travel to SQLite as a temporary table, never as SQL text.
class GameSet {
public:
    GameSet(SqliteDb& db, const std::vector<std::int64_t>& games) : m_db(db)
    {
        db.exec("CREATE TEMP TABLE IF NOT EXISTS wanted(game_no INTEGER PRIMARY KEY); DELETE FROM temp.wanted");
        Statement insert(db, "INSERT OR IGNORE INTO temp.wanted(game_no) VALUES(?)");
        for (std::int64_t game : games)
            insert.reset().bind(1, game).run();
    }
    ~GameSet()
    {
        sqlite3_exec(m_db.handle(), "DELETE FROM temp.wanted", nullptr, nullptr, nullptr);
    }

private:
    SqliteDb& m_db;
};

Tgame blockRow(const Statement& row)
{
    Tgame game;
    game.game_no = row.int64(0);
    game.tour_no = row.int64(1);
    game.lines = unpackLines(row.bytes(3), static_cast<std::size_t>(row.int64(2)));
    return game;
}

TBoard boardRow(const Statement& row)
{
    TBoard board;
    board.game.game_no = row.int64(0);
    board.game.tour_no = row.int64(1);
    for (int i = 0; i < 5; ++i)
        board.cards[static_cast<std::size_t>(i)] = row.text(2 + i);
    return board;
}

Tgame refRow(const Statement& row, int first)
{
    Tgame ref;
    ref.game_no = row.int64(first);
    ref.tour_no = row.int64(first + 1);
    ref.table_name = row.text(first + 2);
    ref.header = row.text(first + 3);
    return ref;
}

Tcardcount entryRow(const Statement& row, int first)
{
    Tcardcount entry;
    entry.card1 = row.text(first);
    entry.card2 = row.text(first + 1);
    entry.suited = row.int64(first + 2) != 0;
    entry.count = static_cast<std::int32_t>(row.int64(first + 3));
    return entry;
}

} // namespace

struct GameStore::MergeStatements {
    explicit MergeStatements(SqliteDb& db)
        : findEntry(db, "SELECT id FROM hole_cards WHERE pair_key = ? ORDER BY id LIMIT 1"),
          addEntry(db, "INSERT INTO hole_cards(pair_key, card1, card2, suited, count) VALUES(?, ?, ?, ?, 0)"),
          hasRef(db, "SELECT 1 FROM hole_refs WHERE game_no = ? AND entry = ? LIMIT 1"),
          addRef(db, "INSERT INTO hole_refs(entry, game_no, tour_no, table_name, header) VALUES(?, ?, ?, ?, ?)"),
          addCount(db, "UPDATE hole_cards SET count = count + ? WHERE id = ?"),
          findBoard(db, "SELECT id, flop1, flop2, flop3, turn, river FROM boards WHERE game_no = ? ORDER BY id LIMIT 1"),
          addBoard(db, "INSERT INTO boards(game_no, tour_no, flop1, flop2, flop3, turn, river) VALUES(?, ?, ?, ?, ?, ?, ?)"),
          setBoard(db, "UPDATE boards SET flop1 = ?, flop2 = ?, flop3 = ?, turn = ?, river = ? WHERE id = ?"),
          findSummary(db, "SELECT id, line_count, lines FROM summaries WHERE game_no = ? ORDER BY id LIMIT 1"),
          addSummary(db, "INSERT INTO summaries(game_no, tour_no, line_count, lines) VALUES(?, ?, ?, ?)"),
          setSummary(db, "UPDATE summaries SET line_count = ?, lines = ? WHERE id = ?"),
          findRecord(db, "SELECT id, line_count, lines FROM game_records WHERE game_no = ? ORDER BY id LIMIT 1"),
          addRecord(db, "INSERT INTO game_records(game_no, tour_no, line_count, lines) VALUES(?, ?, ?, ?)"),
          setRecord(db, "UPDATE game_records SET line_count = ?, lines = ? WHERE id = ?"),
          saveFile(db, "INSERT INTO hand_files(folder, name, size, mtime, bytes_read, resume_at, games_read)"
                       " VALUES(?, ?, ?, ?, ?, ?, ?) ON CONFLICT(folder, name) DO UPDATE SET"
                       " size = excluded.size, mtime = excluded.mtime, bytes_read = excluded.bytes_read,"
                       " resume_at = excluded.resume_at, games_read = excluded.games_read"),
          addLoaded(db, "INSERT INTO loaded_files(name) VALUES(?)")
    {
    }

    // A look-up left on its row would hold a read of the file past the
    // transaction; every statement is reset once a call is done with it.
    void resetAll()
    {
        for (Statement* s : {&findEntry, &addEntry, &hasRef, &addRef, &addCount, &findBoard, &addBoard, &setBoard,
                             &findSummary, &addSummary, &setSummary, &findRecord, &addRecord, &setRecord, &saveFile,
                             &addLoaded})
            s->reset();
    }

    Statement findEntry, addEntry, hasRef, addRef, addCount;
    Statement findBoard, addBoard, setBoard;
    Statement findSummary, addSummary, setSummary, findRecord, addRecord, setRecord;
    Statement saveFile, addLoaded;
};

GameStore::MergeStatements& GameStore::mergeStatements()
{
    if (!m_merge)
        m_merge = std::make_unique<MergeStatements>(m_db);
    return *m_merge;
}

GameStore::~GameStore() = default;

GameStore::GameStore(const std::filesystem::path& file) : m_db(file, true)
{
    // The first statement reads the file: a file that is not a database fails here.
    // Switching a new file to WAL needs it alone, and SQLite does not wait for
    // that: a second process creating it at the same moment tries again.
    for (int attempt = 1;; ++attempt) {
        try {
            // Larger pages for a new file: fewer of them to write and to look
            // through for a history of millions of games.
            m_db.exec("PRAGMA page_size=16384");
            m_db.exec("PRAGMA journal_mode=WAL");
            break;
        } catch (const StoreError& e) {
            if (e.code() != SQLITE_BUSY || attempt == 100)
                throw;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    m_db.exec("PRAGMA synchronous=NORMAL");
    m_db.exec("PRAGMA foreign_keys=OFF");
    // Room for the indexes of a large history while importing.
    m_db.exec("PRAGMA cache_size=-65536");
    migrateSchema(m_db);
}

bool GameStore::empty()
{
    Statement query(m_db, "SELECT (SELECT COUNT(*) FROM hand_files) + (SELECT COUNT(*) FROM loaded_files)"
                          " + (SELECT COUNT(*) FROM hole_cards) + (SELECT COUNT(*) FROM game_records)");
    return query.step() && query.int64(0) == 0;
}

std::size_t GameStore::gameCount()
{
    Statement query(m_db, "SELECT COUNT(*) FROM hole_refs");
    return query.step() ? static_cast<std::size_t>(query.int64(0)) : 0;
}

std::size_t GameStore::rowCount(const char* table)
{
    static const std::unordered_map<std::string, const char*> queries{
        {"hole_cards", "SELECT COUNT(*) FROM hole_cards"}, {"boards", "SELECT COUNT(*) FROM boards"},
        {"summaries", "SELECT COUNT(*) FROM summaries"},   {"game_records", "SELECT COUNT(*) FROM game_records"},
        {"loaded_files", "SELECT COUNT(*) FROM loaded_files"}};
    Statement query(m_db, queries.at(table));
    return query.step() ? static_cast<std::size_t>(query.int64(0)) : 0;
}

ACardcount GameStore::loadHoleCards(const std::function<bool(const Tcardcount&)>& withRefs)
{
    ACardcount entries;
    std::vector<std::int64_t> ids;
    Statement rows(m_db, "SELECT id, card1, card2, suited, count FROM hole_cards ORDER BY id");
    while (rows.step()) {
        ids.push_back(rows.int64(0));
        entries.push_back(entryRow(rows, 1));
    }
    if (!withRefs)
        return entries;
    Statement refs(m_db, "SELECT game_no, tour_no, table_name, header FROM hole_refs WHERE entry = ? ORDER BY id");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!withRefs(entries[i]))
            continue;
        refs.reset().bind(1, ids[i]);
        while (refs.step())
            entries[i].game_refs.push_back(refRow(refs, 0));
    }
    return entries;
}

void GameStore::forEachHoleEntry(const std::function<void(const Tcardcount&)>& visit)
{
    Statement entries(m_db, "SELECT id, card1, card2, suited, count FROM hole_cards ORDER BY id");
    Statement refs(m_db, "SELECT game_no, tour_no, table_name, header FROM hole_refs WHERE entry = ? ORDER BY id");
    while (entries.step()) {
        Tcardcount entry = entryRow(entries, 1);
        refs.reset().bind(1, entries.int64(0));
        while (refs.step())
            entry.game_refs.push_back(refRow(refs, 0));
        visit(entry);
    }
}

void GameStore::forEachBoard(const std::function<void(const TBoard&)>& visit)
{
    Statement rows(m_db, "SELECT game_no, tour_no, flop1, flop2, flop3, turn, river FROM boards ORDER BY id");
    while (rows.step())
        visit(boardRow(rows));
}

void GameStore::forEachBlock(bool summaries, const std::function<void(const Tgame&)>& visit)
{
    Statement rows(m_db, summaries ? "SELECT game_no, tour_no, line_count, lines FROM summaries ORDER BY id"
                                   : "SELECT game_no, tour_no, line_count, lines FROM game_records ORDER BY id");
    while (rows.step())
        visit(blockRow(rows));
}

GameTables GameStore::loadTables()
{
    GameTables tables;
    forEachHoleEntry([&](const Tcardcount& entry) { tables.hole_cards.push_back(entry); });
    forEachBoard([&](const TBoard& board) { tables.boards.push_back(board); });
    forEachBlock(true, [&](const Tgame& game) { tables.summaries.push_back(game); });
    forEachBlock(false, [&](const Tgame& game) { tables.game_records.push_back(game); });
    return tables;
}

GameTables GameStore::loadGames(const std::vector<std::int64_t>& gameNos)
{
    // A large share of all games (the cash games, say) is read faster by
    // walking each table once than by looking every game up.
    if (gameNos.size() * 8 > gameCount())
        return scanGames(gameNos);
    GameTables tables;
    GameSet wanted(m_db, gameNos);
    {
        Statement rows(m_db, "SELECT h.id, h.card1, h.card2, h.suited, h.count, r.game_no, r.tour_no, r.table_name,"
                             " r.header FROM temp.wanted w CROSS JOIN hole_refs r ON r.game_no = w.game_no"
                             " JOIN hole_cards h ON h.id = r.entry ORDER BY h.id, r.id");
        std::int64_t current = -1;
        while (rows.step()) {
            if (rows.int64(0) != current) {
                current = rows.int64(0);
                tables.hole_cards.push_back(entryRow(rows, 1));
            }
            tables.hole_cards.back().game_refs.push_back(refRow(rows, 5));
        }
    }
    {
        Statement rows(m_db, "SELECT b.game_no, b.tour_no, flop1, flop2, flop3, turn, river FROM temp.wanted w"
                             " CROSS JOIN boards b ON b.game_no = w.game_no ORDER BY b.id");
        while (rows.step())
            tables.boards.push_back(boardRow(rows));
    }
    for (const bool summaries : {true, false}) {
        Statement rows(m_db, summaries ? "SELECT s.game_no, s.tour_no, line_count, lines FROM temp.wanted w"
                                         " CROSS JOIN summaries s ON s.game_no = w.game_no ORDER BY s.id"
                                       : "SELECT g.game_no, g.tour_no, line_count, lines FROM temp.wanted w"
                                         " CROSS JOIN game_records g ON g.game_no = w.game_no ORDER BY g.id");
        AGame& table = summaries ? tables.summaries : tables.game_records;
        while (rows.step())
            table.push_back(blockRow(rows));
    }
    return tables;
}

TournamentGames GameStore::loadTournamentGames(const std::vector<std::int64_t>& gameNos)
{
    // Walking whole tables reads faster through a mapping of the file than
    // through copies into the page cache; it is dropped again afterwards so
    // that the process does not keep the file's pages resident.
    struct Mapped {
        SqliteDb& db;
        explicit Mapped(SqliteDb& db) : db(db) { db.exec("PRAGMA mmap_size = 2147418112"); }
        ~Mapped() { sqlite3_exec(db.handle(), "PRAGMA mmap_size = 0", nullptr, nullptr, nullptr); }
    } mapped(m_db);
    TournamentGames games;
    {
        ACardcount entries;
        std::unordered_map<std::int64_t, std::uint32_t> entryAt;
        Statement rows(m_db, "SELECT id, card1, card2, suited, count FROM hole_cards ORDER BY id");
        while (rows.step()) {
            entryAt.emplace(rows.int64(0), static_cast<std::uint32_t>(entries.size()));
            entries.push_back(entryRow(rows, 1));
        }
        games.setEntries(std::move(entries));
        // Reading the references from the index alone; each game's in table order.
        const auto addMatches = [&](Statement& matches, const auto& accept) {
            while (matches.step())
                if (accept(matches.int64(0)))
                    games.addMatch(matches.int64(0), entryAt.at(matches.int64(1)));
        };
        const auto addFacts = [&](Statement& facts, const auto& accept) {
            while (facts.step())
                if (accept(facts.int64(0)))
                    games.addFacts(facts.int64(0),
                                   facts.isNull(1) ? std::nullopt : std::optional<std::int64_t>(facts.int64(1)),
                                   facts.bytes(2));
        };
        const auto addBoards = [&](Statement& boards, const auto& accept) {
            while (boards.step())
                if (accept(boards.int64(0)))
                    games.addBoard(boards.int64(0), {boards.bytes(2), boards.bytes(3), boards.bytes(4),
                                                     boards.bytes(5), boards.bytes(6)});
        };
        // A large share of all games (the cash games, say) is read faster by
        // walking each table once than by looking every game up.
        if (gameNos.size() * 8 > gameCount()) {
            const auto wanted = [&](std::int64_t game) {
                return std::binary_search(gameNos.begin(), gameNos.end(), game);
            };
            Statement matches(m_db, "SELECT game_no, entry FROM hole_refs INDEXED BY hole_refs_game"
                                    " ORDER BY game_no, entry, id");
            addMatches(matches, wanted);
            Statement facts(m_db, "SELECT game_no, chips, tally FROM game_facts ORDER BY game_no");
            addFacts(facts, wanted);
            Statement boards(m_db, "SELECT game_no, tour_no, flop1, flop2, flop3, turn, river FROM boards ORDER BY id");
            addBoards(boards, wanted);
        } else {
            const auto all = [](std::int64_t) { return true; };
            GameSet wanted(m_db, gameNos);
            Statement matches(m_db, "SELECT r.game_no, r.entry FROM temp.wanted w CROSS JOIN hole_refs r"
                                    " INDEXED BY hole_refs_game ON r.game_no = w.game_no ORDER BY r.game_no, r.entry, r.id");
            addMatches(matches, all);
            Statement facts(m_db, "SELECT f.game_no, f.chips, f.tally FROM temp.wanted w CROSS JOIN game_facts f"
                                  " ON f.game_no = w.game_no ORDER BY f.game_no");
            addFacts(facts, all);
            Statement boards(m_db, "SELECT b.game_no, b.tour_no, flop1, flop2, flop3, turn, river FROM temp.wanted w"
                                   " CROSS JOIN boards b ON b.game_no = w.game_no ORDER BY b.id");
            addBoards(boards, all);
        }
    }
    return games;
}

GameTables GameStore::scanGames(const std::vector<std::int64_t>& gameNos)
{
    const std::unordered_set<std::int64_t> wanted(gameNos.begin(), gameNos.end());
    GameTables tables;
    {
        Statement entries(m_db, "SELECT id, card1, card2, suited, count FROM hole_cards ORDER BY id");
        Statement refs(m_db, "SELECT game_no, tour_no, table_name, header FROM hole_refs WHERE entry = ? ORDER BY id");
        while (entries.step()) {
            Tcardcount entry = entryRow(entries, 1);
            refs.reset().bind(1, entries.int64(0));
            while (refs.step())
                if (wanted.contains(refs.int64(0)))
                    entry.game_refs.push_back(refRow(refs, 0));
            if (!entry.game_refs.empty())
                tables.hole_cards.push_back(std::move(entry));
        }
    }
    forEachBoard([&](const TBoard& board) {
        if (wanted.contains(board.game.game_no))
            tables.boards.push_back(board);
    });
    for (const bool summaries : {true, false}) {
        Statement rows(m_db, summaries ? "SELECT game_no, tour_no, line_count, lines FROM summaries ORDER BY id"
                                       : "SELECT game_no, tour_no, line_count, lines FROM game_records ORDER BY id");
        AGame& table = summaries ? tables.summaries : tables.game_records;
        while (rows.step())
            if (wanted.contains(rows.int64(0)))
                table.push_back(blockRow(rows));
    }
    return tables;
}

TournamentIndex GameStore::tournamentIndex()
{
    // The index takes each tournament's header from its last reference in
    // table order (entry, then reference): the largest such key.
    TournamentIndex index;
    Statement rows(m_db, "SELECT t.tour_no, t.n, h.header FROM (SELECT tour_no, COUNT(*) AS n,"
                         " MAX(entry * 4294967296 + id) AS last, MIN(entry * 4294967296 + id) AS first"
                         " FROM hole_refs GROUP BY tour_no) t JOIN hole_refs h ON h.id = t.last % 4294967296"
                         " ORDER BY t.first");
    while (rows.step()) {
        TTournament tour;
        tour.tour_no = rows.int64(0);
        tour.count = static_cast<std::int32_t>(rows.int64(1));
        tour.header = rows.text(2);
        index.tournaments.push_back(std::move(tour));
    }
    for (const TTournament& tour : index.tournaments) {
        index.listRows.push_back(std::to_string(tour.tour_no) + ' ' + std::to_string(tour.count));
        index.types.push_back(std::to_string(tour.tour_no) + " Type: " + tour.header);
    }
    std::sort(index.listRows.begin(), index.listRows.end(), lessIgnoringCase);
    std::sort(index.types.begin(), index.types.end(), lessIgnoringCase);
    return index;
}

std::vector<std::int64_t> GameStore::gamesOfTournament(std::int64_t tour)
{
    std::vector<std::int64_t> games;
    Statement rows(m_db, "SELECT game_no FROM hole_refs WHERE tour_no = ?");
    rows.bind(1, tour);
    while (rows.step())
        games.push_back(rows.int64(0));
    return games;
}

std::vector<std::string> GameStore::loadedFiles()
{
    std::vector<std::string> names;
    Statement rows(m_db, "SELECT name FROM loaded_files ORDER BY id");
    while (rows.step())
        names.push_back(rows.text(0));
    return names;
}

namespace {

HandFileRecord fileRow(const Statement& row)
{
    HandFileRecord record;
    record.folder = row.text(0);
    record.name = row.text(1);
    record.size = row.int64(2);
    record.mtime = row.int64(3);
    record.bytesRead = row.int64(4);
    record.resumeAt = row.int64(5);
    record.gamesRead = row.int64(6);
    return record;
}

constexpr const char* kFileColumns = "SELECT folder, name, size, mtime, bytes_read, resume_at, games_read FROM hand_files";

} // namespace

std::optional<HandFileRecord> GameStore::handFile(const std::string& folder, const std::string& name)
{
    Statement row(m_db, (std::string(kFileColumns) + " WHERE folder = ? AND name = ?").c_str());
    row.bind(1, folder).bind(2, name);
    if (!row.step())
        return std::nullopt;
    return fileRow(row);
}

std::unordered_map<std::string, HandFileRecord> GameStore::handFilesOf(const std::string& folder)
{
    std::unordered_map<std::string, HandFileRecord> records;
    Statement rows(m_db, (std::string(kFileColumns) + " WHERE folder = ?").c_str());
    rows.bind(1, folder);
    while (rows.step()) {
        HandFileRecord record = fileRow(rows);
        records.emplace(record.name, std::move(record));
    }
    return records;
}

void GameStore::saveHandFile(const HandFileRecord& record)
{
    Statement& upsert = mergeStatements().saveFile;
    upsert.reset().bind(1, record.folder).bind(2, record.name).bind(3, record.size).bind(4, record.mtime);
    upsert.bind(5, record.bytesRead).bind(6, record.resumeAt).bind(7, record.gamesRead).run();
}

void GameStore::clear()
{
    m_db.exec("DELETE FROM hole_refs; DELETE FROM hole_cards; DELETE FROM boards; DELETE FROM summaries;"
              " DELETE FROM game_records; DELETE FROM loaded_files; DELETE FROM hand_files;"
              " DELETE FROM game_results; DELETE FROM unreadable_results; DELETE FROM game_facts");
}

void GameStore::appendLoadedFile(const std::string& name)
{
    mergeStatements().addLoaded.reset().bind(1, name).run();
}

void GameStore::appendTables(const GameTables& tables)
{
    Statement entry(m_db, "INSERT INTO hole_cards(pair_key, card1, card2, suited, count) VALUES(?, ?, ?, ?, ?)");
    Statement ref(m_db, "INSERT INTO hole_refs(entry, game_no, tour_no, table_name, header) VALUES(?, ?, ?, ?, ?)");
    for (const Tcardcount& e : tables.hole_cards) {
        entry.reset().bind(1, pairKey(e.card1, e.card2)).bind(2, e.card1).bind(3, e.card2);
        entry.bind(4, std::int64_t{e.suited}).bind(5, std::int64_t{e.count}).run();
        const std::int64_t id = m_db.lastInsertId();
        for (const Tgame& r : e.game_refs)
            ref.reset().bind(1, id).bind(2, r.game_no).bind(3, r.tour_no).bind(4, r.table_name).bind(5, r.header).run();
    }
    Statement board(m_db, "INSERT INTO boards(game_no, tour_no, flop1, flop2, flop3, turn, river)"
                          " VALUES(?, ?, ?, ?, ?, ?, ?)");
    for (const TBoard& b : tables.boards) {
        board.reset().bind(1, b.game.game_no).bind(2, b.game.tour_no);
        for (int i = 0; i < 5; ++i)
            board.bind(3 + i, b.cards[static_cast<std::size_t>(i)]);
        board.run();
    }
    Statement summary(m_db, "INSERT INTO summaries(game_no, tour_no, line_count, lines) VALUES(?, ?, ?, ?)");
    Statement record(m_db, "INSERT INTO game_records(game_no, tour_no, line_count, lines) VALUES(?, ?, ?, ?)");
    for (const auto& [table, insert] : {std::pair{&tables.summaries, &summary}, std::pair{&tables.game_records, &record}})
        for (const Tgame& g : *table)
            insert->reset()
                .bind(1, g.game_no)
                .bind(2, g.tour_no)
                .bind(3, static_cast<std::int64_t>(g.lines.size()))
                .bind(4, packLines(g.lines))
                .run();
}

void GameStore::beginMerge(bool large)
{
    const auto highest = [&](const char* sql, Highest& h) {
        Statement query(m_db, sql);
        h = Highest{};
        if (query.step() && !query.isNull(0))
            h.add(query.int64(0));
    };
    highest("SELECT MAX(game_no) FROM hole_refs", m_refs);
    highest("SELECT MAX(game_no) FROM boards", m_boards);
    highest("SELECT MAX(game_no) FROM summaries", m_summaries);
    highest("SELECT MAX(game_no) FROM game_records", m_records);
    m_held.reset();
    m_merging = true;
    m_largeMerge = large;
}

bool GameStore::mayHold(std::int64_t game)
{
    if (m_refs.above(game) && m_boards.above(game) && m_summaries.above(game) && m_records.above(game))
        return false;
    // A few files look their games up in the tables.
    if (!m_largeMerge)
        return true;
    if (!m_held) {
        m_held.emplace();
        for (const char* sql : {"SELECT game_no FROM hole_refs INDEXED BY hole_refs_game",
                                "SELECT game_no FROM boards INDEXED BY boards_game",
                                "SELECT game_no FROM summaries INDEXED BY summaries_game",
                                "SELECT game_no FROM game_records INDEXED BY game_records_game"}) {
            Statement rows(m_db, sql);
            while (rows.step())
                m_held->insert(rows.int64(0));
        }
    }
    return m_held->contains(game);
}

void GameStore::noteAdded(Highest& table, std::int64_t game)
{
    table.add(game);
    if (m_held)
        m_held->insert(game);
}

MergeCount GameStore::mergeFile(const GameTables& fileTables, const PackedBlocks* packed)
{
    if (!m_merging)
        beginMerge();
    MergeStatements& st = mergeStatements();
    struct ResetOnExit {
        MergeStatements& st;
        ~ResetOnExit() { st.resetAll(); }
    } const resetOnExit{st};
    MergeCount count;
    // Hole cards: an entry per pair in order of first appearance, a reference
    // per game unless the entry already refers to that game number.
    for (const Tcardcount& e : fileTables.hole_cards) {
        const std::string key = pairKey(e.card1, e.card2);
        std::int64_t id = 0;
        st.findEntry.reset().bind(1, key);
        if (st.findEntry.step()) {
            id = st.findEntry.int64(0);
        } else {
            st.addEntry.reset().bind(1, key).bind(2, e.card1).bind(3, e.card2).bind(4, std::int64_t{e.suited}).run();
            id = m_db.lastInsertId();
        }
        std::int64_t added = 0;
        for (const Tgame& r : e.game_refs) {
            if (!m_refs.above(r.game_no) && mayHold(r.game_no)) {
                st.hasRef.reset().bind(1, r.game_no).bind(2, id);
                if (st.hasRef.step())
                    continue;
            }
            st.addRef.reset().bind(1, id).bind(2, r.game_no).bind(3, r.tour_no).bind(4, r.table_name).bind(5, r.header).run();
            noteAdded(m_refs, r.game_no);
            ++added;
        }
        if (added > 0)
            st.addCount.reset().bind(1, added).bind(2, id).run();
        count.added += static_cast<std::size_t>(added);
    }

    // Boards: the first board of a game number stays; one cut short is completed.
    for (const TBoard& b : fileTables.boards) {
        bool held = false;
        if (!m_boards.above(b.game.game_no) && mayHold(b.game.game_no))
            held = st.findBoard.reset().bind(1, b.game.game_no).step();
        if (!held) {
            st.addBoard.reset().bind(1, b.game.game_no).bind(2, b.game.tour_no);
            for (int i = 0; i < 5; ++i)
                st.addBoard.bind(3 + i, b.cards[static_cast<std::size_t>(i)]);
            st.addBoard.run();
            noteAdded(m_boards, b.game.game_no);
            continue;
        }
        std::array<std::string, 5> stored;
        for (int i = 0; i < 5; ++i)
            stored[static_cast<std::size_t>(i)] = st.findBoard.text(1 + i);
        if (!completesBoard(stored, b.cards))
            continue;
        const std::int64_t id = st.findBoard.int64(0);
        st.setBoard.reset();
        for (int i = 0; i < 5; ++i)
            st.setBoard.bind(1 + i, b.cards[static_cast<std::size_t>(i)]);
        st.setBoard.bind(6, id).run();
        ++count.completed;
    }

    // Summary and game blocks: the same rule per game number.
    for (const bool summaries : {true, false}) {
        Statement& find = summaries ? st.findSummary : st.findRecord;
        Statement& add = summaries ? st.addSummary : st.addRecord;
        Statement& set = summaries ? st.setSummary : st.setRecord;
        Highest& highest = summaries ? m_summaries : m_records;
        const AGame& blocks = summaries ? fileTables.summaries : fileTables.game_records;
        const std::vector<std::string>* packedBlocks =
            packed ? (summaries ? &packed->summaries : &packed->gameRecords) : nullptr;
        std::string packedHere;
        const auto packedOf = [&](std::size_t i) -> std::string_view {
            if (packedBlocks)
                return (*packedBlocks)[i];
            packedHere = packLines(blocks[i].lines);
            return packedHere;
        };
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const Tgame& g = blocks[i];
            bool held = false;
            if (!highest.above(g.game_no) && mayHold(g.game_no))
                held = find.reset().bind(1, g.game_no).step();
            if (!held) {
                add.reset().bind(1, g.game_no).bind(2, g.tour_no).bind(3, static_cast<std::int64_t>(g.lines.size()));
                add.bind(4, packedOf(i)).run();
                noteAdded(highest, g.game_no);
                continue;
            }
            const LineList stored = unpackLines(find.bytes(2), static_cast<std::size_t>(find.int64(1)));
            if (!completesBlock(stored, g.lines))
                continue;
            const std::int64_t id = find.int64(0);
            set.reset().bind(1, static_cast<std::int64_t>(g.lines.size())).bind(2, packedOf(i)).bind(3, id).run();
            ++count.completed;
        }
    }
    return count;
}

} // namespace tallyhand
