// The DES engine keeps its schedules process-wide: without the lock, threads enciphering under
// different keys would run each other's schedules.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "security/encrypt_public.h"

namespace ruzi {
namespace {

TEST(DesEngineConcurrency, ThreadsWithDifferentKeysGetTheirOwnResults) {
  constexpr int kThreads = 4;
  constexpr int kRounds = 400;
  std::vector<std::string> keys, plains, expected;
  for (int t = 0; t < kThreads; ++t) {
    keys.push_back("key" + std::to_string(t));
    plains.push_back("password" + std::to_string(t));
    expected.push_back(Encrypt3DES(1, keys[t], plains[t], etEncrypt));
  }
  std::atomic<int> mismatches{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < kRounds; ++round) {
        if (Encrypt3DES(1, keys[t], plains[t], etEncrypt) != expected[t]) ++mismatches;
        if (Decrypt3DES(1, keys[t], expected[t], etEncrypt) != plains[t]) ++mismatches;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(mismatches.load(), 0);
}

}  // namespace
}  // namespace ruzi
