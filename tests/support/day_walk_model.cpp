#include "day_walk_model.h"

#include "foundation/int_date.h"

namespace ruzi::testing {

DayWalkModel::DayWalkModel(const std::vector<RTradeDay>& days) {
  for (const RTradeDay& day : days) {
    calendars_[*day.tradeday_type != '\0' ? day.tradeday_type : "00"][day.date] = static_cast<uint32_t>(day.kinds);
  }
}

uint32_t DayWalkModel::Kinds(const std::string& cal, int32_t date) const {
  auto calendar = calendars_.find(cal);
  if (calendar == calendars_.end()) return 0;
  auto day = calendar->second.find(date);
  return day != calendar->second.end() ? day->second : 0;
}

bool DayWalkModel::InRange(int32_t date, const std::vector<std::string>& cals) const {
  if (cals.empty()) return false;
  for (const std::string& cal : cals) {
    auto calendar = calendars_.find(cal);
    if (calendar == calendars_.end() || calendar->second.empty()) return false;
    if (date < calendar->second.begin()->first || date > calendar->second.rbegin()->first) return false;
  }
  return true;
}

bool DayWalkModel::Qualifies(int32_t date, const std::vector<std::string>& cals, uint32_t mask) const {
  if (!InRange(date, cals)) return false;
  for (const std::string& cal : cals) {
    if ((Kinds(cal, date) & mask) == 0) return false;
  }
  return true;
}

int32_t DayWalkModel::Roll(int32_t date, const std::vector<std::string>& cals, bool forward, uint32_t mask) const {
  for (; InRange(date, cals); date = IncIntDate(date, forward ? 1 : -1)) {
    if (Qualifies(date, cals, mask)) return date;
  }
  return -1;
}

int32_t DayWalkModel::Shift(int32_t date, const std::vector<std::string>& cals, int32_t off, uint32_t mask) const {
  if (!InRange(date, cals)) return -1;
  if (off == 0) return Roll(date, cals, true, mask);
  for (int32_t left = off > 0 ? off : -off; left > 0;) {
    date = IncIntDate(date, off > 0 ? 1 : -1);
    if (!InRange(date, cals)) return -1;
    if (Qualifies(date, cals, mask)) --left;
  }
  return date;
}

int32_t DayWalkModel::Ordinal(int32_t date, const std::vector<std::string>& cals, uint32_t mask) const {
  int32_t count = 0;
  for (; InRange(date, cals); date = DecIntDate(date, 1)) count += Qualifies(date, cals, mask) ? 1 : 0;
  return count;
}

int32_t DayWalkModel::Count(int32_t from, int32_t to, const std::vector<std::string>& cals, uint32_t mask,
                            int32_t flags) const {
  if (!InRange(from, cals) || !InRange(to, cals)) return -1;
  if ((flags & 4) != 0 && from > to) std::swap(from, to);
  int32_t count = 0;
  // The same date counts only when both ends do.
  for (int32_t date = from; date <= to; date = IncIntDate(date, 1)) {
    if ((date == from && (flags & 1) == 0) || (date == to && (flags & 2) == 0)) continue;
    count += Qualifies(date, cals, mask) ? 1 : 0;
  }
  return count;
}

int32_t DayWalkModel::LastDate(const std::string& cal) const {
  auto calendar = calendars_.find(cal);
  return calendar == calendars_.end() || calendar->second.empty() ? -1 : calendar->second.rbegin()->first;
}

}  // namespace ruzi::testing
