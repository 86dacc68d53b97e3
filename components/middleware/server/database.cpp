#include "database.h"

#include "audit_request_packing.h"

namespace ruzi::mwd {

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) != SQLITE_OK) {
    throw DatabaseError(std::string("prepare: ") + sqlite3_errmsg(db) + ": " + std::string(sql));
  }
}

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement& Statement::Bind(int index, int64_t value) {
  sqlite3_bind_int64(statement_, index, value);
  return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
  sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  return *this;
}

Statement& Statement::BindBlob(int index, std::string_view bytes) {
  sqlite3_bind_blob(statement_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
  return *this;
}

Statement& Statement::BindKept(int index, std::string_view text) {
  sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
  return *this;
}

Statement& Statement::BindKeptBlob(int index, std::string_view bytes) {
  sqlite3_bind_blob(statement_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
  return *this;
}

bool Statement::Step() {
  int rc = sqlite3_step(statement_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  throw DatabaseError(std::string("step: ") + sqlite3_errmsg(db_));
}

void Statement::Reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

int64_t Statement::Integer(int column) const { return sqlite3_column_int64(statement_, column); }

std::string Statement::Text(int column) const {
  // Blobs and texts alike: the bytes as stored, NULs included.
  const void* bytes = sqlite3_column_blob(statement_, column);
  int size = sqlite3_column_bytes(statement_, column);
  return bytes != nullptr ? std::string(static_cast<const char*>(bytes), static_cast<size_t>(size)) : std::string();
}

int Statement::Columns() const { return sqlite3_column_count(statement_); }

std::string Statement::ColumnName(int column) const { return sqlite3_column_name(statement_, column); }

std::string Statement::DeclaredType(int column) const {
  const char* type = sqlite3_column_decltype(statement_, column);
  return type != nullptr ? type : "";
}

bool Statement::IsNull(int column) const { return StorageClass(column) == SQLITE_NULL; }

int Statement::StorageClass(int column) const { return sqlite3_column_type(statement_, column); }

int Statement::ParameterIndex(const std::string& marker) const {
  return sqlite3_bind_parameter_index(statement_, marker.c_str());
}

int64_t Statement::Changes() const { return sqlite3_changes64(db_); }

namespace {

sqlite3* Open(const std::string& path, int flags) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
    std::string message = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    throw DatabaseError("open " + path + ": " + message);
  }
  sqlite3_busy_timeout(db, 5000);
  RegisterAuditRequestFunction(db);
  return db;
}

}  // namespace

DatabaseConnection::DatabaseConnection(const std::string& path, Access access)
    : db_(Open(path, access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE)) {}

DatabaseConnection::~DatabaseConnection() { sqlite3_close(db_); }

Database::Database(const std::string& path) : path_(path), db_(Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
  // The audit trail is written in batches by one thread; WAL lets a test read the file while
  // the server writes. Audit rows carry whole requests: on a new file, pages of 32 KB hold
  // several 4 KB requests each instead of chaining each to an overflow page (twice the rows a
  // second); an existing file keeps the page size it was made with.
  Exec(db_, "PRAGMA page_size=32768");
  Exec(db_, "PRAGMA journal_mode=WAL");
  Exec(db_, "PRAGMA synchronous=NORMAL");
  Exec(db_, "PRAGMA cache_size=-16384");
}

Database::~Database() { sqlite3_close(db_); }

void Database::Exec(sqlite3* db, std::string_view sql) {
  char* error = nullptr;
  std::string text(sql);
  if (sqlite3_exec(db, text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error != nullptr ? error : "unknown";
    sqlite3_free(error);
    throw DatabaseError("exec: " + message + ": " + text);
  }
}

uint64_t Database::UsedBytes(sqlite3* db) {
  auto number = [db](const char* pragma) {
    Statement query(db, std::string("PRAGMA ") + pragma);
    return query.Step() ? query.Integer(0) : 0;
  };
  int64_t pages = number("page_count") - number("freelist_count");
  return static_cast<uint64_t>(pages > 0 ? pages : 0) * static_cast<uint64_t>(number("page_size"));
}

void Database::InTransaction(sqlite3* db, const std::function<void()>& work) {
  Exec(db, "BEGIN IMMEDIATE");
  try {
    work();
    Exec(db, "COMMIT");
  } catch (...) {
    Exec(db, "ROLLBACK");
    throw;
  }
}

}  // namespace ruzi::mwd
