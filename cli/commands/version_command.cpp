#include "command.h"
#include "ruzirareva/library.h"

namespace ruzi::cli {
namespace {

int RunVersion(CommandContext& context) {
  context.ExpectCount(0, 0);
  context.PrintLine(std::string("ruzirareva ") + RuziVersion());
  return 0;
}

const CommandRegistration kRegistration{{"version", "print the library version", "version", RunVersion}};

}  // namespace
}  // namespace ruzi::cli
