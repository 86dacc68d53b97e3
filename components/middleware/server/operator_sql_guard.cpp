#include "operator_sql_guard.h"

#include <cstring>
#include <string_view>

namespace ruzi::mwd {
namespace {

// Tables an operator's own statements may change: the dates and holdings a client edits.
// System parameters, operators and their rights, logs, named queries and sequences are not.
bool Writable(const char* table) {
  if (table == nullptr) return false;
  const std::string_view name(table);
  return name == "tfund_business_date" || name == "tholding";
}

bool ServerOwn(const char* table) { return table != nullptr && std::strncmp(table, "mw_", 3) == 0; }

int Judge(void*, int action, const char* first, const char*, const char*, const char*) {
  switch (action) {
    case SQLITE_SELECT:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
      return SQLITE_OK;
    case SQLITE_READ:
      return ServerOwn(first) ? SQLITE_DENY : SQLITE_OK;
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE:
      return Writable(first) ? SQLITE_OK : SQLITE_DENY;
    default:  // schema changes, pragmas, attaching files, transactions of its own
      return SQLITE_DENY;
  }
}

}  // namespace

OperatorSqlGuard::OperatorSqlGuard(sqlite3* db, bool active) : db_(db), active_(active) {
  if (active_) sqlite3_set_authorizer(db_, Judge, nullptr);
}

OperatorSqlGuard::~OperatorSqlGuard() {
  if (active_) sqlite3_set_authorizer(db_, nullptr, nullptr);
}

}  // namespace ruzi::mwd
