#pragma once
// Every producing thread's queue of one log writer. A thread finds its own queue through a
// per-thread table (no lock, no allocation after its first line); the writer's thread takes a
// snapshot of all of them each pass. A queue whose thread has ended is forgotten once read
// empty, its count of lines kept.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "foundation/log_producer_queue.h"

namespace ruzi {

// The queue a thread pushed to last, and the serial of its writer: looked at before anything
// else. Natively a thread_local (a few instructions); under MinGW, where a thread_local brings
// the runtime's thread-exit key into the DLL, kept with the thread's other queues.
struct LastLogQueue {
  uint64_t serial = 0;
  LogProducerQueue* queue = nullptr;
};
#if defined(_WIN32)
LastLogQueue& LastLogQueueOfThisThread();
#else
inline LastLogQueue& LastLogQueueOfThisThread() {
  thread_local LastLogQueue last;
  return last;
}
#endif

class LogProducerQueues {
 public:
  LogProducerQueues();
  ~LogProducerQueues();
  LogProducerQueues(const LogProducerQueues&) = delete;
  LogProducerQueues& operator=(const LogProducerQueues&) = delete;

  // The calling thread's queue, made on its first line.
  LogProducerQueue& ForThisThread() {
    LastLogQueue& last = LastLogQueueOfThisThread();
    if (last.serial == serial_) [[likely]] return *last.queue;
    return Find(last);
  }

  // Replaces `out` with the queues now known, forgetting ended threads' empty ones. With
  // `try_only` (process exit: a thread killed in here holds the lock for ever) it gives up,
  // returning false, when the lock is taken.
  bool Snapshot(std::vector<std::shared_ptr<LogProducerQueue>>& out, bool try_only = false);
  // Lines ever pushed by every thread.
  int64_t Pushed();

 private:
  LogProducerQueue& Find(LastLogQueue& last);
  LogProducerQueue& Register();

  const uint64_t serial_;  // never reused, so a thread's table cannot mistake a later writer for us
  std::mutex lock_;
  std::vector<std::shared_ptr<LogProducerQueue>> queues_;
  int64_t forgotten_pushed_ = 0;
};

}  // namespace ruzi
