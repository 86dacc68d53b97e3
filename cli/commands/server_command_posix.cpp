// Starts and stops ruzi-mwd (the middleware server) from the bin folder beside this tool.
#include <fstream>

#include "command.h"
#include "platform/child_process.h"
#include "platform/paths.h"

namespace ruzi::cli {
namespace {

int RunServer(CommandContext& context) {
  const std::string directory = context.TakeOption("dir", "ruzi-mwd-data");
  const std::string port = context.TakeOption("port", "0");
  // Passwords only ever in a file: the command line is visible to every user through ps.
  const std::string credentials = context.TakeOption("credentials", "");
  const bool fresh = context.TakeFlag("fresh");
  context.ExpectCount(1, 1);
  const std::string server = platform::ExecutableDirectory() + "ruzi-mwd";
  const std::string base = platform::AbsolutePath(directory) + "/ruzi-mwd";
  const std::string pid_file = base + ".pid";
  if (context.Arg(0) == "stop") {
    if (platform::RunProgram(server, {"--stop", "--pid-file", pid_file}) != 0) {
      throw std::runtime_error("the server did not stop");
    }
    context.PrintLine("stopped");
    return 0;
  }
  if (context.Arg(0) != "start") throw UsageError("unknown action: " + context.Arg(0));
  std::vector<std::string> args = {"--detach",   "--pid-file", pid_file, "--port-file", base + ".port",
                                   "--db",       base + ".db", "--port", port};
  if (fresh) args.push_back("--fresh");
  if (!credentials.empty()) args.insert(args.end(), {"--credentials", platform::AbsolutePath(credentials)});
  if (platform::RunProgram(server, args) != 0) throw std::runtime_error("the server did not start: " + server);
  std::string chosen;
  std::ifstream(base + ".port") >> chosen;
  context.PrintLine("ruzi-mwd listening on 127.0.0.1:" + chosen + " (port file " + base + ".port)");
  return 0;
}

const CommandRegistration kRegistration{
    {"server", "start or stop the middleware server ruzi-mwd (native build)",
     "server start|stop [--dir DIR] [--port N] [--fresh] [--credentials FILE]\n"
     "  without --credentials (or RUZI_MWD_CREDENTIALS) every sign-on is an operator; the file's\n"
     "  lines: \"administrator|operator USER PASSWORD\" (USER * for any user name) or \"operator *\"",
     RunServer}};

}  // namespace
}  // namespace ruzi::cli
