// TMyQueue under several producers and consumers (one taking batches): every item comes out
// exactly once, each producer's items in the order it pushed them. Runs under TSan too.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "foundation/my_queue.h"

namespace ruzi {

TEST(MyQueueConcurrency, ManyProducersManyConsumersLoseNothing) {
  constexpr int kProducers = 6, kConsumers = 3, kPerProducer = 20000;
  std::atomic<int> released{0}, producers_left{kProducers};
  TMyQueue queue([&released](void*) { ++released; });
  // Per consumer and producer, the next sequence number above the last seen; per item, its count.
  std::vector<std::vector<int>> above(kConsumers, std::vector<int>(kProducers, 0));
  std::vector<std::atomic<int>> seen(kProducers * kPerProducer);
  std::atomic<bool> order_broken{false};
  std::vector<std::thread> threads;
  for (intptr_t p = 0; p < kProducers; ++p) {
    threads.emplace_back([&, p] {
      for (intptr_t s = 0; s < kPerProducer; ++s) queue.Push(reinterpret_cast<void*>(p * kPerProducer + s + 1));
      --producers_left;
    });
  }
  for (int c = 0; c < kConsumers; ++c) {
    threads.emplace_back([&, c] {
      for (;;) {
        const bool done = producers_left.load() == 0;
        if (queue.Count() < 0) order_broken = true;  // a lock-free snapshot read while others push
        void* batch[64];
        const size_t count = c == 0 ? queue.PopMany(batch, 64) : (batch[0] = queue.Pop()) != nullptr;
        if (count == 0 && done) return;
        if (count == 0) std::this_thread::yield();
        for (size_t i = 0; i < count; ++i) {
          const auto item = reinterpret_cast<intptr_t>(batch[i]) - 1;
          const auto producer = static_cast<size_t>(item / kPerProducer);
          const auto sequence = static_cast<int>(item % kPerProducer);
          if (sequence < above[c][producer]) order_broken = true;
          above[c][producer] = sequence + 1;
          ++seen[static_cast<size_t>(item)];
        }
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_FALSE(order_broken.load());
  for (size_t item = 0; item < seen.size(); ++item) ASSERT_EQ(seen[item].load(), 1) << item;
  EXPECT_EQ(queue.Count(), 0);
  EXPECT_EQ(released.load(), 0);  // nothing was left for the queue to release
}

}  // namespace ruzi
