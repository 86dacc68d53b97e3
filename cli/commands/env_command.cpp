// The process environment as the library reads and writes it (the Win32 block under Windows).
#include "command.h"
#include "platform/environment.h"

namespace ruzi::cli {
namespace {

int RunEnv(CommandContext& context) {
  context.ExpectCount(1, 3);
  const std::string& action = context.Arg(0);
  if (action == "get") {
    context.ExpectCount(1, 2);
    if (context.Count() == 1) {
      for (const auto& [name, value] : platform::EnvironmentBlock()) context.PrintLine(name + "=" + value);
      return 0;
    }
    auto value = platform::FindEnvironment(context.Arg(1));
    if (!value) throw std::runtime_error("not set: " + context.Arg(1));
    context.PrintLine(*value);
    return 0;
  }
  if (action == "set") {
    context.ExpectCount(3, 3);
    if (!platform::SetEnvironment(context.Arg(1), context.Arg(2))) {
      throw std::runtime_error("cannot set " + context.Arg(1));
    }
    // Read back through the library, so the output shows what later readers will see.
    context.PrintLine(context.Arg(1) + "=" + platform::GetEnvironment(context.Arg(1)));
    return 0;
  }
  throw UsageError("unknown action: " + action);
}

const CommandRegistration kRegistration{
    {"env", "read the environment as the library sees it, or set a variable and read it back",
     "env get [NAME] | env set NAME VALUE", RunEnv}};

}  // namespace
}  // namespace ruzi::cli
