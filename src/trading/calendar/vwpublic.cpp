#include "trading/calendar/vwpublic.h"

#include "trading/calendar/memdata_calendar_cache.h"
#include "trading/calendar/server_clock.h"
#include "trading/calendar/trading_calendar.h"

namespace ruzi {
namespace {

TradingCalendar& ProcessCalendar() {
  // Never destroyed: calendar questions may come while the process ends.
  static TradingCalendar* calendar = new TradingCalendar(*new MemdataCalendarCache, *new ServerClock);
  return *calendar;
}

}  // namespace

bool IsTradeDay(int32_t date, const std::string& market) { return ProcessCalendar().IsTradeDay(date, market); }
bool IsSettleDay(int32_t date, const std::string& market) { return ProcessCalendar().IsSettleDay(date, market); }
int32_t GetTradeDate(int32_t date, int32_t offset, const std::string& market, int32_t mode, int32_t fund_id) {
  return ProcessCalendar().GetTradeDate(date, offset, market, mode, fund_id);
}
int32_t BetweenTradeDates(int32_t date1, int32_t date2, const std::string& market) {
  return ProcessCalendar().BetweenTradeDates(date1, date2, market);
}
int32_t BetweenTradeDates(int32_t date1, int32_t date2, std::string& message, TCountDayTypes types) {
  return ProcessCalendar().BetweenTradeDates(date1, date2, message, types);
}
int32_t GetLastTradedate(const std::string& market) { return ProcessCalendar().GetLastTradedate(market); }
double GetMarketDateTime(const std::string& market) { return ProcessCalendar().GetMarketDateTime(market); }
int32_t GetMarketDate(const std::string& market) { return ProcessCalendar().GetMarketDate(market); }
int32_t GetMarketTime(const std::string& market) { return ProcessCalendar().GetMarketTime(market); }
int32_t MarketToBusinessDate(const std::string& market, int32_t date, int32_t fund_id) {
  return ProcessCalendar().MarketToBusinessDate(market, date, fund_id);
}
int32_t BusinessToMarketDate(const std::string& market, int32_t date, int32_t fund_id) {
  return ProcessCalendar().BusinessToMarketDate(market, date, fund_id);
}
int32_t GetTradeStatus(int32_t fund_id, const std::string& market) {
  return ProcessCalendar().GetTradeStatus(fund_id, market);
}
int32_t GetBusinessDate(int32_t fund_id) { return ProcessCalendar().GetBusinessDate(fund_id); }

}  // namespace ruzi
