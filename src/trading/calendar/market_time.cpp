// The date and time on a market now: the server's clock (the business location's time)
// moved by the time-zone shift.
#include "foundation/date_time_value.h"
#include "trading/calendar/calendar_guard.h"
#include "trading/calendar/trading_calendar.h"

namespace ruzi {
namespace {

DateAndTime MomentOf(const platform::LocalDateTime& at) {
  return {at.year * 10000 + at.month * 100 + at.day, at.hour * 10000 + at.minute * 100 + at.second};
}

}  // namespace

DateAndTime TradingCalendar::BusinessNow() { return MomentOf(clock_.Now()); }

DateAndTime TradingCalendar::OnMarket(const Market& market, DateAndTime business) {
  return ShiftMoment(business, ShiftMinutes(cache_.SystemTimeZone(), market.record.time_zone));
}

double TradingCalendar::GetMarketDateTime(const std::string& market) {
  return CalendarGuard(0.0, [&] {
    const Market* found = Index().Find(market.c_str());
    if (found == nullptr) return 0.0;
    const platform::LocalDateTime now = clock_.Now();
    const DateAndTime moved = OnMarket(*found, MomentOf(now));
    if (moved.date < 0) return 0.0;
    return ToDateTimeValue({moved.date / 10000, moved.date / 100 % 100, moved.date % 100, moved.time / 10000,
                            moved.time / 100 % 100, moved.time % 100, now.millisecond});
  });
}

int32_t TradingCalendar::GetMarketDate(const std::string& market) {
  return CalendarGuard(int32_t{-1}, [&] {
    const Market* found = Index().Find(market.c_str());
    return found != nullptr ? OnMarket(*found, BusinessNow()).date : -1;
  });
}

int32_t TradingCalendar::GetMarketTime(const std::string& market) {
  return CalendarGuard(int32_t{-1}, [&] {
    const Market* found = Index().Find(market.c_str());
    if (found == nullptr) return -1;
    const DateAndTime moved = OnMarket(*found, BusinessNow());
    return moved.date < 0 ? -1 : moved.time;
  });
}

}  // namespace ruzi
