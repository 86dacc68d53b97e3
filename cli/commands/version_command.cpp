#include "command.h"
#include "library/version.h"

namespace ruzi::cli {
namespace {

int RunVersion(CommandContext& context) {
  context.ExpectCount(0, 0);
  context.PrintLine(std::string("ruzirareva ") + LibraryVersion());
  return 0;
}

const CommandRegistration kRegistration{{"version", "print the library version", "version", RunVersion}};

}  // namespace
}  // namespace ruzi::cli
