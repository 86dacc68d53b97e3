#pragma once
// The calendar's view of memdata.dll, the client's reference-data cache: the module already in
// the process, else loaded by name. Without the module every market and fund is unknown and
// every trade-day question gets the cache's -1.
#include "platform/dynamic_library.h"
#include "trading/calendar/calendar_cache.h"

namespace ruzi {

class MemdataCalendarCache final : public CalendarCache {
 public:
  MemdataCalendarCache();
  ~MemdataCalendarCache() override;
  MemdataCalendarCache(const MemdataCalendarCache&) = delete;
  MemdataCalendarCache& operator=(const MemdataCalendarCache&) = delete;

  bool Loaded() const { return days_ != nullptr; }

  int64_t Generation() override;
  std::vector<RMarketInfo> Markets() override;
  std::vector<RTradeDay> TradeDays() override;
  RFundInfo Fund(int32_t fund_id) override;
  double SystemTimeZone() override;
  RSysParameter Parameter(int32_t serial_no) override;
  int32_t Roll(int32_t date, const CalendarChoice& cals, int32_t off, int32_t kind) override;
  int32_t Shift(int32_t date, const CalendarChoice& cals, int32_t off, int32_t kind) override;
  int32_t ShiftKinds(int32_t date, const CalendarChoice& cals, int32_t off, const char* kinds) override;
  int32_t CountDays(int32_t from, int32_t to, const std::string& cal, int32_t flags) override;
  int32_t LastDate(const std::string& cal) override;

 private:
  platform::DynamicLibrary library_;
  IMarketInfo* markets_ = nullptr;
  IFundInfo* funds_ = nullptr;
  ISystemInfo* system_ = nullptr;
  ISysParameter* parameters_ = nullptr;
  IMarketTradeDay* days_ = nullptr;
};

}  // namespace ruzi
