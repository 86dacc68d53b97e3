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

TEST(ServerReferenceData, EveryTableHoldsTheSeededRowsAndTheServicesAnswerOnlyTheKeysGiven) {
  // An administrator, as memdata.dll's test signs on to set a parameter.
  mwd::NativeClient client = SignedOnClient(FixturePort(), "memdata-test", TestAdministratorPassword());
  ServerSource source{client};
  ReferenceCache cache{source};
  for (int t = 0; t < kCacheTableCount; ++t) {
    cache.Ensure(static_cast<CacheTable>(t));
    ASSERT_EQ(cache.LastError(static_cast<CacheTable>(t)), "") << TableInfo(static_cast<CacheTable>(t)).name;
  }
  CheckSeededReferenceData({
      [&](const std::string& code) { return cache.markets.Find(MarketKey(code)); },
      [&](int32_t id) { return cache.funds.Find(NumberKey(id)); },
      [&](int32_t number) { return cache.operators.Find(NumberKey(number)); },
      [&](int32_t serial) { return cache.parameters.Find(NumberKey(serial)); },
      [&] { return cache.system.At(0); },
      [&](const std::string& person, const std::string& menu) {
        return cache.menu_rights.Contains(MenuRightKey(person, menu));
      },
      [&](const std::string& code, int32_t date) { return cache.Book()->Calendar(code)->KindsOf(date); },
  });
  EXPECT_EQ(cache.markets.Count(), 6);
  EXPECT_EQ(cache.funds.Count(), 3);
  EXPECT_EQ(cache.system.Count(), 1);
  // The calendars these rows make are the seeded calendar tests' (trading/calendar).

  mw::CallReply reply = ReplyOf(client.Call("svc_mem_tradeday", "<vc_key_word>HK|20241002|</vc_key_word>"));
  int32_t count = -1;
  ASSERT_TRUE(TqxPackage(reply.data).GetItem("l_count", count));
  EXPECT_EQ(count, 1);
  reply = ReplyOf(client.Call("svc_mem_tradeday", "<vc_key_word>IN|</vc_key_word>"));
  ASSERT_TRUE(TqxPackage(reply.data).GetItem("l_count", count));
  EXPECT_EQ(count, 5844);
  reply = ReplyOf(client.Call("svc_mem_fundinfo", "<vc_key_word>99|</vc_key_word>"));
  std::string packet;
  std::string error;
  ASSERT_TRUE(TablePacketOfReply(reply.data, &packet, &error));
  EXPECT_TRUE(ReadFundRows(packet).empty());
}

}  // namespace
}  // namespace ruzi::testing
