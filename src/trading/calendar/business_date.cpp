// Business dates versus market dates: a fund's business day may end at another hour, and in
// another time zone, than the market's trading day.
#include <cstring>

#include "trading/calendar/calendar_guard.h"
#include "trading/calendar/day_number.h"
#include "trading/calendar/trading_calendar.h"
#include "trading/calendar/trading_periods.h"

namespace ruzi {
namespace {

bool FollowsMarket(const RFundInfo& fund) { return std::strcmp(fund.switch_mode, "0") == 0; }

}  // namespace

int32_t TradingCalendar::MarketToBusinessDate(const std::string& market, int32_t date, int32_t fund_id) {
  if (!IsValidIntDate(date)) return -1;
  return CalendarGuard(int32_t{-1}, [&] {
    const Market* found = Index().Find(market.c_str());
    const RFundInfo fund = cache_.Fund(fund_id);
    if (found == nullptr || fund.fund_id == 0) return -1;
    const DateAndTime moment = ShiftMoment({date, DayEndTime(found->record)},
                                           ShiftMinutes(found->record.time_zone, cache_.SystemTimeZone()));
    if (moment.date < 0) return -1;
    int32_t business = moment.date;
    if (FollowsMarket(fund)) business = GetTradeDate(business, 1, market, 2, 0);
    if (fund.switch_time >= moment.time) business = GetTradeDate(business, -1, market, 2, 0);
    return business;
  });
}

int32_t TradingCalendar::BusinessToMarket(const Market& market, int32_t date, const RFundInfo& fund) {
  const std::string code = market.record.market_no;
  if (FollowsMarket(fund)) date = GetTradeDate(date, -1, code, 2, 0);
  const DateAndTime moment = OnMarket(market, {date, fund.switch_time});
  if (moment.date < 0) return -1;
  if (moment.time >= DayEndTime(market.record)) return GetTradeDate(moment.date, 1, code, 2, 0);
  return moment.date;
}

int32_t TradingCalendar::BusinessToMarketDate(const std::string& market, int32_t date, int32_t fund_id) {
  if (!IsValidIntDate(date)) return -1;
  return CalendarGuard(int32_t{-1}, [&] {
    const Market* found = Index().Find(market.c_str());
    const RFundInfo fund = cache_.Fund(fund_id);
    if (found == nullptr || fund.fund_id == 0) return -1;
    return BusinessToMarket(*found, date, fund);
  });
}

}  // namespace ruzi
