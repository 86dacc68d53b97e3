#pragma once
// A market's trading periods: up to three (begin, end) hhnnss pairs a day. A period is in use
// when its end is not 0, so a period may begin at midnight (begin 0).
#include <cstdint>
#include <vector>

#include "trading/cache/memtable.h"

namespace ruzi {

struct TradingPeriod {
  int32_t begin;
  int32_t end;
};

std::vector<TradingPeriod> UsedPeriods(const RMarketInfo& market);
// The end of the last used period (third, else second, else first); 0 when none is used.
int32_t DayEndTime(const RMarketInfo& market);
// The begin of the first used period (first, else second, else third); 0 when none is used.
int32_t DayStartTime(const RMarketInfo& market);

}  // namespace ruzi
