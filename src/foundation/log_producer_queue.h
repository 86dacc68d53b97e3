#pragma once
// The lines one thread hands to one log writer: a chain of blocks that the thread appends
// records to and the writer's thread reads, with no lock between the two. A line is copied
// into the current block; a new block is needed once per block's worth of lines, and the
// reader hands emptied blocks back for reuse (up to a megabyte of them), so a steady logger,
// bursts included, allocates nothing.
//
// One thread pushes, one reads. The read position moves only through Release, so a reader
// stopped between reading and releasing leaves every record it had not released in place.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "foundation/log_type.h"

namespace ruzi {

// One line as queued: texts point into the queue's block and live until it is released.
// The time is the clock's stamp (platform::Clock::Stamp), turned into a time by the reader;
// the thread id is the queue's.
struct LogRecord {
  std::string_view msg;
  std::string_view sub_name;
  int32_t level = 0;
  TLogType log_type = ltNormal;
  uint64_t stamp = 0;
  uint32_t thread_id = 0;
};

class LogProducerQueue {
 public:
  struct Block;
  struct Cursor {
    Block* block = nullptr;
    size_t offset = 0;
    int64_t lines = 0;  // lines read before this position, ever
    int64_t bytes = 0;  // and their bytes
  };

  explicit LogProducerQueue(uint32_t thread_id = 0);
  ~LogProducerQueue();
  LogProducerQueue(const LogProducerQueue&) = delete;
  LogProducerQueue& operator=(const LogProducerQueue&) = delete;

  // The producing thread only; the record's thread id is not looked at.
  void Push(const LogRecord& record);
  // Lines ever pushed; any thread.
  int64_t Pushed() const { return pushed_.load(std::memory_order_acquire); }
  // Bytes pushed and not yet released; any thread.
  int64_t BacklogBytes() const {
    return pushed_bytes_.load(std::memory_order_relaxed) - released_bytes_.load(std::memory_order_relaxed);
  }

  // The reading thread only (or whoever took its place once it is gone).
  Cursor Head() const { return head_; }
  // Reads the record at `at` and moves `at` past it; false when nothing more is there.
  bool Read(Cursor& at, LogRecord& record) const;
  // Everything before `upto` has been dealt with: its blocks go back for reuse.
  void Release(const Cursor& upto);
  // Moves the read position only (what Release does first), for whoever finishes the work of
  // a reader that was stopped part-way through releasing; the blocks before it are left.
  void MoveHead(const Cursor& upto);
  bool Empty() const;

  // The producing thread has ended: once empty the queue can be forgotten.
  void MarkProducerGone() { producer_gone_.store(true, std::memory_order_release); }
  bool ProducerGone() const { return producer_gone_.load(std::memory_order_acquire); }

 private:
  Block* NewBlock(size_t bytes);
  void Recycle(Block* block);

  const uint32_t thread_id_;
  // Producer's.
  Block* tail_ = nullptr;
  size_t tail_used_ = 0;
  std::atomic<int64_t> pushed_{0};
  std::atomic<int64_t> pushed_bytes_{0};
  // Reader's.
  Cursor head_;
  std::atomic<int64_t> released_bytes_{0};
  Block* free_ = nullptr;  // emptied blocks taken back from the reader
  // Shared: emptied blocks the reader handed back (a stack only the reader pushes to and the
  // producer takes whole), and how many blocks both hold.
  std::atomic<Block*> returned_{nullptr};
  std::atomic<int> spare_count_{0};
  std::atomic<bool> producer_gone_{false};
};

}  // namespace ruzi
