#pragma once
// The cache under test with a few rows laid over it: extra markets and funds, parameter
// 40704, a changed day, and a new generation when the overlay changes, as a reload would give.
#include <map>
#include <optional>

#include "trading/calendar/calendar_cache.h"

namespace ruzi::testing {

class OverlayCache final : public CalendarCache {
 public:
  explicit OverlayCache(CalendarCache& base) : base_(base) {}

  void AddMarket(const RMarketInfo& market) { markets_.push_back(market), ++changes_; }
  void AddFund(const RFundInfo& fund) { funds_[fund.fund_id] = fund; }
  void SetParameter(const RSysParameter& parameter) { parameter_ = parameter; }
  void SetDay(const RTradeDay& day) { days_.push_back(day), ++changes_; }

  int64_t Generation() override { return base_.Generation() + (int64_t{changes_} << 48); }
  std::vector<RMarketInfo> Markets() override {
    std::vector<RMarketInfo> all = base_.Markets();
    all.insert(all.end(), markets_.begin(), markets_.end());
    return all;
  }
  std::vector<RTradeDay> TradeDays() override {
    std::vector<RTradeDay> all = base_.TradeDays();
    all.insert(all.end(), days_.begin(), days_.end());
    return all;
  }
  RFundInfo Fund(int32_t fund_id) override {
    auto found = funds_.find(fund_id);
    return found != funds_.end() ? found->second : base_.Fund(fund_id);
  }
  double SystemTimeZone() override { return base_.SystemTimeZone(); }
  RSysParameter Parameter(int32_t serial_no) override {
    return parameter_ && parameter_->serial_no == serial_no ? *parameter_ : base_.Parameter(serial_no);
  }
  int32_t Roll(int32_t date, const CalendarChoice& cals, int32_t off, int32_t kind) override {
    return base_.Roll(date, cals, off, kind);
  }
  int32_t Shift(int32_t date, const CalendarChoice& cals, int32_t off, int32_t kind) override {
    return base_.Shift(date, cals, off, kind);
  }
  int32_t ShiftKinds(int32_t date, const CalendarChoice& cals, int32_t off, const char* kinds) override {
    return base_.ShiftKinds(date, cals, off, kinds);
  }
  int32_t CountDays(int32_t from, int32_t to, const std::string& cal, int32_t flags) override {
    return base_.CountDays(from, to, cal, flags);
  }
  int32_t LastDate(const std::string& cal) override { return base_.LastDate(cal); }

 private:
  CalendarCache& base_;
  std::vector<RMarketInfo> markets_;
  std::map<int32_t, RFundInfo> funds_;
  std::optional<RSysParameter> parameter_;
  std::vector<RTradeDay> days_;
  int32_t changes_ = 0;
};

}  // namespace ruzi::testing
