// The reference-data cache as the library sees it: memdata.dll beside this tool, loading its
// tables from the middleware server (WSNADDR or wtuxws32.ini). A Windows command: natively
// there is no memdata.dll to load.
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "command.h"
#include "platform/dynamic_library.h"
#include "text_table.h"
#include "trading/cache/memtable.h"

namespace ruzi::cli {
namespace {

using Cells = std::vector<std::string>;

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

const Cells kMarketColumns = {"c_market_no", "vc_market_name", "periods", "en_time_zone", "vc_tradeday_type"};
Cells MarketCells(const RMarketInfo& r) {
  std::string periods;
  for (auto [begin, end] :
       {std::pair{r.begin_time1, r.end_time1}, {r.begin_time2, r.end_time2}, {r.begin_time3, r.end_time3}}) {
    if (begin != 0 || end != 0)
      periods += (periods.empty() ? "" : ",") + std::to_string(begin) + "-" + std::to_string(end);
  }
  return {r.market_no, r.market_name, periods, Number(r.time_zone), r.tradeday_type};
}

const Cells kFundColumns = {"l_fund_id",     "vc_fund_code",  "vc_fund_name",   "vc_market_list",
                            "c_switch_mode", "l_switch_time", "l_business_date"};
Cells FundCells(const RFundInfo& r) {
  return {std::to_string(r.fund_id),
          r.fund_code,
          r.fund_name,
          r.market_list,
          r.switch_mode,
          std::to_string(r.switch_time),
          std::to_string(r.business_date)};
}

const Cells kOperatorColumns = {"l_operator_no", "vc_operator_name", "c_code_kind", "l_dept_id"};
Cells OperatorCells(const ROperatorInfo& r) {
  return {std::to_string(r.operator_no), r.operator_name, r.code_kind, std::to_string(r.dept_id)};
}

const Cells kSystemColumns = {"l_init_date", "vc_system_name", "en_time_zone"};
Cells SystemCells(const RSystemInfo& r) { return {std::to_string(r.init_date), r.system_name, Number(r.time_zone)}; }

const Cells kParameterColumns = {"l_serial_no", "vc_name", "vc_value", "found"};
Cells ParameterCells(const RSysParameter& r) {
  return {std::to_string(r.serial_no), r.name, r.value, std::to_string(r.found)};
}

const Cells kRightColumns = {"l_operator_no", "vc_menu_code"};
Cells RightCells(const RMenuRight& r) { return {std::to_string(r.operator_no), r.menu_code}; }

const Cells kDayColumns = {"vc_tradeday_type", "l_date", "l_day_kind"};
Cells DayCells(const RTradeDay& r) { return {r.tradeday_type, std::to_string(r.date), std::to_string(r.kinds)}; }

class Memdata {
 public:
  Memdata() : library_(platform::DynamicLibrary::LoadedOrLoad("memdata.dll")) {
    if (!library_.IsLoaded())
      throw std::runtime_error("memdata.dll cannot be loaded: " + platform::DynamicLibrary::LastError());
  }
  template <typename Fn>
  Fn Export(const char* name) const {
    Fn entry = library_.ExportAs<Fn>(name);
    if (entry == nullptr) throw std::runtime_error(std::string("memdata.dll has no ") + name);
    return entry;
  }
  // The table object of an interface export, released when `use` returns.
  template <typename Interface, typename Use>
  void With(const char* name, Use use) const {
    Interface* table = nullptr;
    Export<TableExportFn<Interface>>(name)(&table);
    if (table == nullptr) throw std::runtime_error(std::string(name) + " gave no table");
    use(*table);
    table->Release();
  }

 private:
  platform::DynamicLibrary library_;
};

template <typename Record>
void PrintAll(CommandContext& context, IInfo& table, const Cells& columns, Cells (*cells)(const Record&)) {
  TextTable out(columns);
  for (int32_t i = 0; i < table.Count(); ++i) out.AddRow(cells(*static_cast<const Record*>(table.Record(i))));
  out.Print(context);
  if (*table.LastError() != '\0') context.PrintLine(std::string("load failed: ") + table.LastError());
}

template <typename Record>
void PrintOne(CommandContext& context, const Cells& columns, const Record& record, Cells (*cells)(const Record&)) {
  TextTable out(columns);
  out.AddRow(cells(record));
  out.Print(context);
}

int32_t IntegerKey(const std::string& key) {
  try {
    size_t used = 0;
    int value = std::stoi(key, &used);
    if (used == key.size()) return value;
  } catch (const std::exception&) {
  }
  throw UsageError("not a number: " + key);
}

void Dump(CommandContext& context, const Memdata& m, const std::string& table) {
  if (table == "tmarketinfo") {
    m.With<IMarketInfo>("MarketInfo", [&](IInfo& t) { PrintAll(context, t, kMarketColumns, MarketCells); });
  } else if (table == "tfundinfo") {
    m.With<IFundInfo>("FundInfo", [&](IInfo& t) { PrintAll(context, t, kFundColumns, FundCells); });
  } else if (table == "tsysteminfo") {
    m.With<ISystemInfo>("SystemInfo", [&](IInfo& t) { PrintAll(context, t, kSystemColumns, SystemCells); });
  } else if (table == "tsysparameter") {
    m.With<ISysParameter>("SysParameter", [&](IInfo& t) { PrintAll(context, t, kParameterColumns, ParameterCells); });
  } else if (table == "topmenurights") {
    m.With<IMenuRight>("MenuRight", [&](IInfo& t) { PrintAll(context, t, kRightColumns, RightCells); });
  } else if (table == "tmarkettradeday") {
    m.With<IMarketTradeDay>("MarketTradeDay", [&](IInfo& t) { PrintAll(context, t, kDayColumns, DayCells); });
  } else {
    throw UsageError("no table to dump named " + table + " (toperator only by key)");
  }
}

void Get(CommandContext& context, const Memdata& m, const std::string& table, const std::string& key) {
  if (table == "tmarketinfo") {
    PrintOne(context, kMarketColumns, *m.Export<MarketInfoAFn>("MarketInfoA")(key.c_str()), MarketCells);
  } else if (table == "tfundinfo") {
    PrintOne(context, kFundColumns, *m.Export<FundInfoAFn>("FundInfoA")(IntegerKey(key)), FundCells);
  } else if (table == "toperator") {
    PrintOne(context, kOperatorColumns, *m.Export<OperatorAFn>("OperatorA")(IntegerKey(key)), OperatorCells);
  } else if (table == "tsysteminfo") {
    m.With<ISystemInfo>("SystemInfo",
                        [&](ISystemInfo& t) { PrintOne(context, kSystemColumns, *t.Info(), SystemCells); });
  } else if (table == "tsysparameter") {
    m.With<ISysParameter>("SysParameter", [&](ISysParameter& t) {
      PrintOne(context, kParameterColumns, *t.Find(IntegerKey(key)), ParameterCells);
    });
  } else if (table == "topmenurights" || table == "tmarkettradeday") {
    // Two key values: "operator|menu" or "calendar|date".
    size_t bar = key.find('|');
    if (bar == std::string::npos) throw UsageError("the key of " + table + " is two values: a|b");
    const std::string first = key.substr(0, bar);
    const std::string second = key.substr(bar + 1);
    if (table == "topmenurights") {
      m.With<IMenuRight>("MenuRight", [&](IMenuRight& t) {
        context.PrintLine(t.HasRight(first.c_str(), second.c_str()) ? "1" : "0");
      });
    } else {
      m.With<IMarketTradeDay>("MarketTradeDay", [&](IMarketTradeDay& t) {
        int32_t kinds = 0;
        for (int32_t kind = 0; kind < 32; ++kind)
          kinds |= t.IsDay(IntegerKey(second), first.c_str(), kind) ? 1 << kind : 0;
        RTradeDay day{};
        std::snprintf(day.tradeday_type, sizeof day.tradeday_type, "%s", first.c_str());
        day.date = IntegerKey(second);
        day.kinds = kinds;
        PrintOne(context, kDayColumns, day, DayCells);
      });
    }
  } else {
    throw UsageError("not a table of the cache: " + table);
  }
}

int RunCache(CommandContext& context) {
  context.ExpectCount(2, 3);
  const std::string& action = context.Arg(0);
  if (action != "dump" && action != "get") throw UsageError("unknown action: " + action);
  if (action == "dump") context.ExpectCount(2, 2);
  if (action == "get") context.ExpectCount(3, 3);
  Memdata memdata;
  if (action == "dump") {
    Dump(context, memdata, context.Arg(1));
  } else {
    Get(context, memdata, context.Arg(1), context.Arg(2));
  }
  return 0;
}

const CommandRegistration kRegistration{
    {"cache", "print a table of the reference-data cache (memdata.dll), or one record by key",
     "cache dump <table> | cache get <table> <key>   tables: tmarketinfo tfundinfo toperator tsysteminfo "
     "tsysparameter topmenurights tmarkettradeday; two-part keys as a|b",
     RunCache}};

}  // namespace
}  // namespace ruzi::cli
