#pragma once
// Creates the server's tables and the demo data on first start; a database that already
// carries the schema version is left as it is.
#include <sqlite3.h>

namespace ruzi::mwd {

inline constexpr int kSchemaVersion = 1;

// True when the database was created now.
bool CreateSchemaIfMissing(sqlite3* db);

}  // namespace ruzi::mwd
