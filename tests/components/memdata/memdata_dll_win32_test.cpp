// memdata.dll as the library uses it, under Wine against ruzi-mwd: every export, every slot
// of every table object, the trade-day slots on the seeded calendars, and a row changed on
// the server seen at the same record address after RefreshMemData. The test also keeps a
// middleware context of its own, which the cache's loads must leave alone.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "platform/dynamic_library.h"
#include "platform/environment.h"
#include "trading/cache/memtable.h"

namespace ruzi {
namespace {

std::string FixtureAddress() {
  std::ifstream in(RUZI_MEMDATA_FIXTURE_DIR "/port");
  long port = 0;
  in >> port;
  return "//127.0.0.1:" + std::to_string(port);
}

struct Exports {
  MarketInfoAFn MarketInfoA = nullptr;
  FundInfoAFn FundInfoA = nullptr;
  OperatorAFn OperatorA = nullptr;
  TableExportFn<IMarketInfo> MarketInfo = nullptr;
  TableExportFn<IFundInfo> FundInfo = nullptr;
  TableExportFn<IMarketTradeDay> MarketTradeDay = nullptr;
  TableExportFn<ISystemInfo> SystemInfo = nullptr;
  TableExportFn<ISysParameter> SysParameter = nullptr;
  TableExportFn<IMenuRight> MenuRight = nullptr;
  RefreshMemDataFn RefreshMemData = nullptr;
};

// The parts of wtuxws32.dll the test itself calls (changing a row on the server).
struct Client {
  int32_t (*tpinit)(void*) = nullptr;
  char* (*tpalloc)(const char*, const char*, int32_t) = nullptr;
  void (*tpfree)(char*) = nullptr;
  int32_t (*tpcall)(const char*, char*, int32_t, char**, int32_t*, int32_t, int32_t, int32_t) = nullptr;
  int32_t (*tpgetctxt)(int32_t*, int32_t) = nullptr;
};

class MemdataDll : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    platform::SetEnvironment("WSNADDR", FixtureAddress());
    library_ = new platform::DynamicLibrary(platform::DynamicLibrary::LoadedOrLoad("memdata.dll"));
    ASSERT_TRUE(library_->IsLoaded()) << platform::DynamicLibrary::LastError();
    Exports& e = exports_;
    e.MarketInfoA = library_->ExportAs<MarketInfoAFn>("MarketInfoA");
    e.FundInfoA = library_->ExportAs<FundInfoAFn>("FundInfoA");
    e.OperatorA = library_->ExportAs<OperatorAFn>("OperatorA");
    e.MarketInfo = library_->ExportAs<TableExportFn<IMarketInfo>>("MarketInfo");
    e.FundInfo = library_->ExportAs<TableExportFn<IFundInfo>>("FundInfo");
    e.MarketTradeDay = library_->ExportAs<TableExportFn<IMarketTradeDay>>("MarketTradeDay");
    e.SystemInfo = library_->ExportAs<TableExportFn<ISystemInfo>>("SystemInfo");
    e.SysParameter = library_->ExportAs<TableExportFn<ISysParameter>>("SysParameter");
    e.MenuRight = library_->ExportAs<TableExportFn<IMenuRight>>("MenuRight");
    e.RefreshMemData = library_->ExportAs<RefreshMemDataFn>("RefreshMemData");
    platform::DynamicLibrary client = platform::DynamicLibrary::LoadedOrLoad("wtuxws32.dll");
    ASSERT_TRUE(client.IsLoaded());
    client_.tpinit = client.ExportAs<decltype(client_.tpinit)>("tpinit");
    client_.tpalloc = client.ExportAs<decltype(client_.tpalloc)>("tpalloc");
    client_.tpfree = client.ExportAs<decltype(client_.tpfree)>("tpfree");
    client_.tpcall = client.ExportAs<decltype(client_.tpcall)>("tpcall");
    client_.tpgetctxt = client.ExportAs<decltype(client_.tpgetctxt)>("tpgetctxt");
    client.Keep();
  }

  // A service call on the test's own (process) context.
  static std::string Call(const char* service, const std::string& request) {
    char* buffer = client_.tpalloc("STRING", nullptr, static_cast<int32_t>(request.size() + 1));
    std::memcpy(buffer, request.c_str(), request.size() + 1);
    char* reply = nullptr;
    int32_t length = 0;
    int32_t result = client_.tpcall(service, buffer, 0, &reply, &length, 0, 30000, 1);
    std::string text = result == 0 && reply != nullptr ? std::string(reply) : "failed";
    client_.tpfree(buffer);
    if (reply != nullptr) client_.tpfree(reply);
    return text;
  }

  static platform::DynamicLibrary* library_;
  static Exports exports_;
  static Client client_;
};

platform::DynamicLibrary* MemdataDll::library_ = nullptr;
Exports MemdataDll::exports_;
Client MemdataDll::client_;

TEST_F(MemdataDll, EveryExportIsThereByItsName) {
  const Exports& e = exports_;
  EXPECT_TRUE(e.MarketInfoA && e.FundInfoA && e.OperatorA && e.MarketInfo && e.FundInfo && e.MarketTradeDay &&
              e.SystemInfo && e.SysParameter && e.MenuRight && e.RefreshMemData);
}

// The rows' fields are the cache core's, tested natively: here each export answers once.
TEST_F(MemdataDll, KeyedExportsGiveTheRecordOrAZeroRecordNeverNull) {
  RMarketInfo* market = exports_.MarketInfoA("n");
  EXPECT_STREQ(market->market_name, "沪港通");
  EXPECT_EQ(exports_.MarketInfoA("n"), market);
  EXPECT_EQ(exports_.MarketInfoA("zz")->market_no[0], '\0');
  EXPECT_NE(exports_.MarketInfoA(nullptr), nullptr);
  EXPECT_STREQ(exports_.FundInfoA(7)->fund_name, "红利精选组合");
  EXPECT_EQ(exports_.FundInfoA(404)->fund_id, 0);
  EXPECT_STREQ(exports_.OperatorA(1002)->operator_name, "交易员甲");
  EXPECT_EQ(exports_.OperatorA(9)->operator_no, 0);
}

TEST_F(MemdataDll, TableObjectsAnswerEverySlot) {
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

  // Reference counting and interface ids.
  void* object = nullptr;
  EXPECT_EQ(markets->QueryInterface(kIID_IUnknown, &object), 0);
  EXPECT_EQ(object, markets);
  const uint32_t after_query = markets->AddRef();
  EXPECT_EQ(markets->Release(), after_query - 1);
  EXPECT_EQ(markets->QueryInterface(kIID_IMarketInfo, &object), 0);
  EXPECT_EQ(markets->QueryInterface(kIID_IFundInfo, &object), kNoInterface);
  EXPECT_EQ(object, nullptr);
  markets->Release();
  markets->Release();
  // Filling a variable that holds an object releases the old one.
  const uint32_t before = markets->AddRef() - 1;
  markets->Release();
  IMarketInfo* held = markets;
  exports_.MarketInfo(&held);
  EXPECT_EQ(markets->AddRef() - 1, before);
  markets->Release();
  markets->Release();

  IFundInfo* funds = nullptr;
  exports_.FundInfo(&funds);
  EXPECT_STREQ(funds->TableName(), "tfundinfo");
  EXPECT_EQ(funds->Count(), 3);
  EXPECT_EQ(funds->IndexOf(2), 1);
  EXPECT_TRUE(funds->Exists(7));
  EXPECT_EQ(funds->KeyAt(2), 7);
  EXPECT_EQ(funds->Find(1), exports_.FundInfoA(1));
  EXPECT_STREQ(funds->Find(1)->switch_mode, "0");
  funds->Release();

  ISystemInfo* system = nullptr;
  exports_.SystemInfo(&system);
  EXPECT_EQ(system->Count(), 1);
  EXPECT_EQ(system->Info()->init_date, 20260105);
  EXPECT_EQ(system->Info()->time_zone, 8.0);
  EXPECT_EQ(system->Info(), system->Record(0));
  system->Release();

  ISysParameter* parameters = nullptr;
  exports_.SysParameter(&parameters);
  EXPECT_STREQ(parameters->TableName(), "tsysparameter");
  EXPECT_NE(parameters->Find(40704)->found, 0);
  EXPECT_STREQ(parameters->Find(40704)->value, "1");
  EXPECT_STREQ(parameters->Find(61057)->value, "组合");
  EXPECT_EQ(parameters->Find(1)->found, 0);
  parameters->Release();

  IMenuRight* rights = nullptr;
  exports_.MenuRight(&rights);
  EXPECT_TRUE(rights->HasRight("1001", "FundManage"));
  EXPECT_TRUE(rights->HasRight("1002", "EntrustTrade"));
  EXPECT_FALSE(rights->HasRight("1003", "FundManage"));
  EXPECT_FALSE(rights->HasRight(nullptr, "FundManage"));
  rights->Release();
}

// The slots the calendar does not use; the others (rolls, shifts, counts, the last date)
// answer the calendar's questions under Wine against a day-by-day walk (trading/calendar).
// Spring Festival 2024 closes 9 to 15 February; "" is "00".
TEST_F(MemdataDll, TradeDaySlotsTheCalendarLeavesAlone) {
  IMarketTradeDay* days = nullptr;
  exports_.MarketTradeDay(&days);
  ASSERT_NE(days, nullptr);
  EXPECT_STREQ(days->TableName(), "tmarkettradeday");
  EXPECT_EQ(days->Count(), 4 * 5844);
  EXPECT_TRUE(days->IsDay(20241002, "HK", 1));
  EXPECT_FALSE(days->IsDay(20240209, "", 0));
  EXPECT_EQ(days->FirstDate("00"), 20200101);
  int32_t pos = 0;
  int32_t back = 0;
  EXPECT_EQ(days->Shift(20240208, "00", 1, &pos, 0), 20240216);
  EXPECT_EQ(days->Shift(20240216, "00", -1, &back, 0), 20240208);
  EXPECT_EQ(back, pos - 1);
  days->Release();
}

TEST_F(MemdataDll, ARowChangedOnTheServerIsSeenAtTheSameAddressAfterRefreshMemData) {
  ISysParameter* parameters = nullptr;
  exports_.SysParameter(&parameters);
  RSysParameter* parameter = parameters->Find(62409);
  ASSERT_STREQ(parameter->value, "0");
  const int32_t version = parameters->Version();
  // The test's own connection, beside the cache's.
  ASSERT_EQ(client_.tpinit(nullptr), 0);
  int32_t mine = 0;
  client_.tpgetctxt(&mine, 0);
  ASSERT_NE(Call("svc_sysprmop_rc", "<l_serial_no>62409</l_serial_no><vc_value>1</vc_value>"), "failed");
  EXPECT_EQ(exports_.RefreshMemData("tsysparameter|62409|"), 0);
  EXPECT_EQ(parameters->Find(62409), parameter);
  EXPECT_STREQ(parameter->value, "1");
  EXPECT_EQ(parameters->Version(), version + 1);
  int32_t after = 0;
  client_.tpgetctxt(&after, 0);
  EXPECT_EQ(after, mine);  // the cache gave the thread its context back
  ASSERT_NE(Call("svc_sysprmop_rc", "<l_serial_no>62409</l_serial_no><vc_value>0</vc_value>"), "failed");
  EXPECT_EQ(exports_.RefreshMemData("TSYSPARAMETER|62409"), 0);
  EXPECT_STREQ(parameter->value, "0");

  RMarketInfo* market = exports_.MarketInfoA("1");
  EXPECT_EQ(exports_.RefreshMemData("tmarketinfo"), 0);
  EXPECT_EQ(exports_.MarketInfoA("1"), market);
  EXPECT_EQ(exports_.RefreshMemData("tasset|5|"), 1);
  parameters->Release();
}

}  // namespace
}  // namespace ruzi
