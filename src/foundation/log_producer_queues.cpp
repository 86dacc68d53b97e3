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
  uint64_t last_serial = 0;
  LogProducerQueue* last = nullptr;
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

LogProducerQueues::LogProducerQueues() : serial_(next_serial.fetch_add(1)) {}

LogProducerQueues::~LogProducerQueues() {
  // Threads still holding a queue of ours keep it until they end or log to a new writer.
  for (auto& queue : queues_) queue->MarkProducerGone();
}

LogProducerQueue& LogProducerQueues::ForThisThread() {
  ThreadQueues& mine = ThisThread();
  if (mine.last_serial == serial_) return *mine.last;
  for (auto& [serial, queue] : mine.entries) {
    if (serial == serial_) {
      mine.last_serial = serial_;
      mine.last = queue.get();
      return *queue;
    }
  }
  return Register();
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
  mine.last_serial = serial_;
  mine.last = queue.get();
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
