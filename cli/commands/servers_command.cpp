// Server selection as the client makes it: every server measured at once through ztsdk.dll,
// then the fastest (--by delay) or the one with the fewest sessions (--by conn). Needs
// ztsdk.dll beside the tool (a Windows command).
#include <cstdio>
#include <string>

#include "command.h"
#include "service/server_speed.h"
#include "text_table.h"

namespace ruzi::cli {
namespace {

std::string Delay(double ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", ms);
  return text;
}

int RunServers(CommandContext& context) {
  const std::string by = context.TakeOption("by", "delay");
  if (by != "delay" && by != "conn") throw UsageError("--by takes delay or conn");
  if (context.Count() < 1) throw UsageError("servers needs at least one host:port");
  const std::vector<std::string>& servers = context.Args();

  TArrRetNetWorkSpeed speeds;
  __GetMultiNetWorkSpeed(&servers, 5000, speeds);
  const bool refused = speeds.size() == 1 && !speeds[0]->ErrorInfo.empty();
  TextTable table({"index", "server", "net_delay_ms", "conn_count", "error_no", "error_info"});
  for (size_t i = 0; i < speeds.size(); ++i) {
    const TRetNetWorkSpeed& speed = *speeds[i];
    table.AddRow({std::to_string(i), refused ? "(all)" : servers[i], Delay(speed.NetDelay),
                  std::to_string(speed.ConnCount), std::to_string(speed.ErrorNo), speed.ErrorInfo});
  }
  table.Print(context);
  const int32_t chosen = speeds.empty() ? -1 : SelectBestServer(speeds, by == "delay" ? 0 : 1);
  context.PrintLine("chosen: " + std::to_string(chosen));
  return chosen < 0 ? 1 : 0;
}

const CommandRegistration kRegistration{
    {"servers", "measure servers through the SDK and print the one chosen by delay or by sessions",
     "servers [--by delay|conn] <host:port>...", RunServers}};

}  // namespace
}  // namespace ruzi::cli
