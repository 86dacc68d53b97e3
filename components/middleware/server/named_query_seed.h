#pragma once
// The named queries' tables, added to a database that lacks them (new or made before them):
// the queries by name, the sequences NEXTVAL counts on, the funds' business dates and the
// holdings table the qx_holdings query reads.
#include <sqlite3.h>

#include <cstdint>

namespace ruzi::mwd {

void AddNamedQueriesIfMissing(sqlite3* db);
// Makes the holdings table hold exactly `rows` generated rows (4 text, 3 float, 2 integer and
// 1 date column), left as it is when it already holds that many.
void FillHoldings(sqlite3* db, int64_t rows);

}  // namespace ruzi::mwd
