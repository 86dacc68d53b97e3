#pragma once
// What an operator's own SQL (sent to qx_query without a query name) may touch: it reads any
// table but the server's own (mw_*) and writes only the business tables a client edits. The
// stored queries, the administrator's SQL and the server's own statements are not held back.
#include <sqlite3.h>

namespace ruzi::mwd {

// Holds the statements prepared on the connection while it lives to the rule. Live only
// around preparing the caller's statement: the server's own (its transaction) go unjudged.
class OperatorSqlGuard {
 public:
  OperatorSqlGuard(sqlite3* db, bool active);
  ~OperatorSqlGuard();
  OperatorSqlGuard(const OperatorSqlGuard&) = delete;
  OperatorSqlGuard& operator=(const OperatorSqlGuard&) = delete;

 private:
  sqlite3* db_;
  bool active_;
};

}  // namespace ruzi::mwd
