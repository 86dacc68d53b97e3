// The server's operation log: a record written as a screen writes it (the remarks from a file,
// cut into pieces when long), and the records read back (needs an administrator's sign-on).
#include "command.h"
#include "input_text.h"
#include "library_session.h"
#include "packets/unpack.h"
#include "service/operation_log.h"
#include "service_reply.h"
#include "text_table.h"

namespace ruzi::cli {
namespace {

int Write(CommandContext& context) {
  const int32_t op_class = IntegerArgument(context.TakeOption("class", "0"), "--class");
  const std::string content = context.TakeOption("content");
  const std::string remarks_file = context.TakeOption("remarks-file");
  const std::string menu = context.TakeOption("menu");
  const int32_t op = IntegerArgument(context.TakeOption("operator", "0"), "--operator");
  const int32_t check = IntegerArgument(context.TakeOption("check", "0"), "--check");
  const std::string client_type = context.TakeOption("client-type", "1");
  context.ExpectCount(1, 1);
  if (op_class < 0 || op_class > 255) throw UsageError("--class takes 0 to 255");
  if (client_type.size() != 1) throw UsageError("--client-type takes one character");
  const std::string remarks = remarks_file.empty() ? "" : ReadInputText(remarks_file);
  LibrarySession library;
  WriteOperateLogEx(static_cast<TOpLog>(op_class), content, remarks, client_type[0], menu, op, check);
  return 0;
}

int List(CommandContext& context) {
  const std::string request =
      Tag("l_after_id", context.TakeOption("after")) + Tag("l_limit", context.TakeOption("limit", "100"));
  context.ExpectCount(1, 1);
  const std::string reply = Ask("mw_syslog", request);
  std::string packet = Item(reply, "vc_syslog");
  TUnpack unpack(true);
  unpack.Open(packet.data(), static_cast<int32_t>(packet.size()));
  TUnpackSection& rows = unpack.GetSection(0);
  TextTable table({"id", "at", "operator", "check", "class", "content", "menu", "time", "computer", "remarks"});
  for (rows.First(); !rows.Eof() && rows.RowCount() > 0; rows.Next()) {
    auto field = [&](const char* name) { return rows.FieldByName(name).GetAsString(); };
    table.AddRow({field("l_id"), field("vc_at"), field("l_operator_no"), field("l_check_operator"),
                  field("vc_opclass"), field("vc_opcontent"), field("vc_menu_code"), field("l_time"),
                  field("vc_computer_name"), field("vc_remarks").substr(0, 40)});
  }
  table.Print(context);
  if (Item(reply, "l_more") == "1") context.PrintLine("more: --after " + Item(reply, "l_last_id"));
  return 0;
}

int RunOplog(CommandContext& context) {
  if (context.Count() == 0) throw UsageError("oplog write|list");
  const std::string action = context.Arg(0);
  if (action == "write") return Write(context);
  if (action == "list") return List(context);
  throw UsageError("unknown action: " + action);
}

const CommandRegistration kRegistration{
    {"oplog", "write an operation-log record to the server, or list the records it keeps",
     "oplog write --class N --content C [--remarks-file F|-] [--menu M] [--operator N] [--check N] "
     "[--client-type C] | oplog list [--after ID] [--limit N]",
     RunOplog}};

}  // namespace
}  // namespace ruzi::cli
