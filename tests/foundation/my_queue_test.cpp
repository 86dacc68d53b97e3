// TMyQueue on one thread against a deque: order, batches, the empty queue, and the release of
// what is still queued by Clear and the destructor (popped items belong to the caller again).
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <set>

#include "foundation/my_queue.h"

namespace ruzi {
namespace {

TEST(MyQueue, RandomStepsAgreeWithADeque) {
  std::mt19937 random(13);
  std::multiset<void*> released, expected_released;
  {
    TMyQueue queue([&released](void* data) { released.insert(data); });
    std::deque<void*> model;
    for (intptr_t step = 1; step <= 20000; ++step) {
      const unsigned what = random() % 16;
      if (what < 8) {
        void* item = what == 0 ? nullptr : reinterpret_cast<void*>(step * 16 + 8);  // null items do not stop a clear
        queue.Push(item);
        model.push_back(item);
      } else if (what < 12) {
        ASSERT_EQ(queue.Pop(), model.empty() ? nullptr : model.front());
        if (!model.empty()) model.pop_front();
      } else if (what < 15) {
        void* out[16] = {};
        const size_t max = random() % 17, taken = queue.PopMany(out, max);
        ASSERT_EQ(taken, std::min(max, model.size()));
        for (size_t i = 0; i < taken; ++i, model.pop_front()) ASSERT_EQ(out[i], model.front());
      } else if (random() % 8 == 0) {
        queue.Clear();
        for (void* item : model) if (item) expected_released.insert(item);
        model.clear();
        ASSERT_EQ(released, expected_released);
      }
      ASSERT_EQ(queue.Count(), static_cast<int64_t>(model.size()));
    }
    for (void* item : model) if (item) expected_released.insert(item);
  }
  EXPECT_EQ(released, expected_released);
}

}  // namespace
}  // namespace ruzi
