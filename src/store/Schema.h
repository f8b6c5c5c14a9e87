#pragma once

#include "store/Sqlite.h"

namespace tallyhand {

// The schema version this program writes; a database with a higher
// user_version was written by a newer program and is not touched.
inline constexpr int kSchemaVersion = 3;

// Brings the database up to kSchemaVersion, one step per version, each in its
// own transaction. Throws StoreError (unusable()) for a newer schema.
void migrateSchema(SqliteDb& db);

} // namespace tallyhand
