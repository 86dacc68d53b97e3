// Per-thread objects: one per thread, kept across calls, destroyed when the thread ends.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <latch>
#include <set>
#include <thread>
#include <vector>

#include "platform/thread_slot.h"

namespace ruzi::platform {
namespace {

std::atomic<int> g_alive{0};
std::atomic<int> g_destroyed{0};

struct Counted {
  Counted() { ++g_alive; }
  ~Counted() {
    --g_alive;
    ++g_destroyed;
  }
  int uses = 0;
};

TEST(ThreadSlot, EachThreadKeepsItsOwnObjectUntilItEnds) {
  static ThreadSlot<Counted> slot;
  g_destroyed = 0;
  const int before = g_alive;
  constexpr int kThreads = 8;
  std::vector<const Counted*> seen(kThreads);
  // All threads alive at once, so a freed object's address cannot come round again.
  std::latch all_seen(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &seen, &all_seen] {
      for (int i = 0; i < 5; ++i) ++slot.Get().uses;
      EXPECT_EQ(slot.Get().uses, 5) << "the same object at every call on a thread";
      seen[t] = &slot.Get();
      all_seen.arrive_and_wait();
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(std::set<const Counted*>(seen.begin(), seen.end()).size(), size_t{kThreads});

  // The clean-up runs as each thread leaves, which may finish a moment after the join.
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (g_destroyed < kThreads && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(g_destroyed.load(), kThreads);
  EXPECT_EQ(g_alive.load(), before);

  // This thread's object is made on first use and then kept.
  Counted& mine = slot.Get();
  EXPECT_EQ(mine.uses, 0);
  EXPECT_EQ(&slot.Get(), &mine);
}

}  // namespace
}  // namespace ruzi::platform
