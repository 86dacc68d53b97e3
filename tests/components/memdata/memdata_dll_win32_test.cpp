// memdata.dll under Wine against ruzi-mwd: what the DLL adds to the cache proven natively (its
// exports, the slots of its table objects, the slots they share checked on one table) and a row
// changed on the server seen at the same record address after RefreshMemData. The test keeps a
// middleware context of its own, which the cache's loads must leave alone.
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
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

class MemdataDll : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::ifstream in(RUZI_MEMDATA_FIXTURE_DIR "/port");
    long port = 0;
    in >> port;
    platform::SetEnvironment("WSNADDR", "//127.0.0.1:" + std::to_string(port));
    library_ = new platform::DynamicLibrary(platform::DynamicLibrary::LoadedOrLoad("memdata.dll"));
    ASSERT_TRUE(library_->IsLoaded()) << platform::DynamicLibrary::LastError();
  }
  template <typename Fn>
  static Fn Export(const char* name) {
    if (Fn entry = library_->ExportAs<Fn>(name)) return entry;
    throw std::runtime_error(std::string("export missing: ") + name);
  }
  // The DLL's object of a table (one per table for the process: never freed by a Release).
  template <typename Table>
  static Table* Object(const char* name) {
    Table* table = nullptr;
    Export<TableExportFn<Table>>(name)(&table);
    if (table == nullptr) throw std::runtime_error(std::string("no object from ") + name);
    return table;
  }

  static platform::DynamicLibrary* library_;
};

platform::DynamicLibrary* MemdataDll::library_ = nullptr;

TEST_F(MemdataDll, KeyedExportsAndTableObjectsAnswerEverySlot) {
  IMarketInfo* markets = Object<IMarketInfo>("MarketInfo");
  EXPECT_STREQ(markets->TableName(), "tmarketinfo");
  EXPECT_EQ(markets->Count(), 6);
  EXPECT_EQ(markets->Record(5), markets->Find("I"));
  EXPECT_EQ(static_cast<RMarketInfo*>(markets->Record(99))->market_no[0], '\0');
  EXPECT_GE(markets->Version(), 1);
  EXPECT_STREQ(markets->LastError(), "");
  EXPECT_EQ(markets->IndexOf("U"), 4);
  EXPECT_TRUE(markets->Exists("I"));
  EXPECT_FALSE(markets->Exists("zz"));
  EXPECT_STREQ(markets->KeyAt(5), "I");
  EXPECT_EQ(markets->Find("1"), Export<MarketInfoAFn>("MarketInfoA")("1"));
  EXPECT_NE(Export<MarketInfoAFn>("MarketInfoA")(nullptr), nullptr);
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
  Export<TableExportFn<IMarketInfo>>("MarketInfo")(&again);
  EXPECT_EQ(markets->AddRef(), held);
  for (int i = 0; i < 4; ++i) markets->Release();

  IFundInfo* funds = Object<IFundInfo>("FundInfo");
  EXPECT_EQ(funds->Count(), 3);
  EXPECT_EQ(funds->IndexOf(2), 1);
  EXPECT_TRUE(funds->Exists(7));
  EXPECT_EQ(funds->KeyAt(2), 7);
  EXPECT_EQ(funds->Find(7), Export<FundInfoAFn>("FundInfoA")(7));
  EXPECT_EQ(Export<FundInfoAFn>("FundInfoA")(7)->fund_id, 7);
  EXPECT_EQ(Export<OperatorAFn>("OperatorA")(1002)->operator_no, 1002);
  EXPECT_EQ(Export<OperatorAFn>("OperatorA")(9)->operator_no, 0);
  IMenuRight* rights = Object<IMenuRight>("MenuRight");
  EXPECT_TRUE(rights->HasRight("1002", "EntrustTrade"));
  EXPECT_FALSE(rights->HasRight("1003", "FundManage"));
  EXPECT_FALSE(rights->HasRight(nullptr, "FundManage"));
  ISystemInfo* system = Object<ISystemInfo>("SystemInfo");
  EXPECT_EQ(system->Count(), 1);
  EXPECT_EQ(system->Info(), system->Record(0));
  IMarketTradeDay* days = Object<IMarketTradeDay>("MarketTradeDay");
  EXPECT_EQ(days->Count(), 4 * 5844);
  EXPECT_EQ(days->FirstDate("00"), 20200101);
  EXPECT_FALSE(days->IsDay(20240209, "", 0));  // Spring Festival; "" is "00"
  EXPECT_TRUE(days->IsDay(20240208, "", 0));
}

TEST_F(MemdataDll, ARowChangedOnTheServerIsSeenAtTheSameAddressAfterRefreshMemData) {
  ISysParameter* parameters = Object<ISysParameter>("SysParameter");
  const auto refresh = Export<RefreshMemDataFn>("RefreshMemData");
  RSysParameter* parameter = parameters->Find(62409);
  ASSERT_STREQ(parameter->value, "0");
  const int32_t version = parameters->Version();
  // The test's own connection on the process's context, beside the cache's, an
  // administrator's (it sets a parameter).
  ASSERT_EQ(testing::SignOn(0, "memdata-test", RUZI_MWD_TEST_ADMIN_PASSWORD), 0);
  int32_t mine = 0;
  Client().tpgetctxt(&mine, 0);
  ASSERT_EQ(CallText("svc_sysprmop_rc", "<l_serial_no>62409</l_serial_no><vc_value>1</vc_value>").status, 0);
  EXPECT_EQ(refresh("tsysparameter|62409|"), 0);
  EXPECT_EQ(parameters->Find(62409), parameter);
  EXPECT_STREQ(parameter->value, "1");
  EXPECT_EQ(parameters->Version(), version + 1);
  int32_t after = 0;
  Client().tpgetctxt(&after, 0);
  EXPECT_EQ(after, mine);  // the cache gave the thread its context back
  ASSERT_EQ(CallText("svc_sysprmop_rc", "<l_serial_no>62409</l_serial_no><vc_value>0</vc_value>").status, 0);
  EXPECT_EQ(refresh("TSYSPARAMETER|62409"), 0);
  EXPECT_STREQ(parameter->value, "0");
  EXPECT_EQ(refresh("tasset|5|"), 1);
}

}  // namespace
}  // namespace ruzi
