// A number with thousands separators, as the client's forms show amounts.
#include "command.h"
#include "foundation/comma_text.h"
#include "foundation/string_to_number.h"

namespace ruzi::cli {
namespace {

int RunComma(CommandContext& context) {
  const bool three = context.TakeFlag("three");
  context.ExpectCount(1, 1);
  context.PrintLine(qxFloatAsComma(StrToFloat(qxCommaTrim(context.Arg(0))), three));
  return 0;
}

const CommandRegistration kRegistration{
    {"comma", "write a number with thousands separators and two (or three) decimals", "comma VALUE [--three]",
     RunComma}};

}  // namespace
}  // namespace ruzi::cli
