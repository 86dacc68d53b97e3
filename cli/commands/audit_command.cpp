// The server's audit trail through the middleware, as an administrator signs on: its rows
// (read), its size (stats) and the removal of old rows (prune).
#include "command.h"
#include "packets/unpack.h"
#include "service_reply.h"
#include "text_table.h"

namespace ruzi::cli {
namespace {

int Read(CommandContext& context) {
  std::string request = Tag("l_after_id", context.TakeOption("after")) + Tag("vc_marker", context.TakeOption("marker")) +
                        Tag("l_limit", context.TakeOption("limit", "100"));
  context.ExpectCount(1, 1);
  std::string reply = Ask("mw_audit", request);
  std::string packet = Item(reply, "vc_audit");
  TUnpack unpack(true);
  unpack.Open(packet.data(), static_cast<int32_t>(packet.size()));
  TUnpackSection& rows = unpack.GetSection(0);
  TextTable table({"id", "at", "session", "service", "status", "length", "request"});
  for (rows.First(); !rows.Eof(); rows.Next()) {
    auto field = [&](const char* name) { return rows.FieldByName(name).GetAsString(); };
    table.AddRow({field("l_id"), field("vc_at"), field("l_session"), field("vc_service"), field("l_status"),
                  field("l_request_length"), field("vc_request").substr(0, 60)});
  }
  table.Print(context);
  if (Item(reply, "l_more") == "1") context.PrintLine("more: --after " + Item(reply, "l_last_id"));
  return 0;
}

int Stats(CommandContext& context) {
  context.ExpectCount(1, 1);
  std::string reply = Ask("mw_audit_stats", "");
  for (const char* name : {"l_rows", "l_first_id", "l_last_id", "vc_first_at", "vc_last_at", "l_database_bytes",
                           "l_used_bytes", "l_wal_bytes", "l_keep_days", "l_max_database_bytes", "l_request_bytes"}) {
    context.PrintLine(std::string(name) + ": " + Item(reply, name));
  }
  return 0;
}

int Prune(CommandContext& context) {
  std::string request = Tag("l_days", context.TakeOption("days")) + Tag("l_max_mb", context.TakeOption("max-mb"));
  context.ExpectCount(1, 1);
  if (request.empty()) throw UsageError("prune needs --days N or --max-mb N");
  context.PrintLine("removed: " + Item(Ask("mw_audit_prune", request), "l_removed"));
  return 0;
}

int RunAudit(CommandContext& context) {
  if (context.Count() == 0) throw UsageError("audit read|stats|prune");
  const std::string action = context.Arg(0);
  if (action == "read") return Read(context);
  if (action == "stats") return Stats(context);
  if (action == "prune") return Prune(context);
  throw UsageError("unknown action: " + action);
}

const CommandRegistration kRegistration{
    {"audit", "read, count or prune the middleware server's audit trail (needs an administrator's sign-on)",
     "audit read [--after ID] [--marker TEXT] [--limit N] | audit stats | audit prune [--days N] [--max-mb N]",
     RunAudit}};

}  // namespace
}  // namespace ruzi::cli
