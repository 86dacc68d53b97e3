#pragma once
// What the trading calendar reads of the reference-data cache: markets, funds, the system's
// time zone, one system parameter, and the trade-day questions. Two caches answer: memdata.dll
// (the client's) and the in-process cache core. Codes and kinds mean what the cache's
// trade-day slots take: `cals` is one calendar code or, with `list`, codes separated by ",".
#include <cstdint>
#include <string>
#include <vector>

#include "trading/cache/memtable.h"

namespace ruzi {

struct CalendarChoice {
  std::string codes;
  bool list = false;
};

class CalendarCache {
 public:
  virtual ~CalendarCache() = default;

  // Changes whenever the market or the trade-day table is loaded again.
  virtual int64_t Generation() = 0;
  // In the cache's order.
  virtual std::vector<RMarketInfo> Markets() = 0;
  virtual std::vector<RTradeDay> TradeDays() = 0;
  // Zero-filled for a fund the cache does not hold.
  virtual RFundInfo Fund(int32_t fund_id) = 0;
  virtual double SystemTimeZone() = 0;
  virtual RSysParameter Parameter(int32_t serial_no) = 0;

  virtual int32_t Roll(int32_t date, const CalendarChoice& cals, int32_t off, int32_t kind) = 0;
  virtual int32_t Shift(int32_t date, const CalendarChoice& cals, int32_t off, int32_t kind) = 0;
  virtual int32_t ShiftKinds(int32_t date, const CalendarChoice& cals, int32_t off, const char* kinds) = 0;
  virtual int32_t CountDays(int32_t from, int32_t to, const std::string& cal, int32_t flags) = 0;
  virtual int32_t LastDate(const std::string& cal) = 0;
};

}  // namespace ruzi
