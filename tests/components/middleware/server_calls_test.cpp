// Calls and their exact answers, read from tests/data/mw_calls.txt and made in file order (a
// line may depend on what an earlier one changed). Each line names who calls: on the fixture's
// server an operator, an administrator or a connection never signed on; "desk" and "root" on a
// server of its own with a user list; "anyone" on one started without credentials; "nodemo" an
// administrator on one started with --no-demo.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>

#include "call_answers.h"
#include "mwd_process.h"
#include "packets/tagged_package.h"
#include "packets/unpack.h"
#include "test_paths.h"
#include "vector_file.h"

namespace ruzi::testing {
namespace {

// A server whose users are an administrator "root" and an operator "desk".
MwdProcess* SiteServer() {
  static std::unique_ptr<MwdProcess> server;
  if (!server) {
    std::string users = FreshTestFolder("mwd-site-users") + "users";
    std::ofstream(users) << "# site users\nadministrator root r00t\noperator desk d3sk\n";
    server = std::make_unique<MwdProcess>("site", std::vector<std::string>{"--credentials", users});
  }
  return server.get();
}

// Stays open between lines: who never signs on keeps one connection.
mwd::NativeClient& Caller(const std::string& who) {
  static std::map<std::string, std::unique_ptr<mwd::NativeClient>> callers;
  static std::unique_ptr<MwdProcess> bare, no_demo;
  auto& caller = callers[who];
  if (caller) return *caller;
  if (who == "op") caller = std::make_unique<mwd::NativeClient>(SignedOnClient(FixturePort(), "4242:trader.exe"));
  if (who == "admin") caller = std::make_unique<mwd::NativeClient>(AdministratorClient(FixturePort()));
  if (who == "none") caller = std::make_unique<mwd::NativeClient>("127.0.0.1", FixturePort());
  if (who == "desk") caller = std::make_unique<mwd::NativeClient>(SignedOnClient(SiteServer()->Port(), "desk", "d3sk"));
  if (who == "root") caller = std::make_unique<mwd::NativeClient>(SignedOnClient(SiteServer()->Port(), "root", "r00t"));
  if (who == "anyone") {
    bare = std::make_unique<MwdProcess>("bare", std::vector<std::string>{}, std::vector<std::string>{"RUZI_MWD_CREDENTIALS="});
    EXPECT_NE(bare->LogText().find("every sign-on is an operator"), std::string::npos);
    caller = std::make_unique<mwd::NativeClient>(SignedOnClient(bare->Port(), "root", "r00t"));
  }
  if (who == "nodemo") {
    no_demo = std::make_unique<MwdProcess>("no-demo", std::vector<std::string>{"--no-demo"});
    caller = std::make_unique<mwd::NativeClient>(AdministratorClient(no_demo->Port()));
  }
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

// A query's answer: code|message|fields|row count|first value|rows changed.
std::string QueryText(const std::string& reply) {
  TqxPackage package(reply);
  std::string code, message, fields, affected, packet, first;
  package.GetItem("ErrCode", code);
  package.GetItem("ErrMsg", message);
  package.GetItem("vc_fields", fields);
  package.GetItem("l_rows_affected", affected);
  int32_t rows = 0;
  if (package.GetItem("vc_data", packet)) {
    TUnpack unpack(true);
    unpack.Open(packet.data(), static_cast<int32_t>(packet.size()));
    TUnpackSection& section = unpack.GetSection(0);
    rows = section.RowCount();
    section.First();
    if (rows > 0) first = section.GetField(0).GetAsString();
  }
  return code + "|" + message + "|" + fields + "|" + std::to_string(rows) + "|" + first + "|" + affected;
}

// A reply as its data (after "<message>: " when it has one), an error as "error <number>: <text>".
std::string AnswerText(const std::string& service, const std::optional<mw::Message>& answer) {
  if (!answer) return "no answer";
  if (const auto* error = std::get_if<mw::ErrorReply>(&*answer)) {
    return "error " + std::to_string(error->error_number) + ": " + error->text;
  }
  const mw::CallReply reply = ReplyOf(answer);
  if (service == "qx_query") return QueryText(reply.data);
  return reply.message.empty() ? reply.data : reply.message + ": " + reply.data;
}

// "reply" stands for any reply; "error <number>" leaves the text open; a trailing "..." the rest.
bool Matches(const std::string& got, const std::string& expected) {
  if (expected == "reply") return !got.starts_with("error ") && got != "no answer";
  if (expected.starts_with("error ") && expected.find(':') == std::string::npos) return got.starts_with(expected + ":");
  if (expected.ends_with("...")) return got.starts_with(expected.substr(0, expected.size() - 3));
  return got == expected;
}

// The lines whose caller is on the fixture's server, or the others.
void CallAsTheFileSays(bool on_the_fixture) {
  for (const VectorCase& c : ReadVectors("mw_calls.txt")) {
    ASSERT_GE(c.size(), 3u) << c[0];
    if ((c[0] == "op" || c[0] == "admin" || c[0] == "none") != on_the_fixture) continue;
    const std::string data = c.size() > 3 ? c[2] : "";
    const std::string got = AnswerText(c[1], Caller(c[0]).Ask(Request(c[1], data)));
    EXPECT_TRUE(Matches(got, c.back())) << c[0] << " " << c[1] << " " << data << "\n  got: " << got << "\n want: " << c.back();
  }
}

TEST(MiddlewareCalls, OnTheFixturesServer) { CallAsTheFileSays(true); }
TEST(MiddlewareCalls, OnServersOfTheirOwn) { CallAsTheFileSays(false); }

}  // namespace
}  // namespace ruzi::testing
