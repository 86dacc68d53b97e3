// The server's reference data loaded into the cache through the table services, as
// memdata.dll loads it: market and fund attributes, the known answers memdata.dll gives under
// Wine too. A row changed on the server and refreshed is followed through memdata.dll there.
#include <gtest/gtest.h>

#include "call_answers.h"
#include "comp_reference_records.h"
#include "mwd_process.h"
#include "packets/tagged_package.h"
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

  // An administrator: one test sets a parameter.
  mwd::NativeClient client_ = SignedOnClient(FixturePort(), "memdata-test", TestAdministratorPassword());
  ServerSource source_{client_};
  ReferenceCache cache_{source_};
};

TEST_F(ServerReferenceData, EveryTableAndCalendarHoldsTheSeededRows) {
  CheckSeededReferenceData({
      [&](const std::string& code) { return cache_.markets.Find(MarketKey(code)); },
      [&](int32_t id) { return cache_.funds.Find(NumberKey(id)); },
      [&](int32_t number) { return cache_.operators.Find(NumberKey(number)); },
      [&](int32_t serial) { return cache_.parameters.Find(NumberKey(serial)); },
      [&] { return cache_.system.At(0); },
      [&](const std::string& person, const std::string& menu) {
        return cache_.menu_rights.Contains(MenuRightKey(person, menu));
      },
      [&](const std::string& code, int32_t date) { return cache_.Book()->Calendar(code)->KindsOf(date); },
  });
  EXPECT_EQ(cache_.markets.Count(), 6);
  EXPECT_EQ(cache_.funds.Count(), 3);
  EXPECT_EQ(cache_.system.Count(), 1);
  // The calendars these rows make are the seeded calendar tests' (trading/calendar).
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
