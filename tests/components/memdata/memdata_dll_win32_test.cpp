// memdata.dll as the library uses it, under Wine against ruzi-mwd: every export, every slot
// of every table object, and a row changed on the
// server seen at the same record address after RefreshMemData. The test also keeps a
// middleware context of its own, which the cache's loads must leave alone.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "client_calls.h"
#include "client_entries.h"
#include "platform/dynamic_library.h"
#include "platform/environment.h"
#include "trading/cache/memtable.h"

namespace ruzi {
namespace {

using testing::CallText;
using testing::Client;

std::string FixtureAddress() {
  std::ifstream in(RUZI_MEMDATA_FIXTURE_DIR "/port");
  long port = 0;
  in >> port;
  return "//127.0.0.1:" + std::to_string(port);
}

#define RUZI_MEMDATA_EXPORTS(X)                                                                                     \
  X(MarketInfoA, MarketInfoAFn) X(FundInfoA, FundInfoAFn) X(OperatorA, OperatorAFn)                                  \
  X(MarketInfo, TableExportFn<IMarketInfo>) X(FundInfo, TableExportFn<IFundInfo>)                                    \
  X(MarketTradeDay, TableExportFn<IMarketTradeDay>) X(SystemInfo, TableExportFn<ISystemInfo>)                        \
  X(SysParameter, TableExportFn<ISysParameter>) X(MenuRight, TableExportFn<IMenuRight>)                              \
  X(RefreshMemData, RefreshMemDataFn)

struct Exports {
#define RUZI_MEMDATA_EXPORT(name, type) type name = nullptr;
  RUZI_MEMDATA_EXPORTS(RUZI_MEMDATA_EXPORT)
#undef RUZI_MEMDATA_EXPORT
};

// A table object of the DLL, released at the end of its scope.
template <typename Table>
struct Held {
  explicit Held(TableExportFn<Table> fill) { fill(&table); }
  ~Held() { table->Release(); }
  Table* operator->() const { return table; }
  Table* table = nullptr;
};

class MemdataDll : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    platform::SetEnvironment("WSNADDR", FixtureAddress());
    library_ = new platform::DynamicLibrary(platform::DynamicLibrary::LoadedOrLoad("memdata.dll"));
    ASSERT_TRUE(library_->IsLoaded()) << platform::DynamicLibrary::LastError();
#define RUZI_MEMDATA_BIND(name, type) \
  exports_.name = library_->ExportAs<type>(#name); \
  ASSERT_NE(exports_.name, nullptr) << #name;
    RUZI_MEMDATA_EXPORTS(RUZI_MEMDATA_BIND)
#undef RUZI_MEMDATA_BIND
  }

  static platform::DynamicLibrary* library_;
  static Exports exports_;
};

platform::DynamicLibrary* MemdataDll::library_ = nullptr;
Exports MemdataDll::exports_;

// Every slot of the table objects and every keyed export: the rows themselves are the cache's,
// proven natively against the same server.
TEST_F(MemdataDll, KeyedExportsAndTableObjectsAnswerEverySlot) {
  IMarketInfo* markets = nullptr;
  exports_.MarketInfo(&markets);
  ASSERT_NE(markets, nullptr);
  EXPECT_STREQ(markets->TableName(), "tmarketinfo");
  EXPECT_EQ(markets->RecordSize(), static_cast<int32_t>(sizeof(RMarketInfo)));
  EXPECT_EQ(markets->Count(), 6);
  EXPECT_STREQ(static_cast<RMarketInfo*>(markets->Record(0))->market_no, "1");
  EXPECT_EQ(static_cast<RMarketInfo*>(markets->Record(99))->market_no[0], '\0');
  EXPECT_GE(markets->Version(), 1);
  EXPECT_STREQ(markets->LastError(), "");
  EXPECT_EQ(markets->IndexOf("U"), 4);
  EXPECT_EQ(markets->IndexOf("zz"), -1);
  EXPECT_TRUE(markets->Exists("I"));
  EXPECT_FALSE(markets->Exists("zz"));
  EXPECT_STREQ(markets->KeyAt(5), "I");
  EXPECT_EQ(markets->Find("1"), exports_.MarketInfoA("1"));
  // Interface ids, and a count that moves by one each way; filling a variable that holds an
  // object releases the old one.
  void* object = nullptr;
  EXPECT_EQ(markets->QueryInterface(kIID_IUnknown, &object), 0);
  EXPECT_EQ(object, markets);
  EXPECT_EQ(markets->QueryInterface(kIID_IMarketInfo, &object), 0);
  EXPECT_EQ(markets->QueryInterface(kIID_IFundInfo, &object), kNoInterface);
  EXPECT_EQ(object, nullptr);
  const uint32_t held = markets->AddRef();
  EXPECT_EQ(markets->Release(), held - 1);
  IMarketInfo* again = markets;
  exports_.MarketInfo(&again);
  EXPECT_EQ(markets->AddRef(), held);
  for (int i = 0; i < 4; ++i) markets->Release();

  Held<IFundInfo> funds(exports_.FundInfo);
  EXPECT_STREQ(funds->TableName(), "tfundinfo");
  EXPECT_EQ(funds->Count(), 3);
  EXPECT_EQ(funds->IndexOf(2), 1);
  EXPECT_TRUE(funds->Exists(7));
  EXPECT_EQ(funds->KeyAt(2), 7);
  EXPECT_EQ(funds->Find(1), exports_.FundInfoA(1));
  EXPECT_EQ(exports_.FundInfoA(7)->fund_id, 7);
  EXPECT_EQ(exports_.FundInfoA(404)->fund_id, 0);
  EXPECT_EQ(exports_.OperatorA(1002)->operator_no, 1002);
  EXPECT_EQ(exports_.OperatorA(9)->operator_no, 0);
  EXPECT_NE(exports_.MarketInfoA(nullptr), nullptr);
  Held<IMenuRight> rights(exports_.MenuRight);
  EXPECT_TRUE(rights->HasRight("1002", "EntrustTrade"));
  EXPECT_FALSE(rights->HasRight("1003", "FundManage"));
  EXPECT_FALSE(rights->HasRight(nullptr, "FundManage"));
  Held<ISystemInfo> system(exports_.SystemInfo);
  EXPECT_EQ(system->Count(), 1);
  EXPECT_EQ(system->Info(), system->Record(0));
  Held<ISysParameter> parameters(exports_.SysParameter);
  EXPECT_STREQ(parameters->TableName(), "tsysparameter");
  Held<IMarketTradeDay> days(exports_.MarketTradeDay);
  EXPECT_STREQ(days->TableName(), "tmarkettradeday");
  EXPECT_EQ(days->Count(), 4 * 5844);
  EXPECT_EQ(days->FirstDate("00"), 20200101);
  EXPECT_FALSE(days->IsDay(20240209, "", 0));  // Spring Festival; "" is "00"
  EXPECT_TRUE(days->IsDay(20240208, "", 0));
}

TEST_F(MemdataDll, ARowChangedOnTheServerIsSeenAtTheSameAddressAfterRefreshMemData) {
  Held<ISysParameter> parameters(exports_.SysParameter);
  RSysParameter* parameter = parameters->Find(62409);
  ASSERT_STREQ(parameter->value, "0");
  const int32_t version = parameters->Version();
  // The test's own connection on the process's context, beside the cache's, an
  // administrator's (it sets a parameter).
  ASSERT_EQ(testing::SignOn(0, "memdata-test", RUZI_MWD_TEST_ADMIN_PASSWORD), 0);
  int32_t mine = 0;
  Client().tpgetctxt(&mine, 0);
  ASSERT_EQ(CallText("svc_sysprmop_rc", "<l_serial_no>62409</l_serial_no><vc_value>1</vc_value>").status, 0);
  EXPECT_EQ(exports_.RefreshMemData("tsysparameter|62409|"), 0);
  EXPECT_EQ(parameters->Find(62409), parameter);
  EXPECT_STREQ(parameter->value, "1");
  EXPECT_EQ(parameters->Version(), version + 1);
  int32_t after = 0;
  Client().tpgetctxt(&after, 0);
  EXPECT_EQ(after, mine);  // the cache gave the thread its context back
  ASSERT_EQ(CallText("svc_sysprmop_rc", "<l_serial_no>62409</l_serial_no><vc_value>0</vc_value>").status, 0);
  EXPECT_EQ(exports_.RefreshMemData("TSYSPARAMETER|62409"), 0);
  EXPECT_STREQ(parameter->value, "0");

  EXPECT_EQ(exports_.RefreshMemData("tasset|5|"), 1);
}

}  // namespace
}  // namespace ruzi
