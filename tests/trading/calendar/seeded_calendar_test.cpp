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

TEST_F(SeededCalendar, TradeDaysBetweenMatchAWalkInBothForms) {
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
}

// The answers of tests/data/seeded_calendar.txt in order: bad dates and unknown markets among
// them, the trading-period switch and a day closed by a reload at the end.
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
      {"MarketDateTime", [&](auto& a) {
         clock_.Set({2026, 1, 1, 5, 0, 0, 250});
         const double value = calendar_.GetMarketDateTime(a[0]);
         const platform::LocalDateTime t = FromDateTimeValue(value);
         return value == 0 ? std::string("0") : std::to_string(t.year * 10000 + t.month * 100 + t.day) + " " +
             std::to_string(t.hour * 10000 + t.minute * 100 + t.second) + "." + std::to_string(t.millisecond);
       }},
      {"ToBusiness", [&](auto& a) { return std::to_string(calendar_.MarketToBusinessDate(a[0], number(a[1]), number(a[2]))); }},
      {"ToMarket", [&](auto& a) { return std::to_string(calendar_.BusinessToMarketDate(a[0], number(a[1]), number(a[2]))); }},
      {"BusinessDate", [&](auto& a) { return std::to_string(calendar_.GetBusinessDate(number(a[0]))); }},
      {"TradeStatus", [&](auto& a) {
         at(a[2], a[3]);
         return std::to_string(calendar_.GetTradeStatus(number(a[0]), a[1]));
       }},
      {"TradeDay", [&](auto& a) {
         return Num(calendar_.IsTradeDay(number(a[0]), a[1])) + " " + Num(calendar_.IsSettleDay(number(a[0]), a[1]));
       }},
      {"Between", [&](auto& a) { return std::to_string(calendar_.BetweenTradeDates(number(a[0]), number(a[1]), a[2])); }},
      {"BetweenCounting", [&](auto& a) {  // the ends counted: "", "b", "e" or "be"
         const TCountDayTypes ends = a[2] == "be" ? TCountDayTypes{cdtBegin, cdtEnd} : a[2] == "b" ? TCountDayTypes{cdtBegin}
                                     : a[2] == "e" ? TCountDayTypes{cdtEnd} : TCountDayTypes{};
         std::string message;
         return std::to_string(calendar_.BetweenTradeDates(number(a[0]), number(a[1]), message, ends)) + "|" + message;
       }},
      {"LastDate", [&](auto& a) { return std::to_string(calendar_.GetLastTradedate(a[0])); }},
      {"PeriodCheck", [&](auto& a) {  // parameter 40704 ("-": absent): other than "1" switches the check off
         RSysParameter parameter{a[0] != "-", 40704, "", ""};
         std::snprintf(parameter.value, sizeof parameter.value, "%s", a[0].c_str());
         overlay_.SetParameter(parameter);
         return std::string("set");
       }},
      {"CloseDay", [&](auto& a) {
         RTradeDay closed{};
         std::snprintf(closed.tradeday_type, sizeof closed.tradeday_type, "%s", a[0].c_str());
         closed.date = number(a[1]);
         overlay_.SetDay(closed);
         return std::string("closed");
       }},
  });
}

}  // namespace
}  // namespace ruzi::testing
