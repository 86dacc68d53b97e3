#include "trading/cache/trade_calendar.h"

#include <algorithm>

namespace ruzi {
namespace {

constexpr size_t kMaxViews = 256;

bool Earlier(const CalendarDay& day, int32_t date) { return day.date < date; }

}  // namespace

TradeCalendar::TradeCalendar(std::vector<CalendarDay> days) : days_(std::move(days)) {
  std::stable_sort(days_.begin(), days_.end(),
                   [](const CalendarDay& a, const CalendarDay& b) { return a.date < b.date; });
  // Of repeated dates keep the last given.
  std::vector<CalendarDay> unique;
  unique.reserve(days_.size());
  for (const CalendarDay& day : days_) {
    if (!unique.empty() && unique.back().date == day.date) {
      unique.back() = day;
    } else {
      unique.push_back(day);
    }
  }
  days_ = std::move(unique);
}

uint32_t TradeCalendar::KindsOf(int32_t date) const {
  auto found = std::lower_bound(days_.begin(), days_.end(), date, Earlier);
  return found != days_.end() && found->date == date ? found->kinds : 0;
}

QualifyingDays::QualifyingDays(const std::vector<const TradeCalendar*>& calendars, uint32_t kind_mask) {
  if (calendars.empty()) return;
  int32_t first = INT32_MIN;
  int32_t last = INT32_MAX;
  for (const TradeCalendar* calendar : calendars) {
    if (calendar == nullptr || calendar->Empty()) return;
    first = std::max(first, calendar->FirstDate());
    last = std::min(last, calendar->LastDate());
  }
  first_ = first;
  last_ = last;
  if (kind_mask == 0) return;
  for (const CalendarDay& day : calendars.front()->Days()) {
    if (day.date < first || day.date > last || (day.kinds & kind_mask) == 0) continue;
    bool everywhere = true;
    for (size_t i = 1; i < calendars.size() && everywhere; ++i) {
      everywhere = (calendars[i]->KindsOf(day.date) & kind_mask) != 0;
    }
    if (everywhere) dates_.push_back(day.date);
  }
}

bool QualifyingDays::Contains(int32_t date) const { return std::binary_search(dates_.begin(), dates_.end(), date); }

int32_t QualifyingDays::Roll(int32_t date, bool forward) const {
  if (!InRange(date)) return -1;
  if (forward) {
    auto found = std::lower_bound(dates_.begin(), dates_.end(), date);
    return found != dates_.end() ? *found : -1;
  }
  auto after = std::upper_bound(dates_.begin(), dates_.end(), date);
  return after != dates_.begin() ? *(after - 1) : -1;
}

int32_t QualifyingDays::Shift(int32_t date, int32_t off, int32_t* pos) const {
  int32_t position = 0;
  int32_t result = -1;
  if (InRange(date)) {
    int64_t target = 0;
    if (off > 0) {
      target = (std::upper_bound(dates_.begin(), dates_.end(), date) - dates_.begin()) + int64_t{off} - 1;
    } else {
      target = (std::lower_bound(dates_.begin(), dates_.end(), date) - dates_.begin()) + int64_t{off};
    }
    if (target >= 0 && target < static_cast<int64_t>(dates_.size())) {
      result = dates_[static_cast<size_t>(target)];
      position = static_cast<int32_t>(target + 1);
    }
  }
  if (pos != nullptr) *pos = position;
  return result;
}

int32_t QualifyingDays::Count(int32_t from, int32_t to, int32_t flags) const {
  if (!InRange(from) || !InRange(to)) return -1;
  if ((flags & kCountEitherOrder) != 0 && from > to) std::swap(from, to);
  if (from > to) return 0;
  auto low = (flags & kCountFirst) != 0 ? std::lower_bound(dates_.begin(), dates_.end(), from)
                                        : std::upper_bound(dates_.begin(), dates_.end(), from);
  auto high = (flags & kCountLast) != 0 ? std::upper_bound(dates_.begin(), dates_.end(), to)
                                        : std::lower_bound(dates_.begin(), dates_.end(), to);
  return high > low ? static_cast<int32_t>(high - low) : 0;
}

const TradeCalendar* TradeDayBook::Calendar(const std::string& code) const {
  auto found = calendars_.find(code);
  return found != calendars_.end() ? &found->second : nullptr;
}

std::shared_ptr<const QualifyingDays> TradeDayBook::Days(const std::vector<std::string>& codes,
                                                         uint32_t kind_mask) const {
  std::lock_guard<std::mutex> guard(lock_);
  auto key = std::make_pair(codes, kind_mask);
  auto found = views_.find(key);
  if (found != views_.end()) return found->second;
  std::vector<const TradeCalendar*> calendars;
  for (const std::string& code : codes) calendars.push_back(Calendar(code));
  auto view = std::make_shared<const QualifyingDays>(calendars, kind_mask);
  // Lists come from callers; a flood of different ones must not grow without bound.
  if (views_.size() >= kMaxViews) views_.clear();
  views_.emplace(std::move(key), view);
  return view;
}

}  // namespace ruzi
