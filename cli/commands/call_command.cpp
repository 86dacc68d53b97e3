// A service call through the library's main road, as a business module makes it.
#include "command.h"
#include "library_session.h"
#include "service/call_service.h"
#include "service/tuxedo_connection.h"

namespace ruzi::cli {
namespace {

int RunCall(CommandContext& context) {
  const std::string connection_type = context.TakeOption("conn-type");
  const bool xml_error = context.TakeFlag("xml-error");
  const bool by_id = context.TakeFlag("by-id");
  context.ExpectCount(2, 2);
  if (!connection_type.empty() && connection_type != "1" && connection_type != "2") {
    throw UsageError("--conn-type takes 1 or 2");
  }
  // The library's units start as they would when the DLL loads (binding the client).
  LibrarySession library;
  if (!connection_type.empty()) SetTuxedoConnType(connection_type);

  std::string output;
  int32_t result = 0;
  if (by_id) {
    int32_t id = 0;
    try {
      id = std::stoi(context.Arg(0));
    } catch (const std::exception&) {
      throw UsageError("--by-id needs a numeric service id");
    }
    result = CallServiceId(id, context.Arg(1), output, 30000, xml_error, true);
  } else {
    result = CallService(context.Arg(0), context.Arg(1), output, 30000, xml_error, true);
  }
  context.PrintLine("result: " + std::to_string(result));
  context.PrintLine(output);
  return result < 0 ? 1 : 0;
}

const CommandRegistration kRegistration{
    {"call", "call a middleware service and print the result code and the output",
     "call <service> <request> [--conn-type 1|2] [--xml-error] [--by-id]", RunCall}};

}  // namespace
}  // namespace ruzi::cli
