// The WAL's limit is a ceiling under a load that never pauses, not only what a restart cuts
// the file back to: looked at every few milliseconds while four clients store requests that
// do not compress, the file never passes its limit by more than two batches of the audit queue
// (a batch's rows take more room in the WAL than in the queue: whole pages, their headers, the index).
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <random>
#include <thread>

#include "mwd_process.h"

namespace ruzi::testing {
namespace {

TEST(MiddlewareServerWal, TheLimitHoldsWhileTheLoadGoesOn) {
  constexpr uint64_t kLimit = 4u << 20;
  constexpr uint64_t kBatch = 1u << 20;  // --audit-queue-mb 1: the largest batch
  MwdProcess server("wal-ceiling", {"--wal-max-mb", "4", "--audit-queue-mb", "1", "--audit-max-mb", "0"});
  std::atomic<bool> stop{false};
  std::vector<std::thread> clients;
  for (int t = 0; t < 4; ++t) {
    clients.emplace_back([&, t] {
      mwd::NativeClient client = SignedOnClient(server.Port(), "load");
      std::mt19937 random(static_cast<unsigned>(t));
      std::string request(16 * 1024, '\0');
      while (!stop) {
        for (char& c : request) c = static_cast<char>(random());
        client.Call("demo_echo", request);
      }
    });
  }
  const std::string wal = server.Database() + "-wal";
  uint64_t largest = 0;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(8);
  while (std::chrono::steady_clock::now() < end) {
    std::error_code ignored;
    largest = std::max<uint64_t>(largest, std::filesystem::file_size(wal, ignored));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  stop = true;
  for (auto& client : clients) client.join();
  const uint64_t stored = std::filesystem::file_size(server.Database());
  EXPECT_GT(stored, 3 * kLimit);  // the load wrote several limits' worth through the WAL
  EXPECT_LE(largest, kLimit + 2 * kBatch) << "stored " << stored;
}

}  // namespace
}  // namespace ruzi::testing
