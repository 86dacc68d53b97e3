// Calendar questions on several threads while the cache reloads its trade days: no data race
// (run under TSan), and an answer given while no reload happened is the current load's.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "trading/calendar/trading_calendar.h"

namespace ruzi {
namespace {

// Each load flips 5 January 2026 between open (even loads) and closed (odd ones).
class FlippingCache final : public CalendarCache {
 public:
  void Reload() { generation_.fetch_add(1); }

  int64_t Generation() override { return generation_.load(); }
  std::vector<RMarketInfo> Markets() override {
    RMarketInfo market{};
    std::snprintf(market.market_no, sizeof market.market_no, "1");
    return {market};
  }
  std::vector<RTradeDay> TradeDays() override {
    const bool open = generation_.load() % 2 == 0;
    return {{"00", 20260102, 3}, {"00", 20260105, open ? 3 : 0}, {"00", 20260106, 3}};
  }
  RFundInfo Fund(int32_t) override { return {}; }
  double SystemTimeZone() override { return 8; }
  RSysParameter Parameter(int32_t) override { return {}; }
  int32_t Roll(int32_t, const CalendarChoice&, int32_t, int32_t) override { return -1; }
  int32_t Shift(int32_t, const CalendarChoice&, int32_t, int32_t) override { return -1; }
  int32_t ShiftKinds(int32_t, const CalendarChoice&, int32_t, const char*) override { return -1; }
  int32_t CountDays(int32_t, int32_t, const std::string&, int32_t) override { return -1; }
  int32_t LastDate(const std::string&) override { return 20260106; }

 private:
  std::atomic<int64_t> generation_{0};
};

TEST(CalendarIndexConcurrency, AnswersFollowReloadsOnEveryThread) {
  FlippingCache cache;
  TradingCalendar calendar(cache, platform::SystemClock());
  std::atomic<bool> stop{false};
  std::atomic<int> wrong{0}, checked{0};
  std::vector<std::thread> readers;
  for (int t = 0; t < 3; ++t) {
    readers.emplace_back([&] {
      while (!stop.load()) {
        const int64_t before = cache.Generation();
        const bool open = calendar.IsTradeDay(20260105, "1");
        if (cache.Generation() != before) continue;  // a reload came in between: either answer
        checked.fetch_add(1);
        if (open != (before % 2 == 0) || !calendar.IsTradeDay(20260106, "1")) wrong.fetch_add(1);
      }
    });
  }
  for (int i = 0; i < 300; ++i) {
    cache.Reload();
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  stop = true;
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(wrong.load(), 0);
  EXPECT_GT(checked.load(), 300);
}

}  // namespace
}  // namespace ruzi
