#pragma once
// The trade-day questions answered the slow, obvious way: one calendar day at a time over the
// stored days, as a reference for the calendar and the cache under it.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "trading/cache/memtable.h"

namespace ruzi::testing {

class DayWalkModel {
 public:
  explicit DayWalkModel(const std::vector<RTradeDay>& days);

  uint32_t Kinds(const std::string& cal, int32_t date) const;
  // The first qualifying day on or after (before) the date, within the part every calendar
  // covers; -1 when there is none or the date lies outside.
  int32_t Roll(int32_t date, const std::vector<std::string>& cals, bool forward, uint32_t mask) const;
  // `off` qualifying days away, the date not counted; 0 rolls forward.
  int32_t Shift(int32_t date, const std::vector<std::string>& cals, int32_t off, uint32_t mask) const;
  // Trade days (kind 0) between; flags as the cache takes them.
  int32_t Count(int32_t from, int32_t to, const std::string& cal, int32_t flags) const;
  int32_t LastDate(const std::string& cal) const;

 private:
  bool Qualifies(int32_t date, const std::vector<std::string>& cals, uint32_t mask) const;
  bool InRange(int32_t date, const std::vector<std::string>& cals) const;

  std::map<std::string, std::map<int32_t, uint32_t>> calendars_;
};

}  // namespace ruzi::testing
