#include "foundation/log_producer_queue.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace ruzi {
namespace {

constexpr size_t kBlockBytes = 64 * 1024;
constexpr int kSpareBlocks = 16;

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
  StartBlock(0);  // here, not in the initialiser list: it reads the spares
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
      reused_.store(reused_.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
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
  // Blocks handed back and not yet taken: a count that may lag, never one that runs away.
  const int64_t spares = recycled_.load(std::memory_order_relaxed) - reused_.load(std::memory_order_relaxed);
  if (spares >= kSpareBlocks) {
    FreeBlock(block);
    return;
  }
  recycled_.store(recycled_.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
  Block* top = returned_.load(std::memory_order_relaxed);
  do {
    block->next.store(top, std::memory_order_relaxed);
  } while (!returned_.compare_exchange_weak(top, block, std::memory_order_release, std::memory_order_relaxed));
}

void LogProducerQueue::StartBlock(size_t bytes) {
  Block* next = NewBlock(bytes);
  if (tail_ != nullptr) tail_->next.store(next, std::memory_order_release);
  tail_ = next;
  tail_data_ = next->Data();
  tail_capacity_ = next->capacity;
  tail_committed_ = &next->committed;
  tail_used_ = 0;
}

bool LogProducerQueue::Read(Cursor& at, LogRecord& record) const {
  // The committed end is looked at again only once the one seen last is reached: the
  // producer's line holding it is not pulled across on every record.
  while (at.offset >= at.end) {
    at.end = at.block->committed.load(std::memory_order_acquire);
    if (at.offset < at.end) break;
    Block* next = at.block->next.load(std::memory_order_acquire);
    if (next == nullptr) return false;
    // The producer commits a block's last record before linking the next one.
    at.end = at.block->committed.load(std::memory_order_acquire);
    if (at.offset < at.end) break;
    at.block = next;
    at.offset = 0;
    at.end = 0;
  }
  const char* data = at.block->Data() + at.offset;
  LogRecordHeader header;
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
