// Eight threads, each with a context of its own, calling at the same time: every answer is
// the caller's own, and the server sees one session per thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "client_calls.h"
#include "client_entries.h"
#include "mwd_server.h"
#include "packets/tagged_package.h"

namespace ruzi::testing {
namespace {

TEST(ClientThreads, EightThreadsEachWithItsOwnContext) {
  constexpr int kThreads = 8;
  constexpr int kCalls = 25;
  UseFixtureServer();
  const std::string run = "thr" + std::to_string(GetTickCount());
  std::vector<int32_t> contexts(kThreads, -1);
  std::vector<int> good(kThreads, 0);
  std::vector<std::string> failures(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      if (SignOn(32, "thread" + std::to_string(t)) != 0) {
        failures[t] = Client().tpstrerror(Client().gettperrno());
        return;
      }
      Client().tpgetctxt(&contexts[t], 0);
      for (int i = 0; i < kCalls; ++i) {
        const std::string request = "<m>" + run + "-" + std::to_string(t) + "-" + std::to_string(i) + "</m>";
        TextCall call = CallText("demo_echo", request);
        std::string echoed;
        TqxPackage(call.reply).GetItem("Request", echoed);
        if (call.status == 0 && echoed == request) {
          ++good[t];
        } else {
          failures[t] = call.error_text + " / " + call.reply;
        }
      }
      Client().tpterm();
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_EQ(good[t], kCalls) << "thread " << t << ": " << failures[t];
  }
  EXPECT_EQ(std::set<int32_t>(contexts.begin(), contexts.end()).size(), static_cast<size_t>(kThreads));

  ASSERT_EQ(SignOn(), 0);
  std::vector<AuditEntry> rows = AuditWith(run);
  Client().tpterm();
  ASSERT_EQ(rows.size(), static_cast<size_t>(kThreads * kCalls));
  std::map<std::string, std::set<std::string>> sessions_of_thread;
  std::set<std::string> sessions;
  for (const AuditEntry& row : rows) {
    std::string thread = row.request.substr(row.request.find('-') + 1);
    thread = thread.substr(0, thread.find('-'));
    sessions_of_thread[thread].insert(row.session);
    sessions.insert(row.session);
  }
  ASSERT_EQ(sessions_of_thread.size(), static_cast<size_t>(kThreads));
  for (const auto& [thread, its_sessions] : sessions_of_thread) EXPECT_EQ(its_sessions.size(), 1u) << thread;
  EXPECT_EQ(sessions.size(), static_cast<size_t>(kThreads));
}

}  // namespace
}  // namespace ruzi::testing
