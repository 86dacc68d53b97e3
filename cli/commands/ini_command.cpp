// INI files through the library's profile functions.
#include "command.h"
#include "platform/ini_file.h"
#include "platform/paths.h"

namespace ruzi::cli {
namespace {

int RunIni(CommandContext& context) {
  const std::string fallback = context.TakeOption("default");
  context.ExpectCount(4, 5);
  const std::string& action = context.Arg(0);
  const std::string file = platform::AbsolutePath(context.Arg(1));
  if (action == "get") {
    context.ExpectCount(4, 4);
    context.PrintLine(platform::ReadIniString(file, context.Arg(2), context.Arg(3), fallback));
    return 0;
  }
  if (action == "set") {
    context.ExpectCount(5, 5);
    if (!platform::WriteIniString(file, context.Arg(2), context.Arg(3), context.Arg(4))) {
      throw std::runtime_error("cannot write " + file);
    }
    return 0;
  }
  throw UsageError("unknown action: " + action);
}

const CommandRegistration kRegistration{
    {"ini", "read or write a value of an INI file",
     "ini get FILE SECTION KEY [--default TEXT] | ini set FILE SECTION KEY VALUE", RunIni}};

}  // namespace
}  // namespace ruzi::cli
