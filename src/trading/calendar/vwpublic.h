#pragma once
// The trading calendar of the process: memdata.dll for the reference data, the server's clock
// service for the time. The same questions as TradingCalendar (see there), as free functions.
#include <cstdint>
#include <string>

#include "trading/calendar/add_months.h"
#include "trading/calendar/count_day_type.h"
#include "trading/calendar/trading_calendar.h"

namespace ruzi {

TradingCalendar& ProcessCalendar();

bool IsTradeDay(int32_t date, const std::string& market);
bool IsSettleDay(int32_t date, const std::string& market);
int32_t GetTradeDate(int32_t date, int32_t offset, const std::string& market, int32_t mode, int32_t fund_id);
int32_t BetweenTradeDates(int32_t date1, int32_t date2, const std::string& market);
int32_t BetweenTradeDates(int32_t date1, int32_t date2, std::string& message, TCountDayTypes types);
int32_t GetLastTradedate(const std::string& market);
double GetMarketDateTime(const std::string& market);
int32_t GetMarketDate(const std::string& market);
int32_t GetMarketTime(const std::string& market);
int32_t MarketToBusinessDate(const std::string& market, int32_t date, int32_t fund_id);
int32_t BusinessToMarketDate(const std::string& market, int32_t date, int32_t fund_id);
int32_t GetTradeStatus(int32_t fund_id, const std::string& market);
int32_t GetBusinessDate(int32_t fund_id);

}  // namespace ruzi
