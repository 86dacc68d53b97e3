#pragma once
// The trade-day questions answered the slow, obvious way: one calendar day at a time over the
// stored days, as the reference for the cache's qualifying days and the calendar above them.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "trading/cache/memtable.h"

namespace ruzi::testing {

class DayWalkModel {
 public:
  using Calendars = std::map<std::string, std::map<int32_t, uint32_t>>;  // code -> date -> kinds
  explicit DayWalkModel(Calendars calendars) : calendars_(std::move(calendars)) {}
  explicit DayWalkModel(const std::vector<RTradeDay>& days);  // "" stands for "00"

  uint32_t Kinds(const std::string& cal, int32_t date) const;
  // Within the part every calendar covers, every one holding a kind of the mask.
  bool Qualifies(int32_t date, const std::vector<std::string>& cals, uint32_t mask) const;
  // The first qualifying day on or after (before) the date; -1 when there is none or the date
  // lies outside.
  int32_t Roll(int32_t date, const std::vector<std::string>& cals, bool forward, uint32_t mask) const;
  // `off` qualifying days away, the date not counted; 0 rolls forward.
  int32_t Shift(int32_t date, const std::vector<std::string>& cals, int32_t off, uint32_t mask) const;
  // How many qualifying days lie on or before the date, within the covered part.
  int32_t Ordinal(int32_t date, const std::vector<std::string>& cals, uint32_t mask) const;
  // Qualifying days between; flags 1 count the first, 2 the last, 4 either order.
  int32_t Count(int32_t from, int32_t to, const std::vector<std::string>& cals, uint32_t mask, int32_t flags) const;
  int32_t LastDate(const std::string& cal) const;

 private:
  bool InRange(int32_t date, const std::vector<std::string>& cals) const;

  Calendars calendars_;
};

}  // namespace ruzi::testing
