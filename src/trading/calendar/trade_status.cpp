// Whether a market is trading for a fund at this moment of the server's clock.
#include <cstring>

#include "trading/calendar/calendar_guard.h"
#include "trading/calendar/trading_calendar.h"
#include "trading/calendar/trading_periods.h"

namespace ruzi {
namespace {

constexpr int32_t kTradingTimeCheck = 40704;  // "1" (or absent): check the trading time

}  // namespace

int32_t TradingCalendar::GetTradeStatus(int32_t fund_id, const std::string& market) {
  return CalendarGuard(kTradeStatusUndetermined, [&] {
    const RSysParameter check = cache_.Parameter(kTradingTimeCheck);
    if (check.found != 0 && std::strcmp(check.value, "1") != 0) return kTradeStatusTrading;
    const Market* found = Index().Find(market.c_str());
    const RFundInfo fund = cache_.Fund(fund_id);
    if (found == nullptr || fund.fund_id == 0) return kTradeStatusUndetermined;
    return StatusOnMarket(*found, fund);
  });
}

int32_t TradingCalendar::StatusOnMarket(const Market& market, const RFundInfo& fund) {
  const int32_t day = BusinessToMarket(market, fund.business_date, fund);
  if (day == -1) return kTradeStatusUndetermined;
  if (!CalendarIndex::HasKind(market, day, 0)) return kTradeStatusClosed;
  // One reading of the clock serves every comparison below.
  const DateAndTime business_now = BusinessNow();
  if (day != fund.business_date) {
    // The fund's day has switched but the market's has not begun: open only between the
    // market's opening (in business time) and the switch time.
    const int32_t open = ShiftMoment({day, DayStartTime(market.record)},
                                     ShiftMinutes(market.record.time_zone, cache_.SystemTimeZone()))
                             .time;
    const int32_t switch_time = fund.switch_time;
    const int32_t now = business_now.time;
    if (switch_time >= open ? !(open <= now && now <= switch_time) : (switch_time < now && now < open)) {
      return kTradeStatusClosed;
    }
  }
  const DateAndTime market_now = OnMarket(market, business_now);
  const std::vector<TradingPeriod> periods = UsedPeriods(market.record);
  for (const TradingPeriod& period : periods) {
    if (period.begin <= market_now.time && market_now.time <= period.end) return kTradeStatusTrading;
  }
  if (day > market_now.date) return kTradeStatusNotYet;
  if (day < market_now.date) return kTradeStatusClosed;
  bool after_every_period = !periods.empty();
  for (const TradingPeriod& period : periods) {
    if (market_now.time < period.begin) return kTradeStatusNotYet;
    after_every_period = after_every_period && market_now.time > period.end;
  }
  return after_every_period ? kTradeStatusClosed : kTradeStatusUndetermined;
}

}  // namespace ruzi
