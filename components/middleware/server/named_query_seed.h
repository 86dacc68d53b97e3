#pragma once
// The named queries' tables, added to a database that lacks them (new or made before them):
// the queries by name, the sequences NEXTVAL counts on, and the funds' business dates.
#include <sqlite3.h>

namespace ruzi::mwd {

void AddNamedQueriesIfMissing(sqlite3* db);

}  // namespace ruzi::mwd
