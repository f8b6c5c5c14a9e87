#pragma once

#include "history/AtomicFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace tallyhand {

// A failure of the database file; `code` is SQLite's primary result code.
class StoreError : public DatabaseError {
public:
    StoreError(const std::string& message, int code) : DatabaseError(message), m_code(code) {}
    int code() const { return m_code; }
    bool diskFull() const;
    // Not a database, damaged, or written by a newer program.
    bool unusable() const;

private:
    int m_code;
};

// One connection; closed with the object.
class SqliteDb {
public:
    // Opens (creates when `create`) the file with a busy timeout.
    SqliteDb(const std::filesystem::path& file, bool create);
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    void exec(const char* sql);
    sqlite3* handle() const { return m_db; }
    const std::filesystem::path& file() const { return m_file; }
    [[noreturn]] void fail(const std::string& what, int code) const;
    std::int64_t lastInsertId() const;

private:
    sqlite3* m_db = nullptr;
    std::filesystem::path m_file;
};

// A prepared statement; reset before every new binding round.
class Statement {
public:
    Statement(SqliteDb& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& reset();
    Statement& bind(int index, std::int64_t value);
    // Raw bytes, kept as a blob so that no text conversion touches them.
    Statement& bind(int index, std::string_view bytes);
    // True while a row is there.
    bool step();
    // Runs a statement that returns no rows.
    void run();

    std::int64_t int64(int column) const;
    bool isNull(int column) const;
    std::string_view bytes(int column) const;
    std::string text(int column) const { return std::string(bytes(column)); }

private:
    SqliteDb& m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// BEGIN IMMEDIATE … COMMIT; rolled back unless committed.
class Transaction {
public:
    explicit Transaction(SqliteDb& db);
    ~Transaction();
    void commit();

private:
    SqliteDb& m_db;
    bool m_open = true;
};

// BEGIN … END around reads, so that they all see one state of the file.
class ReadTransaction {
public:
    explicit ReadTransaction(SqliteDb& db);
    ~ReadTransaction();

private:
    SqliteDb& m_db;
};

} // namespace tallyhand
