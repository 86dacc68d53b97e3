// The audit trail through the middleware: "mw_audit" reads it (for tests that cannot open the
// database, the client's tests under Wine, and `ruzi audit`), "mw_audit_stats" counts it,
// "mw_audit_prune" removes old rows. The rows travel as a section packet in "vc_audit".
#include <algorithm>
#include <filesystem>
#include <vector>

#include "error_numbers.h"
#include "reply_text.h"
#include "server_state.h"
#include "services.h"

namespace ruzi::mwd {
namespace {

constexpr int64_t kDefaultRows = 1000;
constexpr int64_t kMaxRows = 10000;
// Ids looked at per statement: between two statements the call's deadline and its caller are
// checked, however few rows match the marker.
constexpr int64_t kIdsPerStep = 1000;

const std::vector<std::string> kColumns = {
    "l_id",       "vc_at",          "l_started_us",     "l_ended_us", "l_session",         "vc_kind",
    "vc_service", "l_number",       "vc_route",         "vc_buffer_type", "vc_request",    "vc_request_hex",
    "l_request_length", "l_status", "vc_request_sha256"};

std::string Hex(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

using Row = std::vector<std::string>;

size_t RowBytes(const Row& row) {
  size_t bytes = 0;
  for (const std::string& value : row) bytes += value.size() + 1;
  return bytes;
}

// Up to `count` rows with ids in (after, upto], oldest first.
std::vector<Row> ReadRows(sqlite3* db, int64_t after, int64_t upto, const std::string& marker, int64_t count) {
  Statement query(db,
                  "SELECT id, at, started_us, ended_us, session, kind, service, number, route, buffer_type, "
                  "audit_request(request, request_compressed), request_length, status, request_sha256 FROM mw_audit "
                  "WHERE id > ? AND id <= ? AND (? = '' OR instr(audit_request(request, request_compressed), ?) > 0) "
                  "ORDER BY id LIMIT ?");
  query.Bind(1, after).Bind(2, upto).BindBlob(3, marker).BindBlob(4, marker).Bind(5, count);
  std::vector<Row> found;
  while (query.Step()) {
    Row row;
    for (int column = 0; column < static_cast<int>(kColumns.size()) - 1; ++column) row.push_back(query.Text(column));
    row.insert(row.begin() + 11, Hex(row[10]));  // vc_request_hex
    row[10] = PacketSafe(std::move(row[10]));
    for (int column : {6, 8, 9}) row[column] = PacketSafe(std::move(row[column]));
    found.push_back(std::move(row));
  }
  return found;
}

int64_t NewestId(sqlite3* db) {
  Statement query(db, "SELECT coalesce(max(id), 0) FROM mw_audit");
  return query.Step() ? query.Integer(0) : 0;
}

// Request items: <l_after_id> (rows with a larger id), <vc_marker> (rows whose request holds
// it), <l_limit> (at most this many rows, oldest first). The answer stops early where the
// next row would not fit in a frame; <l_more> 1 then says to ask again after <l_last_id>.
ServiceResult Audit(ServiceCall& call) {
  int64_t after = call.Number("l_after_id").value_or(0);
  int64_t limit = std::clamp<int64_t>(call.Number("l_limit").value_or(kDefaultRows), 1, kMaxRows);
  std::string marker = call.Text("vc_marker").value_or("");
  // Room for the packet's header, the convention's items and the frame's envelope.
  const size_t budget = call.server.options.max_body_bytes - std::min<size_t>(call.server.options.max_body_bytes / 2, 8192);
  call.server.audit.Flush();
  // A connection of its own: the other services' database work goes on while this one reads.
  DatabaseConnection reader(call.server.database.Path(), DatabaseConnection::Access::ReadOnly);
  const int64_t newest = NewestId(reader.Get());
  std::vector<Row> rows;
  size_t bytes = 0;
  bool more = false;
  int64_t last_id = after;
  for (int64_t looked_at = after; looked_at < newest && static_cast<int64_t>(rows.size()) < limit && !more;) {
    if (auto interrupted = call.Interrupted()) return *interrupted;
    int64_t upto = std::min(newest, looked_at + kIdsPerStep);
    int64_t wanted = limit - static_cast<int64_t>(rows.size());
    std::vector<Row> slice = ReadRows(reader.Get(), looked_at, upto, marker, wanted);
    // A full slice may stop short of `upto`: the next step starts after its last row.
    looked_at = static_cast<int64_t>(slice.size()) == wanted ? std::stoll(slice.back()[0]) : upto;
    for (Row& row : slice) {
      size_t row_bytes = RowBytes(row);
      if (rows.empty() && row_bytes > budget) {
        // A row larger than a frame on its own comes with its request cut (l_request_length
        // and vc_request_sha256 still describe the whole), so a reader always moves on.
        size_t keep = budget / 4;
        row[10].resize(std::min(row[10].size(), keep));
        row[11].resize(std::min(row[11].size(), keep * 2));
        row_bytes = RowBytes(row);
      }
      if (bytes + row_bytes > budget) {
        more = true;
        break;
      }
      bytes += row_bytes;
      last_id = std::stoll(row[0]);
      rows.push_back(std::move(row));
    }
  }
  return ServiceResult::Reply(ConventionReply(0, "", {{"l_count", std::to_string(rows.size())},
                                                      {"l_more", more ? "1" : "0"},
                                                      {"l_last_id", std::to_string(last_id)},
                                                      {"vc_audit", SectionPacket(kColumns, rows)}}));
}

std::string FileBytes(const std::string& path) {
  std::error_code ignored;
  auto size = std::filesystem::file_size(path, ignored);
  return std::to_string(ignored ? 0 : size);
}

// Rows, the first and last of them, and the files' sizes.
ServiceResult Stats(ServiceCall& call) {
  call.server.audit.Flush();
  std::vector<std::string> values = [&] {
    DatabaseConnection reader(call.server.database.Path(), DatabaseConnection::Access::ReadOnly);  // counting a large trail takes a while
    Statement query(reader.Get(),
                    "SELECT count(*), coalesce(min(id), 0), coalesce(max(id), 0), "
                    "coalesce((SELECT at FROM mw_audit ORDER BY id LIMIT 1), ''), "
                    "coalesce((SELECT at FROM mw_audit ORDER BY id DESC LIMIT 1), '') FROM mw_audit");
    query.Step();
    std::vector<std::string> found;
    for (int column = 0; column < 5; ++column) found.push_back(query.Text(column));
    return found;
  }();
  uint64_t used = call.server.database.With([](sqlite3* db) { return Database::UsedBytes(db); });
  const std::string& path = call.server.database.Path();
  const AuditLimits& limits = call.server.audit.Limits();
  return ServiceResult::Reply(ConventionReply(
      0, "",
      {{"l_rows", values[0]}, {"l_first_id", values[1]}, {"l_last_id", values[2]}, {"vc_first_at", values[3]},
       {"vc_last_at", values[4]}, {"l_database_bytes", FileBytes(path)},
       {"l_used_bytes", std::to_string(used)}, {"l_wal_bytes", FileBytes(path + "-wal")},
       {"l_keep_days", std::to_string(limits.keep_days)},
       {"l_max_database_bytes", std::to_string(limits.max_database_bytes)},
       {"l_request_bytes", std::to_string(limits.request_bytes)}}));
}

// <l_days>: rows older than this many days go (0: every row so far); <l_max_mb>: then the
// oldest rows while the database is larger.
ServiceResult Prune(ServiceCall& call) {
  auto days = call.Number("l_days");
  int64_t max_mb = call.Number("l_max_mb").value_or(0);
  if (!days && max_mb <= 0) return ServiceResult::Reply(ConventionReply(1, "缺少 l_days 或 l_max_mb"));
  int64_t removed = 0;
  if (days) removed += call.server.audit.Prune(static_cast<uint32_t>(std::clamp<int64_t>(*days, 0, 36500)), 0);
  if (max_mb > 0) {
    // No age limit here: only the size decides.
    removed += call.server.audit.Prune(36500, static_cast<uint64_t>(std::min<int64_t>(max_mb, 1 << 24)) << 20);
  }
  return ServiceResult::Reply(ConventionReply(0, "", {{"l_removed", std::to_string(removed)}}));
}

}  // namespace

void RegisterAuditService(ServiceRegistry& registry) {
  registry.AddName("mw_audit", Audit);
  registry.AddName("mw_audit_stats", Stats);
  registry.AddName("mw_audit_prune", Prune);
}

}  // namespace ruzi::mwd
