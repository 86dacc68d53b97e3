#pragma once
// The date questions of a trading desk, answered from the reference-data cache: trade and
// settlement days of a market, the day n trade days away, trade days between two dates, the
// date and time on a market now, business versus market dates across time zones, and whether
// a market is trading. Dates are yyyymmdd, times hhnnss. The server's clock comes through
// `server_clock` (its local time is the business location's).
//
// Bad input (a date that is not a valid yyyymmdd, a market or fund the cache does not hold)
// gets the documented failure value, never an exception; see docs/behaviour.md.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "trading/calendar/calendar_cache.h"
#include "trading/calendar/calendar_index.h"
#include "trading/calendar/count_day_type.h"
#include "trading/calendar/time_zone_shift.h"
#include "trading/calendar/vwpublic.h"

namespace ruzi {


class TradingCalendar {
 public:
  TradingCalendar(CalendarCache& cache, platform::Clock& server_clock) : cache_(cache), clock_(server_clock) {}
  TradingCalendar(const TradingCalendar&) = delete;
  TradingCalendar& operator=(const TradingCalendar&) = delete;

  bool IsTradeDay(int32_t date, const std::string& market);
  bool IsSettleDay(int32_t date, const std::string& market);
  // Modes 0 to 4; market "0" stands for every market (of the fund, when fund_id is not 0).
  int32_t GetTradeDate(int32_t date, int32_t offset, const std::string& market, int32_t mode, int32_t fund_id);
  // Trade days from date1 to date2 on the market's calendar, date1 counted.
  int32_t BetweenTradeDates(int32_t date1, int32_t date2, const std::string& market);
  // On calendar "00", in either order; the ends count as `types` say. -1 with the message
  // when the calendar runs out before the later date.
  int32_t BetweenTradeDates(int32_t date1, int32_t date2, std::string& message, TCountDayTypes types);
  int32_t GetLastTradedate(const std::string& market);

  // The server's current date-time moved to the market's time zone; 0 for an unknown market.
  double GetMarketDateTime(const std::string& market);
  int32_t GetMarketDate(const std::string& market);  // -1 for an unknown market
  int32_t GetMarketTime(const std::string& market);  // -1 for an unknown market

  int32_t MarketToBusinessDate(const std::string& market, int32_t date, int32_t fund_id);
  int32_t BusinessToMarketDate(const std::string& market, int32_t date, int32_t fund_id);
  // 1 trading, 2 not yet, 3 closed, -1 undetermined.
  int32_t GetTradeStatus(int32_t fund_id, const std::string& market);
  int32_t GetBusinessDate(int32_t fund_id);

 private:
  using Market = CalendarIndex::Market;

  // The index of the cache's current load (built again after a reload).
  const CalendarIndex& Index();
  bool HasKind(int32_t date, const std::string& market, int32_t kind);
  // The server's clock as business date and time, and a business moment on a market.
  DateAndTime BusinessNow();
  DateAndTime OnMarket(const Market& market, DateAndTime business);
  // BusinessToMarketDate for a market and fund the cache holds.
  int32_t BusinessToMarket(const Market& market, int32_t date, const RFundInfo& fund);
  int32_t StatusOnMarket(const Market& market, const RFundInfo& fund);

  CalendarCache& cache_;
  platform::Clock& clock_;
  std::atomic<const CalendarIndex*> index_{nullptr};
  std::mutex building_;
  // Every index built stays until the calendar goes: a reader may still hold an older one.
  std::vector<std::unique_ptr<CalendarIndex>> indexes_;
};

}  // namespace ruzi
