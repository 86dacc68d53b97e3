// The process's calendar as a module gets it under Wine: memdata.dll loaded from the running
// server for the reference data, and the server's clock service (fixed by the fixture at
// Monday 5 January 2026, 09:30:00) for the time.
#include <gtest/gtest.h>

#include "library/unit_registry.h"
#include "seeded_cache.h"
#include "trading/calendar/server_clock.h"
#include "trading/calendar/vwpublic.h"

namespace ruzi::testing {
namespace {

TEST(ProcessCalendar, AnswersFromMemdataAndTheServersClock) {
  SeededCache();  // points WSNADDR at the fixture's server
  ASSERT_TRUE(UnitRegistry::Instance().StartAll()) << UnitRegistry::Instance().LastStartError();
  ServerClock clock;
  const platform::LocalDateTime now = clock.Now();
  EXPECT_EQ(now.year * 10000 + now.month * 100 + now.day, 20260105);
  EXPECT_EQ(now.hour * 10000 + now.minute * 100 + now.second, 93000);

  EXPECT_TRUE(IsTradeDay(20260105, "1"));
  EXPECT_EQ(GetTradeDate(20240930, 1, "n", 3, 0), 20241008);
  EXPECT_EQ(GetMarketDate("U"), 20260104);
  EXPECT_EQ(GetMarketTime("U"), 203000);
  EXPECT_EQ(GetMarketTime("I"), 70000);
  EXPECT_EQ(GetTradeStatus(1, "1"), kTradeStatusTrading);
  EXPECT_EQ(GetTradeStatus(7, "U"), kTradeStatusNotYet);  // New York's Monday has not begun
  EXPECT_EQ(GetBusinessDate(7), 20260105);
  UnitRegistry::Instance().ShutdownAll();
}

}  // namespace
}  // namespace ruzi::testing
