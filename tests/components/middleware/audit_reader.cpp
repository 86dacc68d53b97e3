#include "audit_reader.h"

#include <sqlite3.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "audit_request_packing.h"

namespace ruzi::testing {
namespace {

std::vector<AuditRow> Query(sqlite3* db, const std::string& marker) {
  sqlite3_stmt* statement = nullptr;
  const char* sql =
      "SELECT id, session, kind, service, number, route, buffer_type, audit_request(request, request_compressed), "
      "status, started_us, ended_us, request_length, request_sha256 "
      "FROM mw_audit WHERE instr(audit_request(request, request_compressed), ?) > 0 ORDER BY id";
  std::vector<AuditRow> rows;
  if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) return rows;  // not created yet
  sqlite3_bind_blob(statement, 1, marker.data(), static_cast<int>(marker.size()), SQLITE_TRANSIENT);
  auto text = [&](int column) {
    const void* bytes = sqlite3_column_blob(statement, column);
    return bytes ? std::string(static_cast<const char*>(bytes), sqlite3_column_bytes(statement, column)) : std::string();
  };
  while (sqlite3_step(statement) == SQLITE_ROW) {
    AuditRow row;
    row.id = sqlite3_column_int64(statement, 0);
    row.session = sqlite3_column_int64(statement, 1);
    row.kind = text(2);
    row.service = text(3);
    row.number = sqlite3_column_int64(statement, 4);
    row.route = text(5);
    row.buffer_type = text(6);
    row.request = text(7);
    row.status = sqlite3_column_int64(statement, 8);
    row.started_us = sqlite3_column_int64(statement, 9);
    row.ended_us = sqlite3_column_int64(statement, 10);
    row.request_length = sqlite3_column_int64(statement, 11);
    row.request_sha256 = text(12);
    rows.push_back(std::move(row));
  }
  sqlite3_finalize(statement);
  return rows;
}

}  // namespace

std::vector<std::string> Column(const std::string& database, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_busy_timeout(db, 2000);
  mwd::RegisterAuditRequestFunction(db);
  sqlite3_stmt* statement = nullptr;
  std::vector<std::string> values;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
    while (sqlite3_step(statement) == SQLITE_ROW) {
      const unsigned char* text = sqlite3_column_text(statement, 0);
      values.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
    }
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return values;
}

std::vector<AuditRow> AuditRowsWith(const std::string& database, const std::string& marker, size_t expected) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    throw std::runtime_error("cannot open " + database);
  }
  sqlite3_busy_timeout(db, 2000);
  mwd::RegisterAuditRequestFunction(db);
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  std::vector<AuditRow> rows = Query(db, marker);
  while (rows.size() < expected && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    rows = Query(db, marker);
  }
  sqlite3_close(db);
  return rows;
}

}  // namespace ruzi::testing
