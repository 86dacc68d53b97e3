#include "audit_reader.h"

#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "audit_request_packing.h"

namespace ruzi::testing {
namespace {

// Every row `sql` returns, each column as its bytes (NULs kept); none when it fails.
std::vector<std::vector<std::string>> Rows(const std::string& database, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_busy_timeout(db, 2000);
  mwd::RegisterAuditRequestFunction(db);
  sqlite3_stmt* statement = nullptr;
  std::vector<std::vector<std::string>> rows;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
    while (sqlite3_step(statement) == SQLITE_ROW) {
      rows.emplace_back();
      for (int c = 0; c < sqlite3_column_count(statement); ++c) {
        const void* bytes = sqlite3_column_blob(statement, c);
        rows.back().emplace_back(bytes ? std::string(static_cast<const char*>(bytes), sqlite3_column_bytes(statement, c)) : "");
      }
    }
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return rows;
}

}  // namespace

std::string Execute(const std::string& database, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(database.c_str(), &db);
  std::string failure = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK ? "" : sqlite3_errmsg(db);
  sqlite3_close(db);
  return failure;
}

std::string SqlBlob(const std::string& bytes) {
  std::string literal = "X'";
  for (unsigned char c : bytes) literal += std::string(1, "0123456789abcdef"[c >> 4]) + "0123456789abcdef"[c & 15];
  return literal + "'";
}

std::vector<std::string> Column(const std::string& database, const std::string& sql) {
  std::vector<std::string> values;
  for (const auto& row : Rows(database, sql)) values.push_back(row[0]);
  return values;
}

std::vector<AuditRow> AuditRowsWith(const std::string& database, const std::string& marker, size_t expected) {
  const std::string sql =
      "SELECT id, session, kind, service, number, route, buffer_type, audit_request(request, request_compressed), "
      "request_length, request_sha256, status, started_us, ended_us FROM mw_audit "
      "WHERE instr(audit_request(request, request_compressed), " + SqlBlob(marker) + ") > 0 ORDER BY id";
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  auto rows = Rows(database, sql);
  while (rows.size() < expected && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    rows = Rows(database, sql);
  }
  std::vector<AuditRow> audit;
  for (const auto& r : rows) {
    auto n = [&](int i) { return r[i].empty() ? int64_t{0} : std::stoll(r[i]); };
    audit.push_back({n(0), n(1), r[2], r[3], n(4), r[5], r[6], r[7], n(8), r[9], n(10), n(11), n(12)});
  }
  return audit;
}

}  // namespace ruzi::testing
