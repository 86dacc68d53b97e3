#include "trading/calendar/memdata_calendar_cache.h"

namespace ruzi {
namespace {

template <typename Interface>
Interface* TableOf(const platform::DynamicLibrary& library, const char* name) {
  auto entry = library.ExportAs<TableExportFn<Interface>>(name);
  Interface* table = nullptr;
  if (entry != nullptr) entry(&table);
  return table;
}

template <typename Interface>
void Release(Interface*& table) {
  if (table != nullptr) table->Release();
  table = nullptr;
}

template <typename Record>
std::vector<Record> AllRecords(IInfo* table) {
  std::vector<Record> records;
  if (table == nullptr) return records;
  const int32_t count = table->Count();
  records.reserve(static_cast<size_t>(count > 0 ? count : 0));
  for (int32_t i = 0; i < count; ++i) records.push_back(*static_cast<const Record*>(table->Record(i)));
  return records;
}

}  // namespace

MemdataCalendarCache::MemdataCalendarCache() : library_(platform::DynamicLibrary::LoadedOrLoad("memdata.dll")) {
  if (!library_.IsLoaded()) return;
  markets_ = TableOf<IMarketInfo>(library_, "MarketInfo");
  funds_ = TableOf<IFundInfo>(library_, "FundInfo");
  system_ = TableOf<ISystemInfo>(library_, "SystemInfo");
  parameters_ = TableOf<ISysParameter>(library_, "SysParameter");
  days_ = TableOf<IMarketTradeDay>(library_, "MarketTradeDay");
  if (markets_ == nullptr || funds_ == nullptr || system_ == nullptr || parameters_ == nullptr) Release(days_);
}

MemdataCalendarCache::~MemdataCalendarCache() {
  Release(markets_);
  Release(funds_);
  Release(system_);
  Release(parameters_);
  Release(days_);
  library_.Keep();  // the module belongs to the process: other holders keep its objects
}

int64_t MemdataCalendarCache::Generation() {
  if (!Loaded()) return 0;
  return (int64_t{markets_->Version()} << 32) | static_cast<uint32_t>(days_->Version());
}

std::vector<RMarketInfo> MemdataCalendarCache::Markets() { return AllRecords<RMarketInfo>(Loaded() ? markets_ : nullptr); }

std::vector<RTradeDay> MemdataCalendarCache::TradeDays() { return AllRecords<RTradeDay>(days_); }

RFundInfo MemdataCalendarCache::Fund(int32_t fund_id) { return Loaded() ? *funds_->Find(fund_id) : RFundInfo{}; }

double MemdataCalendarCache::SystemTimeZone() { return Loaded() ? system_->Info()->time_zone : 0; }

RSysParameter MemdataCalendarCache::Parameter(int32_t serial_no) {
  return Loaded() ? *parameters_->Find(serial_no) : RSysParameter{};
}

int32_t MemdataCalendarCache::Roll(int32_t date, const CalendarChoice& cals, int32_t off, int32_t kind) {
  if (!Loaded()) return -1;
  return cals.list ? days_->RollList(date, cals.codes.c_str(), off, kind)
                   : days_->Roll(date, cals.codes.c_str(), off, kind);
}

int32_t MemdataCalendarCache::Shift(int32_t date, const CalendarChoice& cals, int32_t off, int32_t kind) {
  if (!Loaded()) return -1;
  int32_t pos = 0;
  return cals.list ? days_->ShiftList(date, cals.codes.c_str(), off, &pos, kind)
                   : days_->Shift(date, cals.codes.c_str(), off, &pos, kind);
}

int32_t MemdataCalendarCache::ShiftKinds(int32_t date, const CalendarChoice& cals, int32_t off, const char* kinds) {
  if (!Loaded()) return -1;
  int32_t pos = 0;
  return cals.list ? days_->ShiftKindsList(date, cals.codes.c_str(), off, &pos, kinds)
                   : days_->ShiftKinds(date, cals.codes.c_str(), off, &pos, kinds);
}

int32_t MemdataCalendarCache::CountDays(int32_t from, int32_t to, const std::string& cal, int32_t flags) {
  return Loaded() ? days_->CountDays(from, to, cal.c_str(), flags) : -1;
}

int32_t MemdataCalendarCache::LastDate(const std::string& cal) {
  return Loaded() ? days_->LastDate(cal.c_str()) : -1;
}

}  // namespace ruzi
