#pragma once
// The trading calendar of the process: trade and settlement days, the day n trade days away,
// trade days between two dates, market versus business dates and times, and whether a market
// is trading. Dates are yyyymmdd, times hhnnss. The reference data come from memdata.dll, the
// time from the server's clock service. Any thread may ask; bad input (an invalid date, an
// unknown market or fund) gets the function's failure value, never an exception.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/trading/calendar/add_months.h"
#include "ruzirareva/trading/calendar/count_day_type.h"

namespace ruzi {

inline constexpr const char* kTradeDaysRunOutMessage = "目前维护的交易日已经不够用，请先维护交易日再回来操作!";

// GetTradeStatus results.
inline constexpr int32_t kTradeStatusTrading = 1;
inline constexpr int32_t kTradeStatusNotYet = 2;
inline constexpr int32_t kTradeStatusClosed = 3;
inline constexpr int32_t kTradeStatusUndetermined = -1;

RUZI_API bool IsTradeDay(int32_t date, const std::string& market);
RUZI_API bool IsSettleDay(int32_t date, const std::string& market);
RUZI_API int32_t GetTradeDate(int32_t date, int32_t offset, const std::string& market, int32_t mode, int32_t fund_id);
RUZI_API int32_t BetweenTradeDates(int32_t date1, int32_t date2, const std::string& market);
RUZI_API int32_t BetweenTradeDates(int32_t date1, int32_t date2, std::string& message, TCountDayTypes types);
RUZI_API int32_t GetLastTradedate(const std::string& market);
RUZI_API double GetMarketDateTime(const std::string& market);
RUZI_API int32_t GetMarketDate(const std::string& market);
RUZI_API int32_t GetMarketTime(const std::string& market);
RUZI_API int32_t MarketToBusinessDate(const std::string& market, int32_t date, int32_t fund_id);
RUZI_API int32_t BusinessToMarketDate(const std::string& market, int32_t date, int32_t fund_id);
RUZI_API int32_t GetTradeStatus(int32_t fund_id, const std::string& market);
RUZI_API int32_t GetBusinessDate(int32_t fund_id);

}  // namespace ruzi
