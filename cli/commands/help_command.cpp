#include <cstdio>

#include "command.h"

namespace ruzi::cli {
namespace {

int RunHelp(CommandContext& context) {
  context.ExpectCount(0, 1);
  if (context.Count() == 1) {
    const Command* command = FindCommand(context.Arg(0));
    if (command == nullptr) throw UsageError("no such command: " + context.Arg(0));
    context.PrintLine(std::string("ruzi ") + command->usage);
    context.PrintLine(std::string("  ") + command->summary);
    return 0;
  }
  context.PrintLine("ruzi [--raw] <command> [arguments]  (--raw: GBK bytes in and out, no UTF-8 conversion)");
  context.PrintLine("");
  for (const Command& command : Commands()) {
    char line[256];
    std::snprintf(line, sizeof line, "  %-12s %s", command.name, command.summary);
    context.PrintLine(line);
  }
  return 0;
}

const CommandRegistration kRegistration{{"help", "list the commands, or show one command's usage",
                                         "help [command]", RunHelp}};

}  // namespace
}  // namespace ruzi::cli
