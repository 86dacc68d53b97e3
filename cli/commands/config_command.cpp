// Which site and market-data configuration files this client reads ("62409value" and the
// special files beside the executable); each choice is logged through pubfunmodel.dll.
#include "command.h"
#include "library_session.h"
#include "service/qx_comm.h"

namespace ruzi::cli {
namespace {

int RunConfig(CommandContext& context) {
  context.ExpectCount(0, 0);
  LibrarySession library;
  context.PrintLine("site file: " + GetARServerFileName());
  context.PrintLine("market-data file: " + GetHQCfgFileName());
  context.PrintLine(std::string("special market-data config: ") + (GetSpecialConfig(0) ? "yes" : "no"));
  context.PrintLine(std::string("special site config: ") + (GetSpecialConfig(1) ? "yes" : "no"));
  return 0;
}

const CommandRegistration kRegistration{
    {"config", "show the configuration files chosen by 62409value and the special files", "config", RunConfig}};

}  // namespace
}  // namespace ruzi::cli
