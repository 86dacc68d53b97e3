// Many clients at once against a server running in this process, so the sanitizers see the
// server's threads: no answer reaches the wrong caller, the counters come back to zero and
// the trail holds every call exactly once.
#include <gtest/gtest.h>

#include <thread>

#include "audit_reader.h"
#include "mwd_process.h"
#include "server.h"
#include "test_paths.h"

namespace ruzi::testing {
namespace {

TEST(MiddlewareServerConcurrency, EightClientsGetOnlyTheirOwnAnswers) {
  std::string folder = FreshTestFolder("mwd-concurrency");
  mwd::ServerOptions options;
  options.database = folder + "mwd.db";
  options.log_directory = folder;
  auto server = std::make_unique<mwd::Server>(options);
  std::thread running([&] { server->Run(); });
  uint16_t port = server->Port();

  constexpr int kClients = 8;
  constexpr int kCalls = 150;
  std::vector<int> mismatches(kClients, 0);
  OnClients(port, kClients, [&](mwd::NativeClient& client, int c) {
    for (int i = 0; i < kCalls; ++i) {
      std::string request = "c" + std::to_string(c) + "-" + std::to_string(i);
      std::string service = i % 3 == 0 ? "demo_carray" : "demo_echo";
      auto answer = client.Call(service, request, i % 2 ? 30000 : 0);
      std::string expected = service == "demo_carray" ? request
                                                      : "<ErrCode>0</ErrCode><ErrMsg></ErrMsg><Request>" + request + "</Request>";
      mismatches[c] += !answer || !std::holds_alternative<mw::CallReply>(*answer) ||
                       std::get<mw::CallReply>(*answer).data != expected;
    }
  });
  for (int c = 0; c < kClients; ++c) EXPECT_EQ(mismatches[c], 0) << "client " << c;
  EXPECT_EQ(server->State().calls_in_progress.load(), 0u);

  server->Stop();
  running.join();
  EXPECT_EQ(server->State().sessions.load(), 0u);
  server.reset();

  const std::string calls = std::to_string(kClients * kCalls);
  EXPECT_EQ(Column(folder + "mwd.db", "SELECT count(*) || '/' || count(DISTINCT request) FROM mw_audit"),
            std::vector<std::string>{calls + "/" + calls});
}

}  // namespace
}  // namespace ruzi::testing
