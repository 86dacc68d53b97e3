#include "trading/calendar/trading_calendar.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "trading/calendar/add_months.h"
#include "trading/calendar/calendar_guard.h"
#include "trading/calendar/day_number.h"

namespace ruzi {
namespace {

constexpr int32_t kTradeDay = 0;
constexpr int32_t kSettleDay = 1;
constexpr int32_t kCrossBorderSettleDay = 4;
constexpr const char* kSettleOrBankDays = "1,3";

// The calendars a GetTradeDate question runs on; nothing for an unknown market or a fund
// with no market in the cache.
std::optional<CalendarChoice> ChooseCalendars(const CalendarIndex& index, const std::string& market,
                                              const RFundInfo* fund) {
  if (market != "0") {
    const CalendarIndex::Market* found = index.Find(market.c_str());
    if (found == nullptr) return std::nullopt;
    return CalendarChoice{found->calendar, false};
  }
  std::vector<std::string> codes;
  for (const CalendarIndex::Market& each : index.Markets()) {
    // The fund's list is matched as text: its market codes are not split.
    if (fund != nullptr && std::strstr(fund->market_list, each.record.market_no) == nullptr) continue;
    if (std::find(codes.begin(), codes.end(), each.calendar) == codes.end()) codes.push_back(each.calendar);
  }
  if (codes.empty()) return std::nullopt;
  std::string text;
  for (const std::string& code : codes) text += (text.empty() ? "" : ",") + code;
  return CalendarChoice{text, true};
}

bool HongKongConnect(const std::string& market) { return market == "n" || market == "o"; }

}  // namespace

const CalendarIndex& TradingCalendar::Index() {
  const int64_t generation = cache_.Generation();
  const CalendarIndex* index = index_.load(std::memory_order_acquire);
  if (index != nullptr && index->Generation() == generation) return *index;
  std::lock_guard<std::mutex> guard(building_);
  index = index_.load(std::memory_order_relaxed);
  if (index != nullptr && index->Generation() == generation) return *index;
  indexes_.push_back(std::make_unique<CalendarIndex>(generation, cache_.Markets(), cache_.TradeDays()));
  index_.store(indexes_.back().get(), std::memory_order_release);
  return *indexes_.back();
}

bool TradingCalendar::HasKind(int32_t date, const std::string& market, int32_t kind) {
  return CalendarGuard(false, [&] {
    const Market* found = Index().Find(market.c_str());
    return found != nullptr && CalendarIndex::HasKind(*found, date, kind);
  });
}

bool TradingCalendar::IsTradeDay(int32_t date, const std::string& market) { return HasKind(date, market, kTradeDay); }

bool TradingCalendar::IsSettleDay(int32_t date, const std::string& market) {
  return HasKind(date, market, kSettleDay);
}

int32_t TradingCalendar::GetTradeDate(int32_t date, int32_t offset, const std::string& market, int32_t mode,
                                      int32_t fund_id) {
  if (offset == 0) return date;
  if (mode < 0 || mode > 4) return 0;
  // Modes 2 and 3 fall back to the date itself when the cache answers -1, as it does for a
  // date that is not a valid yyyymmdd; the others fall back to calendar days, which give -1.
  if (!IsValidIntDate(date)) return mode == 2 || mode == 3 ? date : -1;
  if (mode == 0) return AddDate(date, offset);
  return CalendarGuard(int32_t{-1}, [&]() -> int32_t {
    std::optional<RFundInfo> fund;
    if (fund_id != 0) fund = cache_.Fund(fund_id);
    const std::optional<CalendarChoice> cals = ChooseCalendars(Index(), market, fund ? &*fund : nullptr);
    const bool single_connect = cals && !cals->list && HongKongConnect(market);
    if (mode == 1 || mode == 4) {
      const int32_t start = AddDate(date, offset);
      int32_t kind = kSettleDay;
      if (mode == 4 && single_connect &&
          cache_.Roll(start, *cals, offset, kSettleDay) < cache_.Roll(start, *cals, offset, kCrossBorderSettleDay)) {
        kind = kCrossBorderSettleDay;
      }
      const int32_t rolled = cals ? cache_.Roll(start, *cals, offset, kind) : -1;
      return rolled == -1 ? AddDate(date, offset) : rolled;
    }
    if (mode == 2) {
      const int32_t shifted = cals ? cache_.ShiftKinds(date, *cals, offset, kSettleOrBankDays) : -1;
      return shifted == -1 ? date : shifted;
    }
    int32_t kind = kSettleDay;
    if (single_connect &&
        cache_.Shift(date, *cals, offset, kSettleDay) < cache_.Shift(date, *cals, offset, kCrossBorderSettleDay)) {
      kind = kCrossBorderSettleDay;
    }
    const int32_t shifted = cals ? cache_.Shift(date, *cals, offset, kind) : -1;
    return shifted == -1 ? date : shifted;
  });
}

int32_t TradingCalendar::BetweenTradeDates(int32_t date1, int32_t date2, const std::string& market) {
  if (!IsValidIntDate(date1) || !IsValidIntDate(date2)) return -1;
  return CalendarGuard(int32_t{-1}, [&] {
    const Market* found = Index().Find(market.c_str());
    return found != nullptr ? cache_.CountDays(date1, date2, found->calendar, 1) : -1;
  });
}

int32_t TradingCalendar::BetweenTradeDates(int32_t date1, int32_t date2, std::string& message,
                                           TCountDayTypes types) {
  if (!IsValidIntDate(date1) || !IsValidIntDate(date2)) return -1;
  return CalendarGuard(int32_t{-1}, [&] {
    const int32_t earlier = std::min(date1, date2);
    const int32_t later = std::max(date1, date2);
    if (later > cache_.LastDate("00")) {
      message = kTradeDaysRunOutMessage;
      return -1;
    }
    const int32_t flags = 4 + (types.Contains(cdtBegin) ? 1 : 0) + (types.Contains(cdtEnd) ? 2 : 0);
    return cache_.CountDays(earlier, later, "00", flags);
  });
}

int32_t TradingCalendar::GetLastTradedate(const std::string& market) {
  return CalendarGuard(int32_t{-1}, [&] {
    const Market* found = Index().Find(market.c_str());
    return found != nullptr ? cache_.LastDate(found->calendar) : -1;
  });
}

int32_t TradingCalendar::GetBusinessDate(int32_t fund_id) {
  return CalendarGuard(int32_t{0}, [&] { return cache_.Fund(fund_id).business_date; });
}

}  // namespace ruzi
