#pragma once
// The calendar's view of the in-process cache core: what a host holding a ReferenceCache
// itself (the native build, the benchmarks) answers calendar questions from.
#include "trading/cache/reference_cache.h"
#include "trading/calendar/calendar_cache.h"

namespace ruzi {

class CoreCalendarCache final : public CalendarCache {
 public:
  explicit CoreCalendarCache(ReferenceCache& cache) : cache_(cache) {}

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
  std::shared_ptr<const QualifyingDays> Days(const CalendarChoice& cals, uint32_t kind_mask);

  ReferenceCache& cache_;
};

}  // namespace ruzi
