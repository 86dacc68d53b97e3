// TMyQueue on one thread: order, the empty queue, and release of what is still queued.
#include <gtest/gtest.h>

#include <set>

#include "foundation/my_queue.h"

namespace ruzi {
namespace {

void* Item(intptr_t n) { return reinterpret_cast<void*>(n * 16 + 8); }

TEST(MyQueue, FirstInFirstOutAndNullWhenEmpty) {
  TMyQueue queue;
  EXPECT_EQ(queue.Pop(), nullptr);
  for (intptr_t n = 1; n <= 1000; ++n) queue.Push(Item(n));
  EXPECT_EQ(queue.Count(), 1000);
  for (intptr_t n = 1; n <= 500; ++n) ASSERT_EQ(queue.Pop(), Item(n));
  queue.Push(Item(1001));
  for (intptr_t n = 501; n <= 1001; ++n) ASSERT_EQ(queue.Pop(), Item(n));
  EXPECT_EQ(queue.Pop(), nullptr);
  EXPECT_EQ(queue.Count(), 0);
}

TEST(MyQueue, PopManyTakesABatchInOrder) {
  TMyQueue queue;
  for (intptr_t n = 1; n <= 10; ++n) queue.Push(Item(n));
  void* out[16] = {};
  ASSERT_EQ(queue.PopMany(out, 4), 4u);
  for (intptr_t n = 1; n <= 4; ++n) EXPECT_EQ(out[n - 1], Item(n));
  EXPECT_EQ(queue.Count(), 6);
  ASSERT_EQ(queue.PopMany(out, 16), 6u);
  for (intptr_t n = 5; n <= 10; ++n) EXPECT_EQ(out[n - 5], Item(n));
  EXPECT_EQ(queue.PopMany(out, 16), 0u);
  EXPECT_EQ(queue.Count(), 0);
}

TEST(MyQueue, ClearAndDestructorReleaseQueuedItems) {
  std::multiset<void*> released;
  auto deleter = [&released](void* data) { released.insert(data); };
  {
    TMyQueue queue(deleter);
    queue.Push(Item(1));
    queue.Push(nullptr);  // a null item does not stop the clearing
    queue.Push(Item(2));
    queue.Clear();
    EXPECT_EQ(released, (std::multiset<void*>{Item(1), Item(2)}));
    EXPECT_EQ(queue.Count(), 0);
    EXPECT_EQ(queue.Pop(), nullptr);
    queue.Push(Item(3));
    queue.Push(Item(4));
    EXPECT_EQ(queue.Pop(), Item(3));  // popped items belong to the caller again
  }
  EXPECT_EQ(released, (std::multiset<void*>{Item(1), Item(2), Item(4)}));
}

}  // namespace
}  // namespace ruzi
