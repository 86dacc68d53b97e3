// A line of the client's shared log (pubfunmodel.dll beside this tool: Logs\pubfun_<date>.log).
#include "command.h"
#include "library_session.h"
#include "service/qx_comm.h"

namespace ruzi::cli {
namespace {

int RunLog(CommandContext& context) {
  const std::string type = context.TakeOption("type");
  const std::string option = context.TakeOption("option");
  context.ExpectCount(3, 3);
  if (context.Arg(0) != "write") throw UsageError("log write LEVEL TEXT [--type N|--option O]");
  if (!type.empty() && !option.empty()) throw UsageError("--type and --option exclude each other");
  const int32_t level = IntegerArgument(context.Arg(1), "LEVEL");
  const std::string& text = context.Arg(2);
  // The library's shutdown, when the session ends, has the module write the line out.
  LibrarySession library;
  if (!option.empty()) {
    qxWriteLog(option, text);
  } else if (!type.empty()) {
    qxWriteLog(level, text, static_cast<TLogType>(IntegerArgument(type, "--type")));
  } else {
    qxWriteLog(level, text);
  }
  return 0;
}

const CommandRegistration kRegistration{
    {"log", "write a line to the shared log (pubfunmodel.dll); --option writes only when [WriteLog] DebugOption "
            "of the executable's INI lists it",
     "log write LEVEL TEXT [--type N|--option O]", RunLog}};

}  // namespace
}  // namespace ruzi::cli
