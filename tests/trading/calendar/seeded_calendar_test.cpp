// The trading calendar on the seeded reference data of the fixture's ruzi-mwd (natively the
// cache core, under Wine memdata.dll loaded from the running server), with the server's clock
// set by hand: every answer against a day-by-day walk, then the cases that catch real faults.
#include <gtest/gtest.h>

#include <random>

#include "day_walk_model.h"
#include "fake_clock.h"
#include "foundation/date_time_value.h"
#include "foundation/int_date.h"
#include "overlay_cache.h"
#include "seeded_cache.h"
#include "trading/calendar/trading_calendar.h"
#include "vector_file.h"

namespace ruzi::testing {
namespace {

using Calendars = std::vector<std::string>;

RMarketInfo MarketRow(const char* code, double zone, const char* calendar) {
  RMarketInfo market{};
  std::snprintf(market.market_no, sizeof market.market_no, "%s", code);
  market.begin_time1 = 93000;
  market.end_time1 = 150000;
  market.time_zone = zone;
  std::snprintf(market.tradeday_type, sizeof market.tradeday_type, "%s", calendar);
  return market;
}

RFundInfo FundRow(int32_t id, const char* markets, const char* mode, int32_t switch_time, int32_t business_date) {
  RFundInfo fund{};
  fund.fund_id = id;
  std::snprintf(fund.market_list, sizeof fund.market_list, "%s", markets);
  std::snprintf(fund.switch_mode, sizeof fund.switch_mode, "%s", mode);
  fund.switch_time = switch_time;
  fund.business_date = business_date;
  return fund;
}

platform::LocalDateTime At(int32_t date, int32_t time) {
  return {date / 10000, date / 100 % 100, date % 100, time / 10000, time / 100 % 100, time % 100, 0};
}

class SeededCalendar : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SeededCache().LastDate("00"), 20351231) << "the seeded calendars are not there";
    overlay_.AddFund(FundRow(99, "1U", "1", 160000, 20260105));  // no separators: matched as text
    overlay_.AddFund(FundRow(50, "X,Y", "1", 160000, 20260105));
    overlay_.AddFund(FundRow(60, "U", "0", 150000, 20260105));
    overlay_.AddFund(FundRow(61, "U", "0", 230000, 20260105));
    overlay_.AddFund(FundRow(62, "n", "1", 160000, 20241002));
    overlay_.AddMarket(MarketRow("X", 7.984375, "00"));
    overlay_.AddMarket(MarketRow("Y", -3.5, "US"));
    overlay_.AddMarket(MarketRow("Z", 9.015625, "00"));
    overlay_.AddMarket(MarketRow("h", 8, "HK"));
  }

  // The calendars of a market, or of the markets a fund lists, written out by hand.
  static Calendars CalendarsOf(const std::string& market, int32_t fund) {
    static const std::map<std::string, std::string> kCalendar = {{"1", "00"}, {"2", "00"}, {"n", "HK"},
                                                                 {"o", "HK"}, {"U", "US"}, {"I", "IN"}};
    if (market != "0") return {kCalendar.at(market)};
    static const std::map<int32_t, Calendars> kFundCalendars = {
        {0, {"00", "HK", "US", "IN"}}, {1, {"00"}}, {2, {"00", "HK"}}, {7, {"US", "IN", "00"}},
        {99, {"00", "US"}},            {424242, {}}};
    return kFundCalendars.at(fund);
  }

  OverlayCache overlay_{SeededCache()};
  FakeClock clock_{At(20260105, 93000)};
  TradingCalendar calendar_{overlay_, clock_};
  DayWalkModel model_{SeededCache().TradeDays()};
};

TEST_F(SeededCalendar, TradeAndSettlementDaysAreTheStoredKindsOfTheMarketsCalendar) {
  for (const char* market : {"1", "2", "n", "o", "U", "I"}) {
    const std::string cal = CalendarsOf(market, 0)[0];
    for (int32_t date = 20191230; date <= 20360102; date = IncIntDate(date, 1)) {
      ASSERT_EQ(calendar_.IsTradeDay(date, market), (model_.Kinds(cal, date) & 1u) != 0) << market << " " << date;
      ASSERT_EQ(calendar_.IsSettleDay(date, market), (model_.Kinds(cal, date) & 2u) != 0) << market << " " << date;
    }
  }
  EXPECT_TRUE(calendar_.IsTradeDay(20260105, "1"));
  EXPECT_FALSE(calendar_.IsTradeDay(20241002, "n"));  // Hong Kong open, the mainland closed
  EXPECT_TRUE(calendar_.IsSettleDay(20241002, "n"));
}

TEST_F(SeededCalendar, GetTradeDateMatchesADayByDayWalkInEveryModeMarketAndFund) {
  std::mt19937 random(2026);
  std::uniform_int_distribution<int32_t> day(-40, 16 * 366 + 40), small(-30, 30), mode(1, 4);
  const std::vector<std::string> markets = {"1", "2", "n", "o", "U", "I", "0"};
  const std::vector<int32_t> funds = {0, 1, 2, 7, 99, 424242};
  int kind_four_chosen = 0;
  for (int i = 0; i < 4000; ++i) {
    const int32_t date = IncIntDate(20200101, day(random));
    const int32_t offsets[] = {small(random), 250, -250, 4000};
    const int32_t picked = offsets[random() % 4];
    const int32_t offset = picked != 0 ? picked : 1;
    const std::string market = markets[random() % markets.size()];
    const int32_t fund = market == "0" ? funds[random() % funds.size()] : 0;
    const int32_t m = mode(random);
    const Calendars cals = CalendarsOf(market, fund);
    const bool connect = market == "n" || market == "o";
    int32_t expected = 0;
    if (m == 1 || m == 4) {
      const int32_t start = IncIntDate(date, offset);
      uint32_t mask = 1u << 1;
      if (m == 4 && connect && model_.Roll(start, cals, offset >= 0, 1u << 1) < model_.Roll(start, cals, offset >= 0, 1u << 4)) {
        mask = 1u << 4;
        ++kind_four_chosen;
      }
      const int32_t rolled = cals.empty() ? -1 : model_.Roll(start, cals, offset >= 0, mask);
      expected = rolled == -1 ? IncIntDate(date, offset) : rolled;
    } else if (m == 2) {
      const int32_t shifted = cals.empty() ? -1 : model_.Shift(date, cals, offset, (1u << 1) | (1u << 3));
      expected = shifted == -1 ? date : shifted;
    } else {
      uint32_t mask = 1u << 1;
      if (connect && model_.Shift(date, cals, offset, 1u << 1) < model_.Shift(date, cals, offset, 1u << 4)) {
        mask = 1u << 4;
        ++kind_four_chosen;
      }
      const int32_t shifted = cals.empty() ? -1 : model_.Shift(date, cals, offset, mask);
      expected = shifted == -1 ? date : shifted;
    }
    ASSERT_EQ(calendar_.GetTradeDate(date, offset, market, m, fund), expected)
        << date << " " << offset << " market " << market << " mode " << m << " fund " << fund;
  }
  EXPECT_GT(kind_four_chosen, 10);  // the walk did meet days where the two kinds differ
}

TEST_F(SeededCalendar, TradeDaysBetweenMatchAWalkAndTheSetFormSaysWhenTheCalendarRunsOut) {
  std::mt19937 random(15);
  std::uniform_int_distribution<int32_t> day(0, 5400), span(-400, 400);  // the later date within the days
  for (int i = 0; i < 600; ++i) {
    const int32_t from = IncIntDate(20200101, day(random));
    const int32_t to = IncIntDate(from, span(random));
    const char* market = i % 3 == 0 ? "U" : i % 3 == 1 ? "n" : "2";
    ASSERT_EQ(calendar_.BetweenTradeDates(from, to, market), model_.Count(from, to, CalendarsOf(market, 0), 1u, 1))
        << from << " " << to << " " << market;
    std::string message;
    const TCountDayTypes sets[] = {{}, {cdtBegin}, {cdtEnd}, {cdtBegin, cdtEnd}};
    const int32_t flags = 4 + i % 4;
    ASSERT_EQ(calendar_.BetweenTradeDates(from, to, message, sets[i % 4]), model_.Count(from, to, {"00"}, 1u, flags));
    ASSERT_EQ(message, "");
  }
  std::string message;
  EXPECT_EQ(calendar_.BetweenTradeDates(20360102, 20351230, message, {cdtBegin}), -1);
  EXPECT_EQ(message, kTradeDaysRunOutMessage);
  message.clear();
  EXPECT_EQ(calendar_.BetweenTradeDates(20351231, 20351229, message, {cdtBegin, cdtEnd}),
            model_.Count(20351229, 20351231, {"00"}, 1u, 7));
  EXPECT_EQ(message, "");
  EXPECT_EQ(calendar_.GetLastTradedate("U"), 20351231);
  EXPECT_EQ(calendar_.GetLastTradedate("2"), 20351231);  // "" is calendar "00"
}

TEST_F(SeededCalendar, KnownAnswers) {
  auto number = [](const std::string& text) { return static_cast<int32_t>(std::stol(text)); };
  auto at = [&](const std::string& date, const std::string& time) { clock_.Set(At(number(date), number(time))); };
  CheckAnswers("seeded_calendar.txt", {
      {"GetTradeDate", [&](auto& a) {
         return std::to_string(calendar_.GetTradeDate(number(a[0]), number(a[1]), a[2], number(a[3]), number(a[4])));
       }},
      {"MarketAt", [&](auto& a) {
         at(a[1], a[2]);
         return std::to_string(calendar_.GetMarketDate(a[0])) + " " + std::to_string(calendar_.GetMarketTime(a[0]));
       }},
      {"ToBusiness", [&](auto& a) { return std::to_string(calendar_.MarketToBusinessDate(a[0], number(a[1]), number(a[2]))); }},
      {"ToMarket", [&](auto& a) { return std::to_string(calendar_.BusinessToMarketDate(a[0], number(a[1]), number(a[2]))); }},
      {"BusinessDate", [&](auto& a) { return std::to_string(calendar_.GetBusinessDate(number(a[0]))); }},
      {"TradeStatus", [&](auto& a) {
         at(a[2], a[3]);
         return std::to_string(calendar_.GetTradeStatus(number(a[0]), a[1]));
       }},
  });
  for (int32_t mode : {0, 1, 2, 3, 4, 5, -1}) {
    EXPECT_EQ(calendar_.GetTradeDate(20241005, 0, "n", mode, 0), 20241005);
    EXPECT_EQ(calendar_.GetTradeDate(20241301, 0, "zz", mode, 0), 20241301);
  }
  clock_.Set({2026, 1, 1, 5, 0, 0, 250});
  EXPECT_DOUBLE_EQ(calendar_.GetMarketDateTime("U"), ToDateTimeValue({2025, 12, 31, 16, 0, 0, 250}));
  // Parameter 40704 other than "1" switches the trading-period check off; "1" keeps it.
  clock_.Set(At(20260105, 200000));
  EXPECT_EQ(calendar_.GetTradeStatus(1, "1"), 3);
  overlay_.SetParameter({1, 40704, "", "0"});
  EXPECT_EQ(calendar_.GetTradeStatus(1, "1"), 1);
  EXPECT_EQ(calendar_.GetTradeStatus(424242, "zz"), 1);
  overlay_.SetParameter({0, 40704, "", ""});  // absent: checked
  EXPECT_EQ(calendar_.GetTradeStatus(1, "1"), 3);
}

TEST_F(SeededCalendar, BadInputGetsTheDocumentedValues) {
  for (int32_t bad : {20241301, 20240230, 0, -1, 99999999, 20240100}) {
    EXPECT_FALSE(calendar_.IsTradeDay(bad, "1"));
    for (int32_t mode = 1; mode <= 4; ++mode) {
      EXPECT_EQ(calendar_.GetTradeDate(bad, 1, "1", mode, 0), mode == 2 || mode == 3 ? bad : -1);
    }
    EXPECT_EQ(calendar_.BetweenTradeDates(bad, 20260105, "1"), -1);
    std::string message;
    EXPECT_EQ(calendar_.BetweenTradeDates(20260105, bad, message, {cdtBegin}), -1);
    EXPECT_EQ(calendar_.MarketToBusinessDate("1", bad, 1), -1);
    EXPECT_EQ(calendar_.BusinessToMarketDate("1", bad, 1), -1);
  }
  for (const char* unknown : {"zz", "", "0", "11"}) {
    EXPECT_FALSE(calendar_.IsTradeDay(20260105, unknown));
    EXPECT_FALSE(calendar_.IsSettleDay(20260105, unknown));
    EXPECT_EQ(calendar_.BetweenTradeDates(20260105, 20260110, unknown), -1);
    EXPECT_EQ(calendar_.GetLastTradedate(unknown), -1);
    EXPECT_EQ(calendar_.GetMarketDate(unknown), -1);
    EXPECT_EQ(calendar_.GetMarketTime(unknown), -1);
    EXPECT_EQ(calendar_.GetMarketDateTime(unknown), 0);
    EXPECT_EQ(calendar_.MarketToBusinessDate(unknown, 20260105, 1), -1);
    EXPECT_EQ(calendar_.GetTradeStatus(1, unknown), -1);
  }
}

TEST_F(SeededCalendar, AReloadedDayIsSeenAtOnce) {
  ASSERT_TRUE(calendar_.IsTradeDay(20260105, "1"));
  RTradeDay closed{};
  std::snprintf(closed.tradeday_type, sizeof closed.tradeday_type, "00");
  closed.date = 20260105;
  overlay_.SetDay(closed);
  EXPECT_FALSE(calendar_.IsTradeDay(20260105, "1"));
  EXPECT_TRUE(calendar_.IsTradeDay(20260105, "U"));
}

}  // namespace
}  // namespace ruzi::testing
