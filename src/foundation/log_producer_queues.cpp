#include "foundation/log_producer_queues.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include "platform/process_ids.h"
#include "platform/thread_slot.h"

namespace ruzi {
namespace {

std::atomic<uint64_t> next_serial{1};

// One thread's queues, by the serial of the writer they feed. When the thread ends each
// queue learns that no more lines will come.
struct ThreadQueues {
  LastLogQueue last;  // the Windows build's; natively a thread_local stands in
  std::vector<std::pair<uint64_t, std::shared_ptr<LogProducerQueue>>> entries;

  ~ThreadQueues() {
    for (auto& entry : entries) entry.second->MarkProducerGone();
  }
};

ThreadQueues& ThisThread() {
  static platform::ThreadSlot<ThreadQueues> slot;
  return slot.Get();
}

}  // namespace

#if defined(_WIN32)
LastLogQueue& LastLogQueueOfThisThread() { return ThisThread().last; }
#endif

LogProducerQueues::LogProducerQueues() : serial_(next_serial.fetch_add(1)) {}

LogProducerQueues::~LogProducerQueues() {
  // Threads still holding a queue of ours keep it until they end or log to a new writer.
  for (auto& queue : queues_) queue->MarkProducerGone();
}

LogProducerQueue& LogProducerQueues::Find(LastLogQueue& last) {
  for (auto& [serial, queue] : ThisThread().entries) {
    if (serial == serial_) {
      last = {serial_, queue.get()};
      return *queue;
    }
  }
  LogProducerQueue& queue = Register();
  last = {serial_, &queue};
  return queue;
}

LogProducerQueue& LogProducerQueues::Register() {
  ThreadQueues& mine = ThisThread();
  // Queues of writers that are gone (marked by their destructor) are dropped here.
  std::erase_if(mine.entries, [](const auto& entry) { return entry.second->ProducerGone(); });
  auto queue = std::make_shared<LogProducerQueue>(platform::CurrentThreadId());
  {
    std::lock_guard guard(lock_);
    queues_.push_back(queue);
  }
  mine.entries.emplace_back(serial_, queue);
  return *queue;
}

bool LogProducerQueues::Snapshot(std::vector<std::shared_ptr<LogProducerQueue>>& out, bool try_only) {
  std::unique_lock guard(lock_, std::defer_lock);
  if (try_only) {
    if (!guard.try_lock()) return false;
  } else {
    guard.lock();
  }
  for (auto it = queues_.begin(); it != queues_.end();) {
    if ((*it)->ProducerGone() && (*it)->Empty()) {
      forgotten_pushed_ += (*it)->Pushed();
      it = queues_.erase(it);
    } else {
      ++it;
    }
  }
  out = queues_;
  return true;
}

int64_t LogProducerQueues::Pushed() {
  std::lock_guard guard(lock_);
  int64_t total = forgotten_pushed_;
  for (const auto& queue : queues_) total += queue->Pushed();
  return total;
}

}  // namespace ruzi
