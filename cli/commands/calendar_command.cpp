// The trading calendar's questions answered from the live cache: memdata.dll beside this tool
// (loading from the server in WSNADDR or wtuxws32.ini) and the server's clock service. A
// Windows command, as there is no memdata.dll natively; add-months needs neither.
#include <memory>
#include <stdexcept>
#include <string>

#include "command.h"
#include "foundation/string_to_number.h"
#include "library_session.h"
#include "platform/dynamic_library.h"
#include "trading/calendar/vwpublic.h"

namespace ruzi::cli {
namespace {

int32_t Number(const std::string& text) {
  std::optional<int32_t> value = TryStrToInt(text);
  if (!value) throw UsageError("not a number: " + text);
  return *value;
}

const char* StatusText(int32_t status) {
  switch (status) {
    case kTradeStatusTrading:
      return "trading";
    case kTradeStatusNotYet:
      return "not yet";
    case kTradeStatusClosed:
      return "closed";
    default:
      return "undetermined";
  }
}

// The process's calendar for one command; the library's units run so the clock service can
// be called.
class LiveCalendar {
 public:
  LiveCalendar() : memdata_(platform::DynamicLibrary::LoadedOrLoad("memdata.dll")) {
    if (!memdata_.IsLoaded()) {
      throw std::runtime_error("memdata.dll cannot be loaded: " + platform::DynamicLibrary::LastError());
    }
  }

 private:
  platform::DynamicLibrary memdata_;
  LibrarySession library_;
};

int RunCalendar(CommandContext& context) {
  const std::string mode = context.TakeOption("mode", "3");
  const std::string fund = context.TakeOption("fund", "0");
  const bool begin = context.TakeFlag("begin");
  const bool end = context.TakeFlag("end");
  context.ExpectCount(1, 4);
  const std::string& action = context.Arg(0);
  if (action == "add-months") {
    context.ExpectCount(3, 3);
    context.PrintLine(std::to_string(AddMonths(Number(context.Arg(1)), Number(context.Arg(2)))));
    return 0;
  }
  auto line = [&](const std::string& text) { context.PrintLine(text); };
  if (action == "tradeday") {
    context.ExpectCount(3, 3);
    LiveCalendar calendar;
    const int32_t date = Number(context.Arg(1));
    line(std::string("trade day: ") + (IsTradeDay(date, context.Arg(2)) ? "1" : "0"));
    line(std::string("settlement day: ") + (IsSettleDay(date, context.Arg(2)) ? "1" : "0"));
  } else if (action == "shift") {
    context.ExpectCount(4, 4);
    LiveCalendar calendar;
    line(std::to_string(GetTradeDate(Number(context.Arg(1)), Number(context.Arg(2)), context.Arg(3),
                                               Number(mode), Number(fund))));
  } else if (action == "between") {
    context.ExpectCount(3, 4);
    LiveCalendar calendar;
    const int32_t from = Number(context.Arg(1));
    const int32_t to = Number(context.Arg(2));
    if (context.Count() == 4) {
      line(std::to_string(BetweenTradeDates(from, to, context.Arg(3))));
    } else {
      // Without a market: calendar "00", the ends counted as --begin and --end say.
      TCountDayTypes types = begin && end ? TCountDayTypes{cdtBegin, cdtEnd}
                             : begin      ? TCountDayTypes{cdtBegin}
                             : end        ? TCountDayTypes{cdtEnd}
                                          : TCountDayTypes{};
      std::string message;
      line(std::to_string(BetweenTradeDates(from, to, message, types)));
      if (!message.empty()) line(message);
    }
  } else if (action == "status") {
    context.ExpectCount(3, 3);
    LiveCalendar calendar;
    const int32_t status = GetTradeStatus(Number(context.Arg(1)), context.Arg(2));
    line(std::to_string(status) + " " + StatusText(status));
  } else if (action == "to-business" || action == "to-market") {
    context.ExpectCount(4, 4);
    LiveCalendar calendar;
    const int32_t date = Number(context.Arg(2));
    const int32_t fund_id = Number(context.Arg(3));
    line(std::to_string(action == "to-business" ? MarketToBusinessDate(context.Arg(1), date, fund_id)
                                                : BusinessToMarketDate(context.Arg(1), date, fund_id)));
  } else if (action == "market-time") {
    context.ExpectCount(2, 2);
    LiveCalendar calendar;
    line(std::to_string(GetMarketDate(context.Arg(1))) + " " +
         std::to_string(GetMarketTime(context.Arg(1))));
  } else {
    throw UsageError("unknown action: " + action);
  }
  return 0;
}

const CommandRegistration kRegistration{
    {"calendar", "trading-calendar questions answered from the reference-data cache (memdata.dll)",
     "calendar tradeday <date> <market> | shift <date> <offset> <market> [--mode 0-4 (3)] [--fund id] | "
     "between <date1> <date2> [<market> | --begin --end] | status <fund> <market> | "
     "to-business <market> <date> <fund> | to-market <market> <date> <fund> | market-time <market> | "
     "add-months <date> <months>",
     RunCalendar}};

}  // namespace
}  // namespace ruzi::cli
