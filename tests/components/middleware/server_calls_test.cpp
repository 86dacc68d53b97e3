// Calls and their exact answers, read from tests/data/mw_calls.txt and made in file order (a
// line may depend on what an earlier one changed). Each line names who calls: on the fixture's
// server an operator, an administrator or a connection never signed on; "desk" and "root" on a
// server of its own with a user list; "<server>/<user>" a user on a server the file declares,
// who may also send raw bytes, wait for the close, hang up or stop the server.
// Beyond single answers: sequences shared by many callers.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "call_answers.h"
#include "mw_section_rows.h"
#include "mwd_process.h"
#include "packets/tagged_package.h"
#include "vector_file.h"

namespace ruzi::testing {
namespace {

MwdProcess* SiteServer() {
  static const auto server = std::make_unique<MwdProcess>("site", SiteUsers("site"));
  return server.get();
}

// The servers the file declares ("server", name, arguments, NAME=value for the environment),
// each started at its first caller.
std::map<std::string, std::string> declared;
std::map<std::string, std::unique_ptr<MwdProcess>> servers;
// Callers stay open between lines: who never signs on keeps one connection.
std::map<std::string, std::unique_ptr<mwd::NativeClient>> callers;

MwdProcess& Declared(const std::string& name) {
  auto& server = servers[name];
  if (server) return *server;
  std::vector<std::string> args, environment;
  std::istringstream words(declared.at(name));
  for (std::string word; words >> word;) (word.find('=') != std::string::npos ? environment : args).push_back(word);
  server = std::make_unique<MwdProcess>(name, args, environment);
  return *server;
}

mwd::NativeClient& Caller(const std::string& who) {
  auto& caller = callers[who];
  if (caller) return *caller;
  if (const size_t slash = who.find('/'); slash != std::string::npos) {
    const uint16_t port = Declared(who.substr(0, slash)).Port();
    const std::string user = who.substr(slash + 1, who.find('=') - slash - 1);
    const std::string password = who.find('=') == std::string::npos ? "" : who.substr(who.find('=') + 1);
    if (user.starts_with("raw")) caller = std::make_unique<mwd::NativeClient>("127.0.0.1", port);
    // A connection that has just ended may still hold its place at the server's cap for a moment.
    for (int i = 0; i < 200 && !caller; ++i) {
      try {
        caller = std::make_unique<mwd::NativeClient>(user == "admin" ? AdministratorClient(port) : SignedOnClient(port, user, password));
      } catch (const std::runtime_error&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    }
  }
  if (who == "op") caller = std::make_unique<mwd::NativeClient>(SignedOnClient(FixturePort(), "4242:trader.exe"));
  if (who == "admin") caller = std::make_unique<mwd::NativeClient>(AdministratorClient(FixturePort()));
  if (who == "none") caller = std::make_unique<mwd::NativeClient>("127.0.0.1", FixturePort());
  if (who == "desk") caller = std::make_unique<mwd::NativeClient>(SignedOnClient(SiteServer()->Port(), "desk", "d3sk"));
  if (who == "root") caller = std::make_unique<mwd::NativeClient>(SignedOnClient(SiteServer()->Port(), "root", "r00t"));
  if (!caller) throw std::runtime_error("no caller " + who);
  return *caller;
}

// "id:<n>" calls by service id, "fn:<n>" by function number, anything else by name; "@<ms>"
// after it sets a time-out, "@<ms>-" one without the flag that makes it count.
mw::CallRequest Request(std::string service, const std::string& data) {
  mw::CallRequest request;
  request.data = data;
  if (const size_t at = service.find('@'); at != std::string::npos) {
    request.timeout_ms = static_cast<uint32_t>(std::stoul(service.substr(at + 1)));
    request.flags = service.ends_with("-") ? 0 : mw::kCallTimeoutOn;
    service.resize(at);
  }
  if (service.starts_with("id:") || service.starts_with("fn:")) {
    request.kind = service[0] == 'i' ? mw::CallKind::ById : mw::CallKind::ByFunction;
    request.number = std::stoi(service.substr(3));
  } else {
    request.service = service;
  }
  return request;
}

// A query's answer as code|message|fields|row count|first value|rows changed.
std::string QueryText(const std::string& reply) {
  TqxPackage package(reply);
  std::string items[4];
  for (int i = 0; i < 4; ++i) package.GetItem(std::array{"ErrCode", "ErrMsg", "vc_fields", "l_rows_affected"}[i], items[i]);
  const auto rows = ItemRows(reply, "vc_data").rows;
  return items[0] + "|" + items[1] + "|" + items[2] + "|" + std::to_string(rows.size()) + "|" +
         (rows.empty() ? "" : rows[0][0]) + "|" + items[3];
}

// A reply as its data (after "<message>: " when it has one), an error as "error <number>: <text>";
// a query or an operation log as their rows.
std::string AnswerText(const std::string& service, const std::optional<mw::Message>& answer) {
  if (!answer) return "no answer";
  if (const auto* error = std::get_if<mw::ErrorReply>(&*answer)) {
    return "error " + std::to_string(error->error_number) + ": " + error->text;
  }
  const mw::CallReply reply = ReplyOf(answer);
  if (service == "qx_query") return QueryText(reply.data);
  if (service == "mw_syslog") {  // the records as rows of name=value
    const SectionRows read = ItemRows(reply.data, "vc_syslog");
    std::string rows;
    for (size_t r = 0; r < read.rows.size(); ++r) {
      for (size_t c = 0; c < read.names.size(); ++c) rows += (c > 0 ? " " : r > 0 ? ";" : "") + read.names[c] + "=" + read.rows[r][c];
    }
    return rows;
  }
  return reply.message.empty() ? reply.data : reply.message + ": " + reply.data;
}

// "reply" stands for any reply; "error <number>" leaves the text open; a trailing "..." the rest.
bool Matches(const std::string& got, const std::string& expected) {
  if (expected == "reply") return !got.starts_with("error ") && got != "no answer";
  if (expected.starts_with("error ") && expected.find(':') == std::string::npos) return got.starts_with(expected + ":");
  if (expected.ends_with("...")) return got.starts_with(expected.substr(0, expected.size() - 3));
  return got == expected;
}

// A step of a caller on a declared server: "!raw" sends the request's bytes as they are and reads
// what comes back, "!receive" only reads, "!closed" waits for the server to close, "!leave" hangs
// up, "!sessions" waits for the session count, "!log" looks for the request in the server's log
// and "!stop" sends SIGTERM.
std::string Step(const std::string& who, const std::string& step, const std::string& data) {
  MwdProcess& server = Declared(who.substr(0, who.find('/')));
  if (step == "!raw") return Caller(who).SendRaw(data) ? AnswerText("", Caller(who).Receive(3000)) : "not sent";
  if (step == "!receive") return AnswerText("", Caller(who).Receive(3000));
  if (step == "!closed") return Caller(who).WaitClosed(3000) ? "closed" : "open";
  if (step == "!leave") return callers.erase(who) == 1 ? "left" : "no such caller";
  if (step == "!sessions") return SessionCountBecomes(server.Port(), std::stoul(data)) ? data : "not " + data;
  if (step == "!log") return server.LogText().find(data) != std::string::npos ? "logged" : "not logged";
  if (step != "!stop") return "no step " + step;
  const int status = server.SignalAndWait(SIGTERM);
  return WIFEXITED(status) ? "exit " + std::to_string(WEXITSTATUS(status)) : "killed";
}

// The lines whose caller is on the fixture's server, or the others.
void CallAsTheFileSays(bool on_the_fixture) {
  for (const VectorCase& c : ReadVectors("mw_calls.txt")) {
    ASSERT_GE(c.size(), 3u) << c[0];
    if (c[0] == "server") declared[c[1]] = c[2];
    if (c[0] == "server" || (c[0] == "op" || c[0] == "admin" || c[0] == "none") != on_the_fixture) continue;
    const std::string data = c.size() > 3 ? c[2] : "";
    const std::string got = c[1].starts_with("!") ? Step(c[0], c[1], data)
                                                  : AnswerText(c[1], Caller(c[0]).Ask(Request(c[1], data)));
    EXPECT_TRUE(Matches(got, c.back())) << c[0] << " " << c[1] << " " << data << "\n  got: " << got << "\n want: " << c.back();
  }
}

TEST(MiddlewareCalls, OnTheFixturesServer) { CallAsTheFileSays(true); }
TEST(MiddlewareCalls, OnServersOfTheirOwn) { CallAsTheFileSays(false); }

TEST(NamedQuerySequences, EightThreadsNeverShareAValue) {
  const std::string sequence = "SEQ_T" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  constexpr int kThreads = 8, kCalls = 25;
  std::vector<std::vector<int64_t>> values(kThreads);
  OnClients(FixturePort(), kThreads, [&](mwd::NativeClient& client, int t) {
    for (int k = 0; k < kCalls; ++k) {
      // The trailing blank is the callers' own.
      const auto rows = ItemRows(ReplyOf(client.Call("qx_query", "<vc_query_name>FutFreeTradeQrySeqNextValue</vc_query_name>"
                                                     "<vc_condition>sSequenceName=" + sequence + ".NEXTVAL </vc_condition>")).data,
                                 "vc_data").rows;
      if (rows.size() == 1) values[static_cast<size_t>(t)].push_back(std::stoll(rows[0][0]));
    }
  }, "4242:seq.exe");
  std::vector<int64_t> all;
  for (const auto& some : values) all.insert(all.end(), some.begin(), some.end());
  std::sort(all.begin(), all.end());
  ASSERT_EQ(all.size(), static_cast<size_t>(kThreads * kCalls));
  for (size_t k = 0; k < all.size(); ++k) ASSERT_EQ(all[k], static_cast<int64_t>(k + 1)) << "a value twice or skipped";
}

}  // namespace
}  // namespace ruzi::testing
