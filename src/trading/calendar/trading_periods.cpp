#include "trading/calendar/trading_periods.h"

namespace ruzi {

std::vector<TradingPeriod> UsedPeriods(const RMarketInfo& market) {
  std::vector<TradingPeriod> used;
  for (TradingPeriod period : {TradingPeriod{market.begin_time1, market.end_time1},
                               TradingPeriod{market.begin_time2, market.end_time2},
                               TradingPeriod{market.begin_time3, market.end_time3}}) {
    if (period.end != 0) used.push_back(period);
  }
  return used;
}

int32_t DayEndTime(const RMarketInfo& market) {
  std::vector<TradingPeriod> used = UsedPeriods(market);
  return used.empty() ? 0 : used.back().end;
}

int32_t DayStartTime(const RMarketInfo& market) {
  std::vector<TradingPeriod> used = UsedPeriods(market);
  return used.empty() ? 0 : used.front().begin;
}

}  // namespace ruzi
