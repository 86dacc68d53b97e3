#include "foundation/my_queue.h"

#include <algorithm>

namespace ruzi {

TMyQueue::TMyQueue(DataDeleter deleter) : deleter_(std::move(deleter)) {}

TMyQueue::~TMyQueue() { Clear(); }

void TMyQueue::Push(void* item) {
  std::lock_guard guard(lock_);
  items_.push_back(item);
  count_.store(static_cast<int64_t>(items_.size()), std::memory_order_relaxed);
}

void* TMyQueue::Pop() {
  std::lock_guard guard(lock_);
  if (items_.empty()) return nullptr;
  void* item = items_.front();
  items_.pop_front();
  count_.store(static_cast<int64_t>(items_.size()), std::memory_order_relaxed);
  return item;
}

size_t TMyQueue::PopMany(void** out, size_t max) {
  std::lock_guard guard(lock_);
  const size_t count = std::min(max, items_.size());
  std::copy_n(items_.begin(), count, out);
  items_.erase(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(count));
  count_.store(static_cast<int64_t>(items_.size()), std::memory_order_relaxed);
  return count;
}

void TMyQueue::Clear() {
  std::deque<void*> taken;
  {
    std::lock_guard guard(lock_);
    taken.swap(items_);
    count_.store(0, std::memory_order_relaxed);
  }
  // Released outside the lock: a deleter may be slow or touch other queues.
  for (void* item : taken) {
    if (item != nullptr && deleter_) deleter_(item);
  }
}

}  // namespace ruzi
