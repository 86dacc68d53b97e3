#include "foundation/log_producer_queue.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace ruzi {
namespace {

constexpr size_t kBlockBytes = 64 * 1024;
constexpr int kSpareBlocks = 16;

// How a record lies in a block: this header, the sub-name, the text, padding to 8 bytes.
struct RecordHeader {
  uint64_t stamp;
  uint32_t size;
  uint32_t msg_size;
  uint32_t sub_size;
  int32_t level;
  uint32_t log_type;
};

size_t RecordBytes(const LogRecord& record) {
  return (sizeof(RecordHeader) + record.sub_name.size() + record.msg.size() + 7) & ~size_t{7};
}

}  // namespace

struct LogProducerQueue::Block {
  std::atomic<Block*> next{nullptr};
  std::atomic<size_t> committed{0};  // bytes the reader may read
  size_t capacity = 0;
  size_t reserved = 0;  // keeps the data 16-byte aligned
  char* Data() { return reinterpret_cast<char*>(this + 1); }
};

namespace {

void FreeBlock(LogProducerQueue::Block* block) {
  block->~Block();
  ::operator delete(block);
}

void FreeChain(LogProducerQueue::Block* block) {
  while (block != nullptr) {
    LogProducerQueue::Block* next = block->next.load(std::memory_order_relaxed);
    FreeBlock(block);
    block = next;
  }
}

}  // namespace

LogProducerQueue::LogProducerQueue(uint32_t thread_id) : thread_id_(thread_id) {
  tail_ = NewBlock(kBlockBytes);  // here, not in the initialiser list: it reads the spares
  head_.block = tail_;
}

LogProducerQueue::~LogProducerQueue() {
  FreeChain(head_.block);
  FreeChain(free_);
  FreeChain(returned_.load());
}

LogProducerQueue::Block* LogProducerQueue::NewBlock(size_t bytes) {
  if (bytes <= kBlockBytes) {
    if (free_ == nullptr) free_ = returned_.exchange(nullptr, std::memory_order_acquire);
    if (Block* spare = free_) {
      free_ = spare->next.load(std::memory_order_relaxed);
      spare_count_.fetch_sub(1, std::memory_order_relaxed);
      spare->next.store(nullptr, std::memory_order_relaxed);
      spare->committed.store(0, std::memory_order_relaxed);
      return spare;
    }
  }
  const size_t capacity = std::max(bytes, kBlockBytes);
  auto* block = new (::operator new(sizeof(Block) + capacity)) Block;
  block->capacity = capacity;
  // Fresh memory costs a page fault per page on first touch: taken here, in this one call,
  // rather than by one line in every few dozen.
  if (capacity == kBlockBytes) std::memset(block->Data(), 0, capacity);
  return block;
}

void LogProducerQueue::Recycle(Block* block) {
  if (block->capacity != kBlockBytes) {
    FreeBlock(block);
    return;
  }
  if (spare_count_.load(std::memory_order_relaxed) >= kSpareBlocks) {
    FreeBlock(block);
    return;
  }
  spare_count_.fetch_add(1, std::memory_order_relaxed);
  Block* top = returned_.load(std::memory_order_relaxed);
  do {
    block->next.store(top, std::memory_order_relaxed);
  } while (!returned_.compare_exchange_weak(top, block, std::memory_order_release, std::memory_order_relaxed));
}

void LogProducerQueue::Push(const LogRecord& record) {
  const size_t bytes = RecordBytes(record);
  if (tail_used_ + bytes > tail_->capacity) {
    Block* next = NewBlock(bytes);
    tail_->next.store(next, std::memory_order_release);
    tail_ = next;
    tail_used_ = 0;
  }
  char* at = tail_->Data() + tail_used_;
  const RecordHeader header{record.stamp,
                            static_cast<uint32_t>(bytes),
                            static_cast<uint32_t>(record.msg.size()),
                            static_cast<uint32_t>(record.sub_name.size()),
                            record.level,
                            static_cast<uint32_t>(record.log_type)};
  std::memcpy(at, &header, sizeof header);
  if (!record.sub_name.empty()) std::memcpy(at + sizeof header, record.sub_name.data(), record.sub_name.size());
  if (!record.msg.empty()) std::memcpy(at + sizeof header + record.sub_name.size(), record.msg.data(), record.msg.size());
  tail_used_ += bytes;
  tail_->committed.store(tail_used_, std::memory_order_release);
  pushed_bytes_.store(pushed_bytes_.load(std::memory_order_relaxed) + static_cast<int64_t>(bytes),
                      std::memory_order_relaxed);
  pushed_.store(pushed_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

bool LogProducerQueue::Read(Cursor& at, LogRecord& record) const {
  for (;;) {
    const size_t end = at.block->committed.load(std::memory_order_acquire);
    if (at.offset < end) break;
    Block* next = at.block->next.load(std::memory_order_acquire);
    if (next == nullptr) return false;
    // The producer commits a block's last record before linking the next one.
    if (at.offset < at.block->committed.load(std::memory_order_acquire)) break;
    at.block = next;
    at.offset = 0;
  }
  const char* data = at.block->Data() + at.offset;
  RecordHeader header;
  std::memcpy(&header, data, sizeof header);
  record.sub_name = std::string_view(data + sizeof header, header.sub_size);
  record.msg = std::string_view(data + sizeof header + header.sub_size, header.msg_size);
  record.level = header.level;
  record.log_type = static_cast<TLogType>(header.log_type);
  record.stamp = header.stamp;
  record.thread_id = thread_id_;
  at.offset += header.size;
  at.lines += 1;
  at.bytes += header.size;
  return true;
}

void LogProducerQueue::MoveHead(const Cursor& upto) {
  head_ = upto;
  released_bytes_.store(upto.bytes, std::memory_order_relaxed);
}

void LogProducerQueue::Release(const Cursor& upto) {
  Block* block = head_.block;
  // The position first: a reader stopped below has lost only blocks, never lines.
  MoveHead(upto);
  while (block != upto.block) {
    Block* next = block->next.load(std::memory_order_acquire);
    Recycle(block);
    block = next;
  }
}

bool LogProducerQueue::Empty() const {
  Cursor at = head_;
  LogRecord record;
  return !Read(at, record);
}

}  // namespace ruzi
