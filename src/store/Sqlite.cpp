#include "store/Sqlite.h"

#include <sqlite3.h>

namespace tallyhand {
namespace {

// How long a second writer waits for the first before SQLite says "busy".
constexpr int kBusyTimeoutMs = 10000;

// SQLite counts its memory under a process-wide mutex unless told not to
// before its first use; nothing here reads the count.
void configureOnce()
{
    static const bool configured = [] {
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        return true;
    }();
    (void)configured;
}

} // namespace

bool StoreError::diskFull() const
{
    return m_code == SQLITE_FULL;
}

bool StoreError::unusable() const
{
    return m_code == SQLITE_NOTADB || m_code == SQLITE_CORRUPT || m_code == SQLITE_FORMAT;
}

SqliteDb::SqliteDb(const std::filesystem::path& file, bool create) : m_file(file)
{
    configureOnce();
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(file.c_str(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string why = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw StoreError("Die Datenbank " + pathText(file) + " konnte nicht geöffnet werden: " + why, rc & 0xff);
    }
    sqlite3_extended_result_codes(m_db, 0);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
}

SqliteDb::~SqliteDb()
{
    sqlite3_close_v2(m_db);
}

void SqliteDb::fail(const std::string& what, int code) const
{
    throw StoreError("Die Datenbank " + pathText(m_file) + ": " + what + ": " + sqlite3_errmsg(m_db), code & 0xff);
}

void SqliteDb::exec(const char* sql)
{
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(sql, rc);
}

std::int64_t SqliteDb::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

Statement::Statement(SqliteDb& db, const char* sql) : m_db(db)
{
    const int rc = sqlite3_prepare_v3(db.handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        db.fail(sql, rc);
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement& Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    return *this;
}

Statement& Statement::bind(int index, std::int64_t value)
{
    sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

Statement& Statement::bind(int index, std::string_view bytes)
{
    // An empty value is stored as an empty blob, never as NULL.
    static const char kEmpty = 0;
    sqlite3_bind_blob64(m_stmt, index, bytes.empty() ? &kEmpty : bytes.data(), bytes.size(), SQLITE_TRANSIENT);
    return *this;
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_stmt);
    m_db.fail(sqlite3_sql(m_stmt), rc);
}

void Statement::run()
{
    while (step()) {
    }
}

std::int64_t Statement::int64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

std::string_view Statement::bytes(int column) const
{
    const void* data = sqlite3_column_blob(m_stmt, column);
    const int size = sqlite3_column_bytes(m_stmt, column);
    return data ? std::string_view(static_cast<const char*>(data), static_cast<std::size_t>(size)) : std::string_view{};
}

Transaction::Transaction(SqliteDb& db) : m_db(db)
{
    db.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (m_open)
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_db.exec("COMMIT");
    m_open = false;
}

ReadTransaction::ReadTransaction(SqliteDb& db) : m_db(db)
{
    db.exec("BEGIN");
}

ReadTransaction::~ReadTransaction()
{
    sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

} // namespace tallyhand
