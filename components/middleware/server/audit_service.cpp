// "mw_audit": the audit trail read back through the middleware, for tests that cannot open
// the database (the client's tests under Wine). The rows travel as a section packet in the
// reply item "vc_audit".
#include <algorithm>
#include <vector>

#include "packets/pack.h"
#include "reply_text.h"
#include "server_state.h"
#include "services.h"

namespace ruzi::mwd {
namespace {

constexpr int64_t kDefaultRows = 1000;
constexpr int64_t kMaxRows = 10000;

const std::vector<std::string> kColumns = {"l_id",      "vc_at",          "l_started_us", "l_ended_us", "l_session",
                                           "vc_kind",   "vc_service",     "l_number",     "vc_route",   "vc_buffer_type",
                                           "vc_request", "vc_request_hex", "l_request_length", "l_status"};

// A packet value may hold neither SOH nor NUL; the exact bytes travel in vc_request_hex.
std::string PacketSafe(std::string text) {
  for (char& c : text) {
    if (c == '\0' || c == '\x01') c = '?';
  }
  return text;
}

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

// Request items: <l_after_id> (rows with a larger id), <vc_marker> (rows whose request holds
// it), <l_limit> (at most this many rows, oldest first).
ServiceResult Audit(ServiceCall& call) {
  int64_t after = RequestNumber(call.request.data, "l_after_id").value_or(0);
  int64_t limit = std::clamp<int64_t>(RequestNumber(call.request.data, "l_limit").value_or(kDefaultRows), 1, kMaxRows);
  std::string marker = RequestText(call.request.data, "vc_marker").value_or("");
  call.server.audit.Flush();
  std::vector<std::vector<std::string>> rows = call.server.database.With([&](sqlite3* db) {
    Statement query(db,
                    "SELECT id, at, started_us, ended_us, session, kind, service, number, route, buffer_type, request, "
                    "request, request_length, status FROM mw_audit WHERE id > ? AND (? = '' OR instr(request, ?) > 0) "
                    "ORDER BY id LIMIT ?");
    query.Bind(1, after).BindBlob(2, marker).BindBlob(3, marker).Bind(4, limit);
    std::vector<std::vector<std::string>> found;
    while (query.Step()) {
      std::vector<std::string> row;
      for (int column = 0; column < static_cast<int>(kColumns.size()); ++column) row.push_back(query.Text(column));
      row[10] = PacketSafe(std::move(row[10]));
      row[11] = Hex(row[11]);
      for (int column : {6, 8, 9}) row[column] = PacketSafe(std::move(row[column]));
      found.push_back(std::move(row));
    }
    return found;
  });
  TPack pack(true);
  TPackSection& section = pack.GetSection(0);
  section.SetRange(static_cast<int32_t>(kColumns.size()), static_cast<int32_t>(rows.size()));
  section.CreateFields(kColumns);
  for (const auto& row : rows) section.AddRow(row);
  pack.CheckBuffer();
  return ServiceResult::Reply(
      ConventionReply(0, "", {{"l_count", std::to_string(rows.size())}, {"vc_audit", pack.Text()}}));
}

}  // namespace

void RegisterAuditService(ServiceRegistry& registry) { registry.AddName("mw_audit", Audit); }

}  // namespace ruzi::mwd
