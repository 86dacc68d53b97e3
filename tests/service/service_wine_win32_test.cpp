// The library's services across the DLL boundary against the real components under Wine:
// our wtuxws32.dll, ztsdk.dll and its GM copies, memdata.dll, pubfunmodel.dll and ruzi-mwd (the
// fixture's server and private ones). The logic behind each verdict is proven natively; here
// the server's replies, sessions, stored queries and audit trail show what crossing adds.
// This executable plays the host: it exports GetActiveMenuNo and keeps a WriteOperateLog.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <regex>
#include <set>
#include <thread>

#include "client_calls.h"
#include "client_entries.h"
#include "error_text.h"
#include "foundation/error.h"
#include "foundation/operation_remarks_split.h"
#include "frame_channel.h"
#include "library/unit_registry.h"
#include "mwd_server.h"
#include "packets/tagged_package.h"
#include "packets/unpack.h"
#include "platform/environment.h"
#include "pubfun_log_file.h"
#include "query/qx_data_set.h"
#include "service/call_service.h"
#include "service/call_service_id_packet.h"
#include "service/computer_info.h"
#include "service/operation_log.h"
#include "service/qx_comm.h"
#include "service/qx_query_call.h"
#include "service/sdk_packer_calls.h"
#include "service/server_speed.h"
#include "service/tuxedo_connection.h"
#include "service/tuxedo_entries.h"
#include "service/zt_sdk.h"
#include "svc_threads.h"
#include "vector_file.h"

extern "C" __declspec(dllexport) const char* GetActiveMenuNo() { return "M0101"; }

// The host's own log: the texts as it received them, and the result the library passes back.
static std::string host_log_texts;
extern "C" __declspec(dllexport) int32_t WriteOperateLog(const char* first, const char* second, const char* third) {
  host_log_texts = std::string(first) + "|" + second + "|" + third;
  return static_cast<int32_t>(host_log_texts.size());
}

namespace ruzi {
namespace {

using testing::AuditWith;
using testing::PrivateServer;
using Row = std::map<std::string, std::string>;

// The operator is set by the sign-on's caller before the cache reads the system record.
class StartedUnits : public ::testing::Environment {
  void SetUp() override {
    ASSERT_NE(&CallForQuery, nullptr);  // named, so that the unit setting the datasets' call is linked in
    platform::SetEnvironment("l_operator_no", "77");
    ASSERT_TRUE(UnitRegistry::Instance().StartAll()) << UnitRegistry::Instance().LastStartError();
  }
};
const auto* const kStartedUnits = ::testing::AddGlobalTestEnvironment(new StartedUnits);

class ServiceCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::UseFixtureServer();
    for (const char* name : {"l_org_id", "l_dept_id", "TUXEDO_CONNECTION_TYPE", "61057value", "QxClientRunType"}) platform::UnsetEnvironment(name);
    gQxClientRunType = -99;
    gParameter61057Value.clear();
    gHaveGetParameter61057 = false;
  }
  void TearDown() override { tpterm(); }

  // Open a connection of this thread's own to read the audit (per-call mode ends each one).
  static std::vector<testing::AuditEntry> Audit(const std::string& marker) {
    std::string message;
    EXPECT_EQ(TuxedoInit(message), 0) << message;
    auto entries = AuditWith(marker);
    tpterm();
    return entries;
  }
};

// Sessions the server holds, through a probe of our own, asked until they come to `expected`
// or 3 s pass: a sign-off is not waited for, so the server may still be ending a session.
uint32_t SessionCount(uint16_t port, uint32_t expected) {
  uint32_t count = 9999;
  for (int attempt = 0; attempt < 60 && count != expected; ++attempt) {
    if (attempt > 0) Sleep(50);
    mw::FrameChannel channel;
    if (!channel.Open("127.0.0.1", port, 5000) || !channel.Send(mw::ProbeRequest{}, 1, 5000)) continue;
    if (auto answer = channel.Receive(5000)) count = std::get<mw::ProbeReply>(answer->message).session_count;
  }
  return count;
}

// The expected text with each "..." standing for any text.
bool Matches(const std::string& got, const std::string& expected) {
  size_t at = 0, from = 0;  // the first piece must lead, each next one follow, the last end the text
  for (size_t dots; (dots = expected.find("...", from)) != std::string::npos; from = dots + 3) {
    const std::string piece = expected.substr(from, dots - from);
    if (from == 0 ? !got.starts_with(piece) : (at = got.find(piece, at)) == std::string::npos) return false;
    at += piece.size();
  }
  return from == 0 ? got == expected : got.size() >= at + expected.size() - from && got.ends_with(expected.substr(from));
}

// Calls in the order of svc_wine_calls.txt, with the display word, the wrapping, the run type
// and the server address read from the process's environment as the lines leave it.
TEST_F(ServiceCalls, ScenariosFromTheDataFile) {
  for (const testing::VectorCase& c : testing::ReadVectors("svc_wine_calls.txt")) {
    std::string output;
    int32_t result = 0;
    if (c[0] == "Fixture") testing::UseFixtureServer();
    if (c[0] == "Env") c[2] == "-" ? platform::UnsetEnvironment(c[1]) : platform::SetEnvironment(c[1], c[2]);
    if (c[0] == "Fixture" || c[0] == "Env") continue;
    if (c[0] == "Call") result = CallService(c[1], c[2], output);
    if (c[0] == "CallXml") result = CallService(c[1], c[2], output, std::stoi(c[3]), c[4] == "1", true);
    if (c[0] == "Call8") result = CallService(c[1], c[2], output, true, std::stoi(c[3]), 0, 30000, true);
    if (c[0] == "CallId") result = CallServiceId(std::stoi(c[1]), c[2], output, 30000, false, true);
    const std::string got = std::to_string(result) + "|" + output;
    EXPECT_TRUE(Matches(got, c.back())) << c[0] << " " << c[1] << "\n got: " << got << "\nwant: " << c.back();
  }
}

// The raw-buffer form opens no connection of its own; its reply block comes from the heap.
TEST_F(ServiceCalls, RawBuffersOnTheCallersConnection) {
  std::string message;
  ASSERT_EQ(TuxedoInit(message), 0) << message;
  std::string input(5000, '\0');
  for (size_t i = 0; i < input.size(); ++i) input[i] = static_cast<char>(i * 7);
  char* reply = nullptr;
  int32_t reply_length = 0;
  ASSERT_EQ(CallService("demo_carray", input.data(), 5000, &reply, &reply_length, 30000, false, true), 0) << reply;
  ASSERT_EQ(reply_length, 5000);
  EXPECT_EQ(HeapSize(GetProcessHeap(), 0, reply), 5128u);
  EXPECT_EQ(std::string(reply, 5000), input);
  FreeCallServiceOutput(reply);
}

// Per-call mode ends every connection it opened; a kept one reconnects once after a restart.
TEST_F(ServiceCalls, PerCallModeEndsItsConnectionsAndAKeptOneReconnectsExactlyOnceAfterARestart) {
  auto first = std::make_unique<PrivateServer>("restart-1");
  const uint16_t port = first->Port();
  platform::SetEnvironment("WSNADDR", first->Address());
  std::string output;
  for (int i = 0; i < 5; ++i) ASSERT_EQ(CallService("demo_echo", "", output), kCallOk) << output;
  EXPECT_EQ(CallService("demo_slow", "<ms>2000</ms>", output, 500, false, true), kCallTimeout);
  EXPECT_EQ(SessionCount(port, 0), 0u);
  SetTuxedoConnType("1");
  ASSERT_EQ(CallService("demo_echo", "<m>before</m>", output), kCallOk) << output;
  first->Kill();
  first.reset();
  PrivateServer second("restart-2", {"--port", std::to_string(port)});
  ASSERT_EQ(second.Port(), port);
  ASSERT_EQ(CallService("demo_echo", "<m>after-restart</m>", output), kCallOk) << output;
  ASSERT_EQ(CallService("demo_echo", "<m>after-restart</m>", output), kCallOk) << output;
  auto entries = AuditWith("after-restart");  // on the kept connection
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].session, entries[1].session);
  EXPECT_EQ(SessionCount(port, 1), 1u);
  SetTuxedoConnType("2");
  EXPECT_EQ(SessionCount(port, 0), 0u);

  // The kept connection lost for good: the reconnect fails with the sign-on message.
  SetTuxedoConnType("1");
  ASSERT_EQ(CallService("demo_echo", "", output), kCallOk);
  second.Kill();
  EXPECT_EQ(CallService("demo_echo", "", output), kCallLocalFailure);
  EXPECT_EQ(output.rfind("网络链接异常", 0), 0u) << output;
}

TEST_F(ServiceCalls, EightThreadsEachWithTheirOwnContext) {
  SetTuxedoConnType("1");
  std::atomic<int> wrong{0};
  testing::OnThreads(8, [&wrong](int t) {
    const std::string request = "<m>threads-" + std::to_string(t) + "</m>";
    for (int i = 0; i < 10; ++i) {
      std::string output;
      wrong += CallService("demo_echo", request, output) != kCallOk || output.find("<Request>" + request + "</Request>") == std::string::npos;
    }
    tpterm();
  });
  EXPECT_EQ(wrong.load(), 0);
  SetTuxedoConnType("2");
  std::set<std::string> sessions;
  for (const auto& entry : Audit("threads-")) sessions.insert(entry.session);
  EXPECT_EQ(sessions.size(), 8u);
}

TEST_F(ServiceCalls, RouterCallsNeverOverlap) {
  std::atomic<int> failed{0};
  testing::OnThreads(4, [&failed](int t) {
    std::string output;
    for (int i = 0; i < 2; ++i) failed += CallServiceRouter("demo_slow", "<ms>120</ms><m>router-overlap</m>", output, "route" + std::to_string(t)) != kCallOk;
  });
  EXPECT_EQ(failed.load(), 0);
  auto entries = Audit("router-overlap");
  ASSERT_EQ(entries.size(), 8u);
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.started_us < b.started_us; });
  for (size_t i = 1; i < entries.size(); ++i) {
    EXPECT_GE(entries[i].started_us, entries[i - 1].ended_us) << "calls " << i - 1 << " and " << i << " overlap";
  }
  for (const auto& entry : entries) EXPECT_EQ(entry.route.rfind("route", 0), 0u);
}

// Function-number calls: SDK packets from ztsdk.dll through tpcallSvrIdEx and back as a reader.
class FunctionCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::UseFixtureServer();
    std::string message;
    ASSERT_EQ(TuxedoInit(message), 0) << message;
  }
  void TearDown() override { tpterm(); }
};

// Two rows of a fund number and a name, in the given packet version.
IF2Packer* FundRows(int32_t version, const std::string& marker) {
  IF2Packer* packer = GetPacker(version);
  packer->DefineField("l_fund_id", 'I', 10, 0);
  packer->DefineField("vc_fund_name", 'S', 64, 0);
  packer->PutInt(7);
  packer->PutStr(("红利精选" + marker).c_str());
  packer->PutInt(-12);
  packer->PutStr("");
  packer->FinishPack();
  return packer;
}

TEST_F(FunctionCalls, RoundTripInBothVersionsReleasingThePreviousReaderOnceAndFailuresKeepIt) {
  IF2UnPacker* reader = nullptr;
  for (int32_t version : {1, 2, 2}) {
    IF2Packer* packer = FundRows(version, std::to_string(version));
    IF2UnPacker* previous = reader;
    for (int i = 0; previous != nullptr && i < 2; ++i) previous->AddRef();
    std::string message;
    ASSERT_EQ(CallServiceId(9101, packer, reader, message, 30000, false, true), 0) << message;
    EXPECT_EQ(message, "功能号调用(tpcall:9101)!\r\n返回信息:功能号9101处理成功");
    ASSERT_NE(reader, nullptr);
    EXPECT_NE(reader, previous);
    EXPECT_EQ(reader->Version(), version) << "the reader of the packet's own version";
    EXPECT_EQ(reader->ReturnCode(), 2) << "the server decoded both rows";
    ASSERT_EQ(reader->RowCount(), 2);
    EXPECT_EQ(reader->IntByName("l_fund_id"), 7);
    EXPECT_STREQ(reader->StrByName("vc_fund_name"), ("红利精选" + std::to_string(version)).c_str());
    reader->NextRow();
    EXPECT_EQ(reader->IntByName("l_fund_id"), -12);
    EXPECT_STREQ(reader->StrByName("vc_fund_name"), "");
    if (previous != nullptr) {
      EXPECT_EQ(previous->Release(), 1u) << "the call released the previous reader exactly once";
      EXPECT_EQ(previous->Release(), 0u);
    }
    FreePacker(packer);
  }
  // The middleware's failures keep the reader of the last reply.
  IF2Packer* packer = FundRows(2, "f");
  IF2UnPacker* held = reader;
  std::string message;
  for (bool xml : {false, true}) {
    EXPECT_EQ(CallServiceId(9002, packer, reader, message, 30000, xml, true), -1);
    EXPECT_EQ(message, xml ? "<ErrCode>-1</ErrCode><ErrMsg>功能号9002处理失败: 演示错误</ErrMsg>" : "功能号9002处理失败: 演示错误");
    EXPECT_EQ(reader, held);
  }
  EXPECT_EQ(held->RowCount(), 2) << "the held reader still reads its reply";
  tpterm();
  EXPECT_EQ(CallServiceId(9101, packer, reader, message, 30000, false, true), -1);
  EXPECT_FALSE(message.empty()) << "the client's text for a call without a connection";
  EXPECT_EQ(reader, held);
  FreeUnPacker(reader);
  FreePacker(packer);
}

// The file of the module whose code made the object (its table of operations lives there).
std::string MakerOf(const void* object) {
  HMODULE module = nullptr;
  const void* table = *static_cast<void* const*>(object);
  const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
  if (!GetModuleHandleExA(flags, static_cast<LPCSTR>(table), &module)) return "";
  char path[MAX_PATH];
  std::string text(path, GetModuleFileNameA(module, path, MAX_PATH));
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

// Each factory binds from the copy the GM type names at its first call and stays there; the
// failures name the library and the entry.
TEST(SdkBindingWine, EntriesStayWithTheCopyTheyWereBoundFromAndFailuresNameIt) {
  platform::UnsetEnvironment("gm_type");
  IF2Packer* early = NewPacker(2);
  ASSERT_NE(early, nullptr);
  const std::string plain = MakerOf(early);
  EXPECT_TRUE(plain.ends_with("\\ztsdk.dll") && plain.find("_gm\\") == std::string::npos) << plain;
  platform::SetEnvironment("gm_type", "1");
  IF2UnPacker* late = NewEmptyUnPacker(2);
  ASSERT_NE(late, nullptr);
  EXPECT_TRUE(MakerOf(late).ends_with("\\geer_gm\\ztsdk.dll")) << MakerOf(late);
  EXPECT_EQ(GetVersionInfo(), 0x02010001) << "bound after the type was set";
  IF2Packer* again = NewPacker(1);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(MakerOf(again), plain) << "an entry once bound is never re-bound";
  for (IRefCounted* object : std::initializer_list<IRefCounted*>{early, late, again}) EXPECT_EQ(object->Release(), 0u);
  platform::UnsetEnvironment("gm_type");

  auto failure = [](std::string_view library, std::string_view entry) {
    return testing::ErrorOf([&] { BindSdkEntry(library, entry); });
  };
  EXPECT_EQ(failure("xasj_gm\\ztsdk.dll", "GetVersionInfo"), "(no error)");
  EXPECT_EQ(failure("ztsdk.dll", "NoSuchEntry"), "Function not found: ztsdk.dll.NoSuchEntry");
  EXPECT_EQ(failure("xasj_gm\\ztsdk.dll", "newpacker"), "Function not found: xasj_gm\\ztsdk.dll.newpacker");
  EXPECT_EQ(failure("none_gm\\ztsdk.dll", "NewPacker"), "Library not found: none_gm\\ztsdk.dll");
  EXPECT_EQ(SetCommCfgFile("server.ini"), 0) << "from the plain copy whatever the type";
}

// `count` sessions signed on to the server, held while the channels live.
std::vector<std::unique_ptr<mw::FrameChannel>> Sessions(uint16_t port, int count) {
  std::vector<std::unique_ptr<mw::FrameChannel>> channels;
  for (int i = 0; i < count; ++i) {
    auto& channel = channels.emplace_back(std::make_unique<mw::FrameChannel>());
    EXPECT_TRUE(channel->Open("127.0.0.1", port, 5000));
    EXPECT_TRUE(channel->Send(mw::SignOnRequest{"selector", "127.0.0.1", "", 32}, 1, 5000));
    auto answer = channel->Receive(5000);
    EXPECT_TRUE(answer && std::holds_alternative<mw::SignOnReply>(answer->message));
  }
  return channels;
}

// Three real servers whose answers are delayed differently and which hold different numbers
// of sessions (the refusal of more than 256 servers is the SDK's own, proven natively).
TEST(ServerSelectionWine, FastestByDelayFewestSessionsByCount) {
  PrivateServer slow("select-slow", {"--delay-ms", "300"});
  PrivateServer fast("select-fast", {"--delay-ms", "20"});
  PrivateServer middle("select-middle", {"--delay-ms", "120"});
  const auto on_slow = Sessions(slow.Port(), 1), on_fast = Sessions(fast.Port(), 3), on_middle = Sessions(middle.Port(), 2);
  std::vector<std::string> lines;
  for (const PrivateServer* server : {&slow, &fast, &middle}) lines.push_back("127.0.0.1:" + std::to_string(server->Port()));
  TArrRetNetWorkSpeed speeds;
  __GetMultiNetWorkSpeed(&lines, 5000, speeds);
  ASSERT_EQ(speeds.size(), 3u);
  const int32_t sessions[] = {1, 3, 2}, delays[] = {300, 20, 120};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(speeds[i]->ConnCount, sessions[i]) << i;
    EXPECT_GE(speeds[i]->NetDelay, delays[i]) << i;
    EXPECT_EQ(speeds[i]->ErrorNo, 0) << i;
  }
  EXPECT_EQ(AutoSelectBestServer(&lines, 0, 0), 1);
  EXPECT_EQ(AutoSelectBestServer(std::span<const std::string>(lines), 1, 99), 0) << "the array form";
  fast.Kill();  // a server gone is unreachable: skipped
  EXPECT_EQ(AutoSelectBestServer(&lines, 0, 0), 2);
}

// Every stored operation-log record whose content is `content`, oldest first. Reading them
// back is an administrator's: on a context of its own, on a thread of its own.
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

// The record's own fields are proven natively; here the pieces, the host's menu, the operator
// from the cache and the machine reach the server.
TEST(OperationLogWine, FiveThousandBytesOfChineseArriveAsTheirPiecesFromThisMachine) {
  testing::UseFixtureServer();
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
    const std::string fields = row.at("l_operator_no") + "|" + row.at("l_check_operator") + "|" + row.at("vc_opclass") +
                               "|" + row.at("vc_menu_code") + "|" + row.at("c_client_type") + "|" + row.at("vc_ar_ipport");
    EXPECT_EQ(fields, "77||查询|M0101|1|10.0.0.9:8001") << "operator from the cache, the host's active menu";
    EXPECT_EQ(row.at("vc_computer_name") + "|" + row.at("vc_mac") + "|" + row.at("vc_ipaddress") + "|" + row.at("vc_volserial_no"),
              computer.computer_name + "|" + computer.mac + "|" + computer.ip_address + "|" + computer.volume_serial);
  }
  EXPECT_TRUE(std::regex_match(rows[0].at("l_time"), std::regex(R"(([01]\d|2[0-3])[0-5]\d[0-5]\d)"))) << rows[0].at("l_time");
  EXPECT_TRUE(std::regex_match(computer.volume_serial, std::regex("[0-9A-F]{4}-[0-9A-F]{4}"))) << computer.volume_serial;
  EXPECT_NE(computer.ip_address, "127.0.0.1");

  const std::string checked = Marker("operators-");
  for (auto [remark, op, check] : {std::tuple{"a", 5, 0}, {"b", 5, 6}, {"c", 0, 6}, {kRemarksContinuation.data(), 0, 0}})
    WriteOperateLogEx(OPLOG_LOGIN, checked, remark, '1', "M9", op, check);
  std::string operators;
  for (const Row& row : RecordsWithContent(checked))
    operators += row.at("l_operator_no") + "/" + row.at("l_check_operator") + "/" + row.at("vc_menu_code") + " ";
  EXPECT_EQ(operators, "5/77/M9 5/6/M9 77//M9 ") << "remarks that are just the marker send nothing";
  EXPECT_EQ(qxGetOperatorNo(), "77");

  const std::string chinese = "菜单操作";
  EXPECT_EQ(WriteOperateLog(chinese, "", "a b"), static_cast<int32_t>(chinese.size() + 5));
  EXPECT_EQ(host_log_texts, chinese + "||a b");
}

// Dates on a private server whose stored queries the cases rewrite (as its
// administrator), so that a zero date arrives for real; the audit trail counts the queries
// opened and the shared log's lines are read back.
class DateServicesWine : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::RemovePubfunLogs();
    platform::SetEnvironment("WSNADDR", server_.Address());
    platform::SetEnvironment("TUXEDO_PASS", RUZI_MWD_TEST_ADMIN_PASSWORD);
  }
  void TearDown() override { tpterm(); platform::UnsetEnvironment("TUXEDO_PASS"); }

  static void StoreQuery(const std::string& name, const std::string& sql) {
    std::string quoted;
    for (char c : sql) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    TQXQuery update;
    update.SQL() = {"UPDATE qx_named_query SET vc_sql = '" + quoted + "' WHERE vc_name = '" + name + "'"};
    ASSERT_EQ(update.Execute(), 1) << name;
  }
  // Calls of qx_query that opened the stored query `name`.
  static size_t QueriesOpened(const std::string& name) {
    size_t opened = 0;
    for (const testing::AuditEntry& entry : AuditWith("<vc_query_name>" + name + "</vc_query_name>")) {
      opened += entry.service == "qx_query" ? 1 : 0;  // the earlier audit reads carry the marker too
    }
    return opened;
  }

  PrivateServer server_{"qx-dates"};
};

TEST_F(DateServicesWine, AZeroDateIsFetchedOnceMore) {
  std::vector<testing::LoggedLine> expected_lines;
  std::map<std::string, size_t> opened_before;
  for (const testing::VectorCase& c : testing::ReadVectors("svc_wine_dates.txt")) {
    if (!c[1].empty()) StoreQuery(c[0], c[1]);
    const double value = c[2] == "qxGetDateTime" ? qxGetDateTime() : qxGetSysDateTime();
    EXPECT_NEAR(value, std::stod(c[3]), 1e-7) << c[1];  // a millisecond is 1.16e-8 days
    const size_t opened = QueriesOpened(c[0]);
    EXPECT_EQ(std::to_string(opened - opened_before[c[0]]), c[4]) << c[1];
    opened_before[c[0]] = opened;
    for (size_t i = 5; i < c.size(); ++i) expected_lines.push_back({0, c[i]});
  }
  EXPECT_EQ(testing::DrainedPubfunLines(), expected_lines);
}

TEST_F(DateServicesWine, TheInitDateComesFromTheCacheTheKeptValueOrOneQuery) {
  for (const testing::VectorCase& c : testing::ReadVectors("svc_wine_init_dates.txt")) {
    platform::SetEnvironment("logined", c[0]);
    c[1] == "-" ? platform::UnsetEnvironment("InitDateValue") : platform::SetEnvironment("InitDateValue", c[1]);
    std::string got = std::to_string(qxGetInitDate()) + " ";  // the call first, then the queries it opened
    got += std::to_string(QueriesOpened("get_tsysteminfo")) + " " + platform::GetEnvironment("InitDateValue");
    EXPECT_EQ(got, c[2]) << c[0] << "/" << c[1];
  }
  platform::UnsetEnvironment("logined");
}

}  // namespace
}  // namespace ruzi
