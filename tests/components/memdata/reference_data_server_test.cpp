// The server's reference data loaded into the cache through the table services, as
// memdata.dll loads it: realistic calendars, market and fund attributes. (A row changed on the
// server and refreshed is followed end to end through memdata.dll under Wine.)
#include <gtest/gtest.h>

#include "call_answers.h"
#include "mwd_process.h"
#include "packets/tagged_package.h"
#include "trading/cache/day_kind_text.h"
#include "trading/cache/reference_cache.h"
#include "trading/cache/table_rows.h"

namespace ruzi::testing {
namespace {

class ServerSource : public TableSource {
 public:
  explicit ServerSource(mwd::NativeClient& client) : client_(client) {}
  bool Fetch(const CacheTableInfo& table, const std::vector<std::string>& keys, std::string* packet,
             std::string* error) override {
    mw::CallReply reply = ReplyOf(client_.Call(table.service, TableRequestText(keys)));
    return TablePacketOfReply(reply.data, packet, error);
  }

 private:
  mwd::NativeClient& client_;
};

class ServerReferenceData : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int t = 0; t < kCacheTableCount; ++t) {
      cache_.Ensure(static_cast<CacheTable>(t));
      ASSERT_EQ(cache_.LastError(static_cast<CacheTable>(t)), "") << TableInfo(static_cast<CacheTable>(t)).name;
    }
  }
  int32_t Kinds(const char* code, int32_t date) {
    return static_cast<int32_t>(cache_.Book()->Calendar(code)->KindsOf(date));
  }

  mwd::NativeClient client_ = SignedOnClient(FixturePort(), "memdata-test");
  ServerSource source_{client_};
  ReferenceCache cache_{source_};
};

TEST_F(ServerReferenceData, MarketsFundsOperatorsAndSystemAsSeeded) {
  ASSERT_EQ(cache_.markets.Count(), 6);
  RMarketInfo* shanghai = cache_.markets.Find(MarketKey("1"));
  EXPECT_STREQ(shanghai->market_name, "上海证券交易所");
  EXPECT_EQ(shanghai->begin_time1, 93000);
  EXPECT_EQ(shanghai->end_time2, 150000);
  EXPECT_EQ(shanghai->end_time3, 0);
  EXPECT_DOUBLE_EQ(shanghai->time_zone, 8);
  EXPECT_STREQ(cache_.markets.Find(MarketKey("2"))->tradeday_type, "");  // "" stands for "00"
  EXPECT_STREQ(cache_.markets.Find(MarketKey("n"))->tradeday_type, "HK");
  EXPECT_DOUBLE_EQ(cache_.markets.Find(MarketKey("U"))->time_zone, -5);
  EXPECT_DOUBLE_EQ(cache_.markets.Find(MarketKey("I"))->time_zone, 5.5);

  ASSERT_EQ(cache_.funds.Count(), 3);
  RFundInfo* fund = cache_.funds.Find(NumberKey(2));
  EXPECT_STREQ(fund->fund_name, "平衡配置组合");
  EXPECT_STREQ(fund->market_list, "1,2,n,o");
  EXPECT_STREQ(fund->switch_mode, "1");
  EXPECT_EQ(fund->switch_time, 160000);
  EXPECT_EQ(fund->business_date, 20260105);
  EXPECT_STREQ(cache_.funds.Find(NumberKey(1))->switch_mode, "0");

  EXPECT_STREQ(cache_.operators.Find(NumberKey(1002))->code_kind, "1");
  EXPECT_TRUE(cache_.menu_rights.Contains(MenuRightKey("1001", "FundManage")));
  EXPECT_FALSE(cache_.menu_rights.Contains(MenuRightKey("1003", "FundManage")));
  ASSERT_EQ(cache_.system.Count(), 1);
  EXPECT_EQ(cache_.system.At(0)->init_date, 20260105);
  EXPECT_DOUBLE_EQ(cache_.system.At(0)->time_zone, 8);
  EXPECT_STREQ(cache_.parameters.Find(NumberKey(40704))->value, "1");
  EXPECT_STREQ(cache_.parameters.Find(NumberKey(61057))->value, "组合");
}

TEST_F(ServerReferenceData, CalendarsFollowTheirRulesFrom2020To2035) {
  for (const char* code : {"00", "HK", "US", "IN"}) {
    const TradeCalendar* calendar = cache_.Book()->Calendar(code);
    ASSERT_NE(calendar, nullptr) << code;
    EXPECT_EQ(calendar->FirstDate(), 20200101);
    EXPECT_EQ(calendar->LastDate(), 20351231);
    EXPECT_EQ(calendar->Days().size(), 5844u);  // every day of 16 years
  }
  // Spring Festival 2024 (new year 10 February): 9 to 15 February closed, the 16th open.
  EXPECT_EQ(Kinds("00", 20240208), 0b1011);
  for (int32_t date = 20240209; date <= 20240215; ++date) EXPECT_EQ(Kinds("00", date), 0) << date;
  EXPECT_EQ(Kinds("00", 20240216), 0b1011);
  EXPECT_EQ(Kinds("00", 20240204), 0b1000);  // the bank-only Sunday before the week
  EXPECT_EQ(Kinds("00", 20241012), 0b1000);  // the bank-only Saturday after National Day
  // October 2024: 23 weekdays, 5 of them in the National Day week.
  EXPECT_EQ(cache_.Book()->Days({"00"}, KindBit(0))->Count(20241001, 20241031, 3), 18);
  // Hong Kong opens on 2 October while the mainland rests: settlement yes, trade and
  // cross-border settlement no.
  EXPECT_EQ(Kinds("HK", 20241002), 0b01010);
  EXPECT_EQ(Kinds("HK", 20241008), 0b11011);
  EXPECT_EQ(Kinds("HK", 20241225), 0);
  EXPECT_EQ(Kinds("00", 20241225), 0b1011);
  EXPECT_EQ(cache_.Book()->Days({"HK"}, KindBit(1))->Shift(20240930, 1, nullptr), 20241002);
  EXPECT_EQ(cache_.Book()->Days({"HK"}, KindBit(4))->Shift(20240930, 1, nullptr), 20241008);
  EXPECT_EQ(Kinds("US", 20241128), 0);  // Thanksgiving
  EXPECT_EQ(Kinds("US", 20240704), 0);
  EXPECT_EQ(Kinds("IN", 20240815), 0);
  // Both "00" and "HK" must trade: the first after 24 December 2024 is the 27th.
  EXPECT_EQ(cache_.Book()->Days({"00", "HK"}, KindBit(0))->Shift(20241224, 1, nullptr), 20241227);
}

TEST_F(ServerReferenceData, TheServicesAnswerOnlyTheRowsOfTheKeysGiven) {
  mw::CallReply reply = ReplyOf(client_.Call("svc_mem_tradeday", "<vc_key_word>HK|20241002|</vc_key_word>"));
  TqxPackage package(reply.data);
  int32_t count = -1;
  ASSERT_TRUE(package.GetItem("l_count", count));
  EXPECT_EQ(count, 1);
  reply = ReplyOf(client_.Call("svc_mem_tradeday", "<vc_key_word>IN|</vc_key_word>"));
  TqxPackage calendar(reply.data);
  ASSERT_TRUE(calendar.GetItem("l_count", count));
  EXPECT_EQ(count, 5844);
  reply = ReplyOf(client_.Call("svc_mem_fundinfo", "<vc_key_word>99|</vc_key_word>"));
  std::string packet;
  std::string error;
  ASSERT_TRUE(TablePacketOfReply(reply.data, &packet, &error));
  EXPECT_TRUE(ReadFundRows(packet).empty());
}

}  // namespace
}  // namespace ruzi::testing
