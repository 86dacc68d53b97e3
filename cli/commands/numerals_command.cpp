// An amount in capital numerals, as vouchers print it.
#include "business/chinese_numerals.h"
#include "command.h"
#include "foundation/string_to_number.h"

namespace ruzi::cli {
namespace {

int RunNumerals(CommandContext& context) {
  context.ExpectCount(1, 1);
  context.PrintLine(GetNumberToChinese(StrToFloat(context.Arg(0))));
  return 0;
}

const CommandRegistration kRegistration{
    {"numerals", "spell an amount in capital numerals", "numerals AMOUNT", RunNumerals}};

}  // namespace
}  // namespace ruzi::cli
