#pragma once
// The lines one thread hands to one log writer: a chain of blocks that the thread appends
// records to and the writer's thread reads, with no lock between the two. A line is copied
// into the current block; a new block is needed once per block's worth of lines, and the
// reader hands emptied blocks back for reuse (up to a megabyte of them), so a steady logger,
// bursts included, allocates nothing.
//
// One thread pushes, one reads. The read position moves only through Release, so a reader
// stopped between reading and releasing leaves every record it had not released in place.
//
// The two threads share as few cache lines as they can: what the producer writes on every
// line sits on lines of its own, the reader looks at a block's committed end only once it
// has read up to the end it last saw, and neither side does an atomic read-modify-write on a
// line's way in (only once per block, taking back the reader's emptied blocks).
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
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

// How a record lies in a block: this header, the sub-name, the text, padding to 8 bytes.
struct LogRecordHeader {
  uint64_t stamp;
  uint32_t size;
  uint32_t msg_size;
  uint32_t sub_size;
  int32_t level;
  uint32_t log_type;
  uint32_t unused;
};

class LogProducerQueue {
 public:
  struct Block;
  struct Cursor {
    Block* block = nullptr;
    size_t offset = 0;
    size_t end = 0;     // the block's committed bytes when last looked at
    int64_t lines = 0;  // lines read before this position, ever
    int64_t bytes = 0;  // and their bytes
  };

  explicit LogProducerQueue(uint32_t thread_id = 0);
  ~LogProducerQueue();
  LogProducerQueue(const LogProducerQueue&) = delete;
  LogProducerQueue& operator=(const LogProducerQueue&) = delete;

  // The producing thread only; the record's thread id is not looked at. Inline: it is the
  // caller's whole cost of a line.
  void Push(const LogRecord& record) {
    const size_t bytes = (sizeof(LogRecordHeader) + record.sub_name.size() + record.msg.size() + 7) & ~size_t{7};
    if (tail_used_ + bytes > tail_capacity_) [[unlikely]] StartBlock(bytes);
    char* at = tail_data_ + tail_used_;
    new (at) LogRecordHeader{record.stamp,
                             static_cast<uint32_t>(bytes),
                             static_cast<uint32_t>(record.msg.size()),
                             static_cast<uint32_t>(record.sub_name.size()),
                             record.level,
                             static_cast<uint32_t>(record.log_type),
                             0};
    at += sizeof(LogRecordHeader);
    if (!record.sub_name.empty()) std::memcpy(at, record.sub_name.data(), record.sub_name.size());
    if (!record.msg.empty()) std::memcpy(at + record.sub_name.size(), record.msg.data(), record.msg.size());
    tail_used_ += bytes;
    tail_committed_->store(tail_used_, std::memory_order_release);
    pushed_bytes_.store(pushed_bytes_.load(std::memory_order_relaxed) + static_cast<int64_t>(bytes),
                        std::memory_order_relaxed);
    pushed_.store(pushed_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
  }
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
  // Lines pushed and not yet released; the reading thread only.
  int64_t Waiting() const { return Pushed() - head_.lines; }

  // The producing thread has ended: once empty the queue can be forgotten.
  void MarkProducerGone() { producer_gone_.store(true, std::memory_order_release); }
  bool ProducerGone() const { return producer_gone_.load(std::memory_order_acquire); }

 private:
  Block* NewBlock(size_t bytes);
  // Links a block with room for `bytes` after the tail and makes it the tail.
  void StartBlock(size_t bytes);
  void Recycle(Block* block);

  // Producer's: written on every line. The tail block's data, size and committed count are
  // kept here so a push reads nothing else.
  alignas(64) Block* tail_ = nullptr;
  char* tail_data_ = nullptr;
  size_t tail_capacity_ = 0;
  std::atomic<size_t>* tail_committed_ = nullptr;
  size_t tail_used_ = 0;
  std::atomic<int64_t> pushed_{0};
  std::atomic<int64_t> pushed_bytes_{0};
  Block* free_ = nullptr;             // emptied blocks taken back from the reader
  std::atomic<int64_t> reused_{0};    // blocks ever taken back
  // Reader's: written once a pass.
  alignas(64) Cursor head_;
  std::atomic<int64_t> released_bytes_{0};
  std::atomic<int64_t> recycled_{0};  // blocks ever handed back
  const uint32_t thread_id_;
  // Shared: emptied blocks the reader handed back, a stack only the reader pushes to and the
  // producer takes whole.
  alignas(64) std::atomic<Block*> returned_{nullptr};
  std::atomic<bool> producer_gone_{false};
};

}  // namespace ruzi
