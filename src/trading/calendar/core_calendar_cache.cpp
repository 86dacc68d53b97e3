#include "trading/calendar/core_calendar_cache.h"

#include "trading/cache/day_kind_text.h"
#include "trading/cache/table_rows.h"

namespace ruzi {

int64_t CoreCalendarCache::Generation() {
  cache_.Ensure(CacheTable::Markets);
  cache_.Ensure(CacheTable::TradeDays);
  return (int64_t{cache_.markets.Version()} << 32) | static_cast<uint32_t>(cache_.trade_days.Version());
}

std::vector<RMarketInfo> CoreCalendarCache::Markets() {
  cache_.Ensure(CacheTable::Markets);
  return cache_.markets.Snapshot();
}

std::vector<RTradeDay> CoreCalendarCache::TradeDays() {
  cache_.Ensure(CacheTable::TradeDays);
  return cache_.trade_days.Snapshot();
}

RFundInfo CoreCalendarCache::Fund(int32_t fund_id) {
  cache_.Ensure(CacheTable::Funds);
  return *cache_.funds.Find(NumberKey(fund_id));
}

double CoreCalendarCache::SystemTimeZone() {
  cache_.Ensure(CacheTable::System);
  return cache_.system.At(0)->time_zone;
}

RSysParameter CoreCalendarCache::Parameter(int32_t serial_no) {
  cache_.Ensure(CacheTable::Parameters);
  return *cache_.parameters.Find(NumberKey(serial_no));
}

std::shared_ptr<const QualifyingDays> CoreCalendarCache::Days(const CalendarChoice& cals, uint32_t kind_mask) {
  cache_.Ensure(CacheTable::TradeDays);
  std::vector<std::string> codes = cals.list ? CalendarList(cals.codes) : std::vector{CalendarCode(cals.codes)};
  return cache_.Book()->Days(codes, kind_mask);
}

int32_t CoreCalendarCache::Roll(int32_t date, const CalendarChoice& cals, int32_t off, int32_t kind) {
  return Days(cals, KindBit(kind))->Roll(date, off >= 0);
}

int32_t CoreCalendarCache::Shift(int32_t date, const CalendarChoice& cals, int32_t off, int32_t kind) {
  return Days(cals, KindBit(kind))->Shift(date, off, nullptr);
}

int32_t CoreCalendarCache::ShiftKinds(int32_t date, const CalendarChoice& cals, int32_t off, const char* kinds) {
  return Days(cals, KindMaskOfText(kinds))->Shift(date, off, nullptr);
}

int32_t CoreCalendarCache::CountDays(int32_t from, int32_t to, const std::string& cal, int32_t flags) {
  return Days({cal, false}, KindBit(0))->Count(from, to, flags);
}

int32_t CoreCalendarCache::LastDate(const std::string& cal) {
  cache_.Ensure(CacheTable::TradeDays);
  const TradeCalendar* calendar = cache_.Book()->Calendar(CalendarCode(cal));
  return calendar != nullptr ? calendar->LastDate() : -1;
}

}  // namespace ruzi
