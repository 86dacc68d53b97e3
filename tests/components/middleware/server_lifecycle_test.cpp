// Start, sign-on, stop and death of the server: a fresh database seeded once, the
// session count, SIGTERM in the middle of a call, SIGKILL for real.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "call_answers.h"
#include "error_numbers.h"
#include "audit_reader.h"
#include "mwd_process.h"
#include "test_paths.h"

namespace ruzi::testing {
namespace {

// One server's life: the first start seeds a fresh database; sessions are counted, and a second
// sign-on on a connection replaces its context; SIGTERM in the middle of a call stops in order with
// the trail stored; a restart keeps the data, seeds nothing twice and gives an operation log from
// before the record's columns those columns (its old rows read back empty).
TEST(MiddlewareServerLifecycle, SeedSessionsSigtermInACallAndARestartThatKeepsTheData) {
  MwdProcess server("life");
  EXPECT_EQ(Column(server.Database(), "SELECT vc_fund_name FROM tfundinfo ORDER BY l_fund_id"),
            (std::vector<std::string>{"稳健增长组合", "平衡配置组合", "红利精选组合"}));
  EXPECT_EQ(Column(server.Database(), "SELECT l_init_date FROM tsysteminfo"), std::vector<std::string>{"20260105"});
  EXPECT_EQ(SessionCount(server.Port()), 0u);
  mwd::NativeClient a("127.0.0.1", server.Port());
  mwd::NativeClient b("127.0.0.1", server.Port());
  auto first = std::get<mw::SignOnReply>(a.SignOn("a").value()).session_id;
  EXPECT_NE(std::get<mw::SignOnReply>(b.SignOn("b").value()).session_id, first);
  EXPECT_EQ(SessionCount(server.Port()), 2u);
  a.SignOn("a");
  EXPECT_EQ(SessionCount(server.Port()), 2u);
  EXPECT_TRUE(std::holds_alternative<mw::SignOffReply>(b.Ask(mw::SignOffRequest{}).value()));
  EXPECT_EQ(SessionCount(server.Port()), 1u);
  EXPECT_EQ(ErrorOf(b.Call("demo_echo", "x")).error_number, mw::kMwProtocol);
  ReplyOf(AdministratorClient(server.Port()).Call("svc_sysprmop_rc", "<l_serial_no>62409</l_serial_no><vc_value>1</vc_value>"));

  ReplyOf(a.Call("demo_echo", "recorded before stop"));
  ASSERT_TRUE(SendSlowCall(a, 60000, 9));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  auto started = std::chrono::steady_clock::now();
  int status = server.SignalAndWait(SIGTERM);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  // The waiting call was answered (server stopping) or its connection closed, never left hanging.
  if (auto answer = a.Receive(1000)) {
    EXPECT_EQ(ErrorOf(answer).error_number, mw::kMwSystem);
  }
  EXPECT_NE(server.LogText().find("stopped"), std::string::npos);
  // The trail was stored before the exit, the interrupted call included.
  EXPECT_EQ(Column(server.Database(), "SELECT service FROM mw_audit WHERE CAST(audit_request(request, request_compressed) "
                                      "AS TEXT) IN ('recorded before stop', '<ms>60000</ms>') ORDER BY id"),
            (std::vector<std::string>{"demo_echo", "demo_slow"}));

  ASSERT_EQ(Execute(server.Database(),
                    "DROP TABLE tsyslog; CREATE TABLE tsyslog (id INTEGER PRIMARY KEY AUTOINCREMENT, at TEXT NOT NULL, "
                    "session INTEGER NOT NULL, request TEXT NOT NULL); INSERT INTO tsyslog (at, session, request) "
                    "VALUES ('2026-01-05 09:00:00.000', 1, '<vc_remarks>old</vc_remarks>');"), "");
  server.Restart();
  EXPECT_NE(server.LogText().find("database opened"), std::string::npos);
  mwd::NativeClient client = SignedOnClient(server.Port(), "u");
  ReplyOf(client.Call("svc_syslogop_rc", "<l_operator_no>9</l_operator_no><vc_remarks>new</vc_remarks>"));
  EXPECT_EQ(Column(server.Database(), "SELECT l_operator_no || '/' || vc_remarks FROM tsyslog ORDER BY id"),
            (std::vector<std::string>{"/", "9/new"}));
  // Not seeded again: the changed value survived and no row was doubled.
  EXPECT_NE(ReplyOf(client.Call("svc_sysprmop_rc", "<l_serial_no>62409</l_serial_no>")).data.find("<vc_value>1</vc_value>"),
            std::string::npos);
  EXPECT_EQ(Column(server.Database(), "SELECT count(*) FROM tfundinfo"), std::vector<std::string>{"3"});
}

// With --audit-before-answer, four clients call until the server is killed under them: the row
// of every call they had an answer for is in the trail (a row stored only after its answer is
// lost with the process).
TEST(MiddlewareServerLifecycle, AKilledServerHasStoredEveryAnsweredCall) {
  MwdProcess server("killed-load", {"--audit-before-answer"});
  constexpr int kClients = 4;
  std::vector<int> answered(kClients, 0);
  std::thread killer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_TRUE(WIFSIGNALED(server.SignalAndWait(SIGKILL)));
  });
  OnClients(server.Port(), kClients, [&](mwd::NativeClient& client, int t) {
    for (;;) {  // each call after the kill finds its connection lost
      std::string request = "t" + std::to_string(t) + "-" + std::to_string(answered[t]) + "-";
      request.resize(4096, 'k');
      if (!client.Call("demo_echo", request)) return;
      ++answered[t];
    }
  });
  killer.join();
  EXPECT_THROW(mwd::NativeClient("127.0.0.1", server.Port()), std::runtime_error);
  // Requests of 4 KB are stored compressed: read them expanded.
  const std::string text = "CAST(audit_request(request, request_compressed) AS TEXT)";
  for (int t = 0; t < kClients; ++t) {
    ASSERT_GT(answered[t], 0);
    std::string prefix = "'t" + std::to_string(t) + "-";
    // Its last answered call, and as many rows as answers (one more when the kill fell between
    // a row's store and its answer).
    std::string last = prefix + std::to_string(answered[t] - 1) + "-k'";
    EXPECT_EQ(Column(server.Database(), "SELECT count(*) FROM mw_audit WHERE substr(" + text + ", 1, " +
                                            std::to_string(last.size() - 2) + ") = " + last),
              std::vector<std::string>{"1"})
        << "client " << t << " had " << answered[t] << " answers";
    int rows = std::stoi(Column(server.Database(), "SELECT count(*) FROM mw_audit WHERE substr(" + text + ", 1, " +
                                                       std::to_string(prefix.size() - 1) + ") = " + prefix + "'")[0]);
    EXPECT_GE(rows, answered[t]);
    EXPECT_LE(rows, answered[t] + 1);
  }
}

long ReadNumber(const std::string& path) {
  std::ifstream in(path);
  long value = 0;
  in >> value;
  return value;
}

// Gone, or a zombie nobody has reaped yet (a detached server's parent has exited).
bool Gone(long pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return true;
  size_t close = text.rfind(')');
  return close == std::string::npos || close + 2 >= text.size() || text[close + 2] == 'Z';
}

int RunServer(const std::string& arguments, const std::string& output = "/dev/null") {
  int status = std::system((std::string(RUZI_MWD_PATH) + " " + arguments + " >" + output + " 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What the CTest fixture relies on: --detach returns once the port file is there, a second
// start with the same pid file replaces a leftover server, --stop waits until the trail is
// stored and the server gone, or says so once its bound has passed, and a server that cannot
// start says so by its exit code.
TEST(MiddlewareServerLifecycle, DetachAndStopAsTheFixtureUsesThem) {
  std::string folder = FreshTestFolder("mwd-detach");
  std::string common = "--detach --port 0 --port-file " + folder + "port --pid-file " + folder + "pid --db " + folder +
                       "mwd.db --log-dir " + folder;
  ASSERT_EQ(RunServer(common), 0);
  long first = ReadNumber(folder + "pid");
  ASSERT_GT(first, 0);
  mwd::NativeClient client = SignedOnClient(static_cast<uint16_t>(ReadNumber(folder + "port")), "u");
  ASSERT_EQ(RunServer(common), 0);
  long second = ReadNumber(folder + "pid");
  EXPECT_NE(second, first);
  EXPECT_FALSE(client.Call("demo_echo", "x").has_value());  // the leftover was stopped
  EXPECT_TRUE(Gone(first));
  EXPECT_FALSE(Gone(second));
  std::atomic<int> answered{0};  // 4 KB calls from four clients for a second
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  OnClients(static_cast<uint16_t>(ReadNumber(folder + "port")), 4, [&](mwd::NativeClient& load, int) {
    while (std::chrono::steady_clock::now() < end) answered += load.Call("demo_echo", std::string(4096, 'q')) ? 1 : 0;
  });
  EXPECT_EQ(RunServer("--stop --pid-file " + folder + "pid"), 0);
  EXPECT_FALSE(std::filesystem::exists(folder + "pid"));
  EXPECT_TRUE(Gone(second));
  EXPECT_EQ(Column(folder + "mwd.db", "SELECT count(*) FROM mw_audit WHERE length(audit_request(request, request_compressed)) = 4096"),
            std::vector<std::string>{std::to_string(answered.load())});
  EXPECT_EQ(RunServer("--stop --pid-file " + folder + "pid"), 0);  // nothing left to stop
  // A server that cannot finish (frozen here) is waited for no longer than asked, and --stop says so.
  ASSERT_EQ(RunServer(common), 0);
  long frozen = ReadNumber(folder + "pid");
  ASSERT_EQ(::kill(static_cast<pid_t>(frozen), SIGSTOP), 0);
  auto asked = std::chrono::steady_clock::now();
  EXPECT_EQ(RunServer("--stop --pid-file " + folder + "pid --stop-wait-ms 700", folder + "stop.txt"), 1);
  auto waited = std::chrono::steady_clock::now() - asked;
  EXPECT_GE(waited, std::chrono::milliseconds(700));
  EXPECT_LT(waited, std::chrono::milliseconds(5000));
  std::ifstream said(folder + "stop.txt");
  std::string line;
  std::getline(said, line);
  EXPECT_NE(line.find("still running after 700 ms"), std::string::npos) << line;
  ::kill(static_cast<pid_t>(frozen), SIGCONT);  // the SIGTERM waiting for it ends it now
  for (int i = 0; i < 1000 && !Gone(frozen); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(Gone(frozen));
  EXPECT_EQ(RunServer("--detach --port 0 --db " + folder + "no/such/folder/mwd.db --log-dir " + folder), 1);
  EXPECT_EQ(RunServer("--port"), 2);
  // No secret on the command line, where ps shows it.
  EXPECT_EQ(RunServer("--detach --port 0 --password s3cret --db " + folder + "pw.db --log-dir " + folder), 2);
}

}  // namespace
}  // namespace ruzi::testing
