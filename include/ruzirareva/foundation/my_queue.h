#pragma once
// TMyQueue: a first-in first-out queue of caller-allocated blocks that any number of threads
// may push to and pop from. Blocks still queued when it is cleared or destroyed go to the
// queue's deleter. Clear and the destructor belong to the queue's owner, once no other thread uses
// it.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/data_deleter.h"

namespace ruzi {

class RUZI_API TMyQueue {
 public:
  explicit TMyQueue(DataDeleter deleter = {});
  ~TMyQueue();
  TMyQueue(const TMyQueue&) = delete;
  TMyQueue& operator=(const TMyQueue&) = delete;

  void Push(void* item);
  // Null when the queue is empty.
  void* Pop();
  // Up to `max` items in order under one lock (a consumer taking a batch does not contend
  // with the producers once per item). Returns how many were taken.
  size_t PopMany(void** out, size_t max);
  // Pops and releases every item.
  void Clear();
  // A snapshot, read without the lock.
  int64_t Count() const { return count_.load(std::memory_order_relaxed); }

 private:
  std::mutex lock_;
  std::deque<void*> items_;
  std::atomic<int64_t> count_{0};
  DataDeleter deleter_;
};

}  // namespace ruzi
