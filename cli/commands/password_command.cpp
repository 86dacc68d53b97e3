// The rules for a new operator password: exit 0 when it passes, 1 with the message the client
// would show otherwise.
#include "command.h"
#include "service/qx_comm.h"

namespace ruzi::cli {
namespace {

int RunPassword(CommandContext& context) {
  const int32_t level = IntegerArgument(context.TakeOption("level", "4"), "--level");
  context.ExpectCount(2, 2);
  if (context.Arg(0) != "check") throw UsageError("password check TEXT --level N");
  const std::string message = qxPasswordCheckMessage(context.Arg(1), level);
  context.PrintLine(message.empty() ? "passed" : message);
  return message.empty() ? 0 : 1;
}

const CommandRegistration kRegistration{
    {"password", "check a new operator password against the rules of a level (1 none, 2 length, 3 classes, "
                 "other both)",
     "password check TEXT [--level N]", RunPassword}};

}  // namespace
}  // namespace ruzi::cli
