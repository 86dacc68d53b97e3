#pragma once
// The calendars of the cache and the questions asked of them. A calendar is its stored days
// in date order, each with a kind bit set; its loaded range runs from its first stored day
// to its last. Every question names a list of calendars (often one) and a set of kinds; a day
// qualifies when, in every calendar of the list, it carries one of the kinds. The qualifying
// days of a (list, kinds) pair are worked out once, as a sorted array, and kept until the
// next load, so a test, a roll, a shift by any offset and a count are binary searches.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace ruzi {

struct CalendarDay {
  int32_t date;
  uint32_t kinds;
};

class TradeCalendar {
 public:
  explicit TradeCalendar(std::vector<CalendarDay> days);  // any order; a repeated date: the last
  bool Empty() const { return days_.empty(); }
  int32_t FirstDate() const { return days_.empty() ? -1 : days_.front().date; }
  int32_t LastDate() const { return days_.empty() ? -1 : days_.back().date; }
  // 0 for a day not stored.
  uint32_t KindsOf(int32_t date) const;
  const std::vector<CalendarDay>& Days() const { return days_; }

 private:
  std::vector<CalendarDay> days_;
};

// Count flags.
inline constexpr int32_t kCountFirst = 1;
inline constexpr int32_t kCountLast = 2;
inline constexpr int32_t kCountEitherOrder = 4;

class QualifyingDays {
 public:
  // The range is the part every calendar covers; no calendar (or an empty one) gives none.
  QualifyingDays(const std::vector<const TradeCalendar*>& calendars, uint32_t kind_mask);

  bool InRange(int32_t date) const { return first_ <= date && date <= last_; }
  bool Contains(int32_t date) const;
  // The first qualifying day on or after the date (forward) or on or before it.
  int32_t Roll(int32_t date, bool forward) const;
  // `off` qualifying days after (off > 0) or before (off < 0) the date, not counting the
  // date; off 0 rolls forward. *pos: the result's ordinal among the qualifying days.
  int32_t Shift(int32_t date, int32_t off, int32_t* pos) const;
  int32_t Count(int32_t from, int32_t to, int32_t flags) const;
  const std::vector<int32_t>& Dates() const { return dates_; }

 private:
  int32_t first_ = 1;
  int32_t last_ = 0;
  std::vector<int32_t> dates_;
};

// Every calendar of one load, by code, with the qualifying-day arrays asked for so far.
class TradeDayBook {
 public:
  explicit TradeDayBook(std::map<std::string, TradeCalendar> calendars) : calendars_(std::move(calendars)) {}

  // Codes as the slots take them: one code or a list text; kinds as a mask.
  std::shared_ptr<const QualifyingDays> Days(const std::vector<std::string>& codes, uint32_t kind_mask) const;
  const TradeCalendar* Calendar(const std::string& code) const;
  const std::map<std::string, TradeCalendar>& Calendars() const { return calendars_; }

 private:
  std::map<std::string, TradeCalendar> calendars_;
  mutable std::mutex lock_;
  mutable std::map<std::pair<std::vector<std::string>, uint32_t>, std::shared_ptr<const QualifyingDays>> views_;
};

}  // namespace ruzi
