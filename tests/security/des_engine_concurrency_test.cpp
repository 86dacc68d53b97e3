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
  std::atomic<int> mismatches{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    const std::string key = "key" + std::to_string(t), plain = "password" + std::to_string(t);
    const std::string cipher = Encrypt3DES(1, key, plain, etEncrypt);
    threads.emplace_back([&mismatches, key, plain, cipher] {
      for (int round = 0; round < 400; ++round) {
        mismatches += Encrypt3DES(1, key, plain, etEncrypt) != cipher;
        mismatches += Decrypt3DES(1, key, cipher, etEncrypt) != plain;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(mismatches.load(), 0);
}

}  // namespace
}  // namespace ruzi
