#include "trading/calendar/calendar_index.h"

#include <algorithm>
#include <cstring>

#include "trading/cache/day_kind_text.h"
#include "trading/calendar/day_number.h"

namespace ruzi {

CalendarIndex::CalendarIndex(int64_t generation, std::vector<RMarketInfo> markets, const std::vector<RTradeDay>& days)
    : generation_(generation) {
  std::map<std::string, std::pair<int32_t, int32_t>> ranges;  // code -> first and last day number
  for (const RTradeDay& day : days) {
    std::optional<int32_t> number = DayNumber(day.date);
    if (!number) continue;
    auto [range, added] = ranges.try_emplace(CalendarCode(day.tradeday_type), *number, *number);
    range->second.first = std::min(range->second.first, *number);
    range->second.second = std::max(range->second.second, *number);
  }
  for (const auto& [code, range] : ranges) {
    CalendarKinds& calendar = calendars_[code];
    calendar.first_day = range.first;
    calendar.kinds.assign(static_cast<size_t>(range.second - range.first + 1), 0);
  }
  // In load order: a date stored twice keeps its later kinds, as in the cache.
  for (const RTradeDay& day : days) {
    std::optional<int32_t> number = DayNumber(day.date);
    if (!number) continue;
    CalendarKinds& calendar = calendars_[CalendarCode(day.tradeday_type)];
    calendar.kinds[static_cast<size_t>(*number - calendar.first_day)] = static_cast<uint32_t>(day.kinds);
  }
  markets_.reserve(markets.size());
  for (const RMarketInfo& record : markets) {
    Market market{record, CalendarCode(record.tradeday_type), nullptr};
    auto found = calendars_.find(market.calendar);
    if (found != calendars_.end()) market.kinds = &found->second;
    markets_.push_back(std::move(market));
  }
}

const CalendarIndex::Market* CalendarIndex::Find(const char* market_no) const {
  // A handful of markets: a scan beats hashing the code.
  for (const Market& market : markets_) {
    if (std::strcmp(market.record.market_no, market_no) == 0) return &market;
  }
  return nullptr;
}

bool CalendarIndex::HasKind(const Market& market, int32_t date, int32_t kind) {
  if (market.kinds == nullptr || kind < 0 || kind > 31) return false;
  std::optional<int32_t> number = DayNumber(date);
  if (!number) return false;
  const uint32_t offset = static_cast<uint32_t>(*number - market.kinds->first_day);
  if (offset >= market.kinds->kinds.size()) return false;
  return (market.kinds->kinds[offset] >> kind & 1u) != 0;
}

}  // namespace ruzi
