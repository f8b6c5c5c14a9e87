#include "store/Schema.h"

#include <sqlite3.h>

#include <string>

namespace tallyhand {
namespace {

// Row order (rowid) is the order of the tables the views were written for:
// "first match" and "last match wins" read it.
const char* const kSteps[] = {
    // 1: the four tables, the imported files in import order, and per file
    //    how far it has been read.
    R"sql(
CREATE TABLE hole_cards(
    id INTEGER PRIMARY KEY,
    pair_key BLOB NOT NULL,          -- the two cards in a fixed order
    card1 BLOB NOT NULL, card2 BLOB NOT NULL,
    suited INTEGER NOT NULL, count INTEGER NOT NULL);
CREATE INDEX hole_cards_pair ON hole_cards(pair_key);
CREATE TABLE hole_refs(
    id INTEGER PRIMARY KEY,
    entry INTEGER NOT NULL,          -- hole_cards.id
    game_no INTEGER NOT NULL, tour_no INTEGER NOT NULL,
    table_name BLOB NOT NULL, header BLOB NOT NULL);
CREATE INDEX hole_refs_entry ON hole_refs(entry);
CREATE INDEX hole_refs_game ON hole_refs(game_no);
CREATE INDEX hole_refs_tour ON hole_refs(tour_no, entry);  -- covers the tournament list
CREATE TABLE boards(
    id INTEGER PRIMARY KEY,
    game_no INTEGER NOT NULL, tour_no INTEGER NOT NULL,
    flop1 BLOB NOT NULL, flop2 BLOB NOT NULL, flop3 BLOB NOT NULL, turn BLOB NOT NULL, river BLOB NOT NULL);
CREATE INDEX boards_game ON boards(game_no);
CREATE TABLE summaries(
    id INTEGER PRIMARY KEY,
    game_no INTEGER NOT NULL, tour_no INTEGER NOT NULL,
    line_count INTEGER NOT NULL, lines BLOB NOT NULL);  -- zstd, LF joined
CREATE INDEX summaries_game ON summaries(game_no);
CREATE TABLE game_records(
    id INTEGER PRIMARY KEY,
    game_no INTEGER NOT NULL, tour_no INTEGER NOT NULL,
    line_count INTEGER NOT NULL, lines BLOB NOT NULL);
CREATE INDEX game_records_game ON game_records(game_no);
CREATE TABLE loaded_files(id INTEGER PRIMARY KEY, name BLOB NOT NULL);
CREATE TABLE hand_files(
    id INTEGER PRIMARY KEY,
    folder BLOB NOT NULL, name BLOB NOT NULL,
    size INTEGER NOT NULL, mtime INTEGER NOT NULL,
    bytes_read INTEGER NOT NULL,     -- the file's size when it was read
    resume_at INTEGER NOT NULL,      -- start of its last game: read on from here
    games_read INTEGER NOT NULL,
    UNIQUE(folder, name));
)sql",
    // 2: each game's result for the screen name in results_user, beside the
    //    game; games whose amounts do not read keep their reason instead.
    //    With no results_user row the results are computed on the next open
    //    that knows the screen name (a database from before this step).
    R"sql(
CREATE TABLE game_results(
    game_no INTEGER PRIMARY KEY,
    tour_no INTEGER NOT NULL, time INTEGER NOT NULL,
    unit INTEGER NOT NULL, big_blind INTEGER NOT NULL,
    players INTEGER NOT NULL, position INTEGER NOT NULL,
    invested INTEGER NOT NULL, collected INTEGER NOT NULL,
    rake INTEGER NOT NULL, bounty INTEGER NOT NULL,
    allin_street INTEGER NOT NULL, bets_raises INTEGER NOT NULL, calls INTEGER NOT NULL,
    flags INTEGER NOT NULL);
CREATE TABLE unreadable_results(
    game_no INTEGER PRIMARY KEY,
    file BLOB NOT NULL,
    line INTEGER NOT NULL,           -- 1-based, in the game, its header being line 1
    reason BLOB NOT NULL);
CREATE TABLE results_user(id INTEGER PRIMARY KEY CHECK(id = 1), name BLOB NOT NULL);
)sql",
    // 3: beside each result, what the statistics of a tournament read of the
    //    game's first block (the user's stack, the won/lost counters), so that
    //    choosing a tournament reads no block; and the indexes that give a
    //    tournament's games and their hole cards without reading the table.
    //    Forgetting results_user has everything computed anew on the next open.
    R"sql(
CREATE TABLE game_facts(
    game_no INTEGER PRIMARY KEY,
    chips INTEGER,                   -- NULL when no stack reads
    tally BLOB NOT NULL);            -- the won/lost counters that are not zero
DROP INDEX hole_refs_game;
CREATE INDEX hole_refs_game ON hole_refs(game_no, entry);
DROP INDEX hole_refs_tour;
CREATE INDEX hole_refs_tour ON hole_refs(tour_no, entry, game_no);
DELETE FROM results_user;
)sql",
};

int userVersion(SqliteDb& db)
{
    Statement query(db, "PRAGMA user_version");
    return query.step() ? static_cast<int>(query.int64(0)) : 0;
}

} // namespace

void migrateSchema(SqliteDb& db)
{
    constexpr int latest = static_cast<int>(std::size(kSteps));
    static_assert(latest == kSchemaVersion);
    int version = userVersion(db);
    if (version > latest)
        throw StoreError("Die Datenbank " + pathText(db.file()) + " stammt von einer neueren Programmversion (Schema "
                             + std::to_string(version) + ").",
                         SQLITE_FORMAT);
    while (version < latest) {
        Transaction step(db);
        // Another process may have migrated meanwhile.
        version = userVersion(db);
        if (version >= latest)
            break;
        db.exec(kSteps[version]);
        db.exec(("PRAGMA user_version = " + std::to_string(version + 1)).c_str());
        step.commit();
        ++version;
    }
}

} // namespace tallyhand
