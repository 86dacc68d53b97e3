// Operation logs end to end: ruzirareva, wtuxws32.dll, memdata.dll and ruzi-mwd under Wine.
// This executable plays the host: it exports GetActiveMenuNo and keeps a WriteOperateLog of its own.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <regex>
#include <thread>

#include "foundation/operation_remarks_split.h"
#include "client_calls.h"
#include "client_entries.h"
#include "library/unit_registry.h"
#include "mwd_server.h"
#include "packets/tagged_package.h"
#include "packets/unpack.h"
#include "platform/environment.h"
#include "service/call_service.h"
#include "service/computer_info.h"
#include "service/operation_log.h"
#include "service/qx_comm.h"
#include "service/tuxedo_connection.h"

extern "C" __declspec(dllexport) const char* GetActiveMenuNo() { return "M0101"; }

// The host's own log: the texts as it received them, and the result the library passes back.
static std::string host_log_texts;
extern "C" __declspec(dllexport) int32_t WriteOperateLog(const char* first, const char* second, const char* third) {
  host_log_texts = std::string(first) + "|" + second + "|" + third;
  return static_cast<int32_t>(host_log_texts.size());
}

namespace ruzi {
namespace {

using Row = std::map<std::string, std::string>;

// Every stored record whose content is `content`, oldest first. Reading them back is an
// administrator's: on a context of its own, on a thread of its own.
std::vector<Row> RecordsWithContent(const std::string& content) {
  std::vector<Row> found;
  std::thread reader([&] {
    ASSERT_EQ(testing::SignOn(32, "oplog-reader", RUZI_MWD_TEST_ADMIN_PASSWORD), 0);
    std::string after = "0";
    for (std::string more = "1"; more == "1";) {
      const testing::TextCall call = testing::CallText(
          "mw_syslog", "<l_after_id>" + after + "</l_after_id><l_limit>1000</l_limit>", 30000, 1, 8 << 20);
      EXPECT_EQ(call.status, 0) << call.error_text;
      TqxPackage package(call.reply);
      std::string packet;
      more = "0";
      if (!package.GetItem("vc_syslog", packet)) break;
      package.GetItem("l_more", more);
      package.GetItem("l_last_id", after);
      TUnpack unpack(true);
      unpack.Open(packet.data(), static_cast<int32_t>(packet.size()));
      TUnpackSection& rows = unpack.GetSection(0);
      for (rows.First(); !rows.Eof() && rows.RowCount() > 0; rows.Next()) {
        if (rows.FieldByName("vc_opcontent").GetAsString() != content) continue;
        Row row;
        for (int32_t i = 0; i < rows.ColCount(); ++i) row[rows.GetFieldName(i)] = rows.GetField(i).GetAsString();
        found.push_back(std::move(row));
      }
    }
    testing::Client().tpterm();
  });
  reader.join();
  return found;
}

std::string Marker(const char* name) {
  return name + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
}

class OperationLogWine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Set by the sign-on's caller before the cache reads the system record.
    platform::SetEnvironment("l_operator_no", "77");
    ASSERT_TRUE(UnitRegistry::Instance().StartAll()) << UnitRegistry::Instance().LastStartError();
  }
  void SetUp() override { testing::UseFixtureServer(); }
};

TEST_F(OperationLogWine, FiveThousandBytesOfChineseArriveAsTheirPieces) {
  std::string remarks;
  while (remarks.size() < 5000) remarks += "操作说明";
  const std::string content = Marker("long-");
  platform::SetEnvironment("QXRCARIPPORT", "10.0.0.9:8001");
  WriteOperateLog(OPLOG_QUERY, content, remarks, '1', 0, 0);
  platform::UnsetEnvironment("QXRCARIPPORT");

  const std::vector<std::string> pieces = SplitOperationRemarks(remarks);
  ASSERT_EQ(pieces.size(), 3u);
  const std::vector<Row> rows = RecordsWithContent(content);
  ASSERT_EQ(rows.size(), pieces.size());
  const RComputerInfo& computer = GetComputerInfo();
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    EXPECT_EQ(row.at("vc_remarks"), pieces[i]) << "piece " << i;
    EXPECT_EQ(row.at("l_time"), rows[0].at("l_time")) << "one clock reading for every piece";
    EXPECT_EQ(row.at("l_operator_no"), "77");
    EXPECT_EQ(row.at("l_check_operator"), "");
    EXPECT_EQ(row.at("vc_opclass"), "查询");
    EXPECT_EQ(row.at("vc_menu_code"), "M0101") << "the host's active menu";
    EXPECT_EQ(row.at("vc_sysname"), "ZazaveVeruva");
    EXPECT_EQ(row.at("c_client_type"), "1");
    EXPECT_EQ(row.at("vc_ar_ipport"), "10.0.0.9:8001");
    EXPECT_EQ(row.at("vc_computer_name"), computer.computer_name);
    EXPECT_EQ(row.at("vc_mac"), computer.mac);
    EXPECT_EQ(row.at("vc_ipaddress"), computer.ip_address);
    EXPECT_EQ(row.at("vc_volserial_no"), computer.volume_serial);
  }
  EXPECT_TRUE(std::regex_match(rows[0].at("l_time"), std::regex(R"(([01]\d|2[0-3])[0-5]\d[0-5]\d)")))
      << rows[0].at("l_time");
}

TEST_F(OperationLogWine, OperatorAndCheckOperator) {
  const std::string content = Marker("operators-");
  WriteOperateLogEx(OPLOG_LOGIN, content, "a", '1', "M9", 5, 0);
  WriteOperateLogEx(OPLOG_LOGIN, content, "b", '1', "M9", 5, 6);
  WriteOperateLogEx(OPLOG_LOGIN, content, "c", '1', "M9", 0, 6);
  WriteOperateLogEx(OPLOG_LOGIN, content, kRemarksContinuation.data(), '1', "M9", 0, 0);
  const std::vector<Row> rows = RecordsWithContent(content);
  ASSERT_EQ(rows.size(), 3u) << "remarks that are just the marker send nothing";
  const std::pair<const char*, const char*> expected[] = {{"5", "77"}, {"5", "6"}, {"77", ""}};
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].at("l_operator_no"), expected[i].first) << i;
    EXPECT_EQ(rows[i].at("l_check_operator"), expected[i].second) << i;
    EXPECT_EQ(rows[i].at("vc_menu_code"), "M9");
  }
  EXPECT_EQ(qxGetOperatorNo(), "77");
}

TEST(HostOperateLogWine, TheThreeTextsReachTheHostAndItsResultComesBack) {
  const std::string chinese = "菜单操作";
  EXPECT_EQ(WriteOperateLog(chinese, "", "a b"), static_cast<int32_t>(chinese.size() + 5));
  EXPECT_EQ(host_log_texts, chinese + "||a b");
}

TEST(ComputerInfoWine, TheMachineAsWindowsShowsIt) {
  const RComputerInfo& info = GetComputerInfo();
  EXPECT_FALSE(info.computer_name.empty());
  EXPECT_TRUE(std::regex_match(info.volume_serial, std::regex("[0-9A-F]{4}-[0-9A-F]{4}"))) << info.volume_serial;
  if (!info.mac.empty()) {
    EXPECT_TRUE(std::regex_match(info.mac, std::regex("([0-9A-F]{2}-){5}[0-9A-F]{2}"))) << info.mac;
  }
  if (!info.ip_address.empty()) {
    EXPECT_TRUE(std::regex_match(info.ip_address, std::regex(R"(\d+\.\d+\.\d+\.\d+)"))) << info.ip_address;
    EXPECT_NE(info.ip_address, "127.0.0.1");
  }
  EXPECT_EQ(&GetComputerInfo(), &info) << "read once";
}

}  // namespace
}  // namespace ruzi
