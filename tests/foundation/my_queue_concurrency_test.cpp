// TMyQueue under several producers and consumers: every item comes out exactly once, and
// each producer's items come out in the order it pushed them. Runs under TSan too.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "foundation/my_queue.h"

namespace ruzi {
namespace {

struct Item {
  int producer;
  int sequence;
};

TEST(MyQueueConcurrency, ManyProducersManyConsumersLoseNothing) {
  constexpr int kProducers = 6;
  constexpr int kConsumers = 3;
  constexpr int kPerProducer = 20000;
  std::atomic<int> released{0};
  TMyQueue queue([&released](void* data) {
    delete static_cast<Item*>(data);
    ++released;
  });
  std::atomic<int> producers_left{kProducers};
  // Per consumer, per producer: the last sequence seen (order within one consumer must rise).
  std::vector<std::vector<int>> last(kConsumers, std::vector<int>(kProducers, -1));
  std::vector<std::vector<int>> seen(kProducers, std::vector<int>(kPerProducer, 0));
  std::atomic<bool> order_broken{false};
  std::vector<std::thread> threads;
  for (int p = 0; p < kProducers; ++p) {
    threads.emplace_back([&, p] {
      for (int s = 0; s < kPerProducer; ++s) queue.Push(new Item{p, s});
      --producers_left;
    });
  }
  std::vector<std::vector<Item>> taken(kConsumers);
  for (int c = 0; c < kConsumers; ++c) {
    threads.emplace_back([&, c] {
      for (;;) {
        const bool done = producers_left.load() == 0;
        if (queue.Count() < 0) order_broken = true;  // a lock-free snapshot read while others push
        // Consumer 0 takes batches, the others single items: both must interleave safely.
        void* batch[64];
        const size_t count = c == 0 ? queue.PopMany(batch, 64) : (batch[0] = queue.Pop()) != nullptr;
        if (count == 0) {
          if (done) return;
          std::this_thread::yield();
          continue;
        }
        for (size_t i = 0; i < count; ++i) {
          auto* item = static_cast<Item*>(batch[i]);
          if (item->sequence <= last[c][item->producer]) order_broken = true;
          last[c][item->producer] = item->sequence;
          taken[c].push_back(*item);
          delete item;
        }
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_FALSE(order_broken.load());
  for (const auto& items : taken) {
    for (const Item& item : items) ++seen[item.producer][item.sequence];
  }
  for (int p = 0; p < kProducers; ++p) {
    for (int s = 0; s < kPerProducer; ++s) ASSERT_EQ(seen[p][s], 1) << p << "/" << s;
  }
  EXPECT_EQ(queue.Count(), 0);
  EXPECT_EQ(released.load(), 0);  // nothing was left for the queue to release
}

}  // namespace
}  // namespace ruzi
