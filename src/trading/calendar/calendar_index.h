#pragma once
// One load of the markets and trade days, laid out for the questions asked most: each market
// with its calendar code, and each calendar's kinds by day number, so "is this a trade day"
// is arithmetic and one array read. Built from the cache's own records; the cache still
// answers every shift and count.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "trading/cache/memtable.h"

namespace ruzi {

class CalendarIndex {
 public:
  struct CalendarKinds {
    int32_t first_day = 0;        // day number of kinds[0]
    std::vector<uint32_t> kinds;  // 0 for a day not stored
  };
  struct Market {
    RMarketInfo record;
    std::string calendar;  // "" became "00"
    const CalendarKinds* kinds = nullptr;  // nullptr: the calendar has no days
  };

  CalendarIndex(int64_t generation, std::vector<RMarketInfo> markets, const std::vector<RTradeDay>& days);
  CalendarIndex(const CalendarIndex&) = delete;
  CalendarIndex& operator=(const CalendarIndex&) = delete;

  int64_t Generation() const { return generation_; }
  // nullptr for a code the cache does not hold.
  const Market* Find(const char* market_no) const;
  const std::vector<Market>& Markets() const { return markets_; }
  // The cache's test: the stored day carries the kind (0 to 31).
  static bool HasKind(const Market& market, int32_t date, int32_t kind);

 private:
  int64_t generation_;
  std::map<std::string, CalendarKinds> calendars_;
  std::vector<Market> markets_;
};

}  // namespace ruzi
