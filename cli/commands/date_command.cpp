// Integer dates (yyyymmdd) as the service interface carries them.
#include "command.h"
#include "foundation/format.h"
#include "foundation/int_date.h"
#include "foundation/replace_str_date.h"
#include "foundation/string_to_number.h"

namespace ruzi::cli {
namespace {

int32_t IntDateArg(const std::string& text) { return StrToInt(text); }

int RunDate(CommandContext& context) {
  const bool time = context.TakeFlag("time");
  const std::string date = context.TakeOption("date");
  context.ExpectCount(2, 3);
  const std::string& action = context.Arg(0);
  if (action == "add") {
    context.ExpectCount(3, 3);
    context.PrintLine(Format("%d", {IncIntDate(IntDateArg(context.Arg(1)), StrToInt(context.Arg(2)))}));
    return 0;
  }
  if (action == "diff") {
    context.ExpectCount(3, 3);
    const double from = IntToDateTime(IntDateArg(context.Arg(1)));
    const double to = IntToDateTime(IntDateArg(context.Arg(2)));
    context.PrintLine(Format("%d", {static_cast<int>(to - from)}));
    return 0;
  }
  context.ExpectCount(2, 2);
  if (action == "valid") {
    const bool valid = IsAIntDate(context.Arg(1));
    context.PrintLine(valid ? "valid" : "invalid");
    return valid ? 0 : 1;
  }
  if (action == "format") {
    if (!date.empty()) {
      context.PrintLine(ReplaceStrDate(context.Arg(1), IntDateArg(date)));
    } else {
      context.PrintLine(time ? GetFormatedTime(context.Arg(1)) : GetFormatedDate(context.Arg(1)));
    }
    return 0;
  }
  throw UsageError("unknown action: " + action);
}

const CommandRegistration kRegistration{
    {"date", "integer dates: add days, count days between, check, format",
     "date add YYYYMMDD DAYS | date diff FROM TO | date valid TEXT | date format NUMBER [--time] | "
     "date format TEXT --date YYYYMMDD",
     RunDate}};

}  // namespace
}  // namespace ruzi::cli
