#include "ruzirareva/treedata/large_block_allocator.h"

#include <atomic>
#include <new>

#include "platform/large_pages.h"
#include "treedata/large_blocks.h"

namespace ruzi {

namespace {

constexpr std::size_t kLargeArrayFrom = std::size_t{1} << 20;
std::atomic<std::size_t> g_largeBytes{0};

}  // namespace

void* AllocateLargeBlock(std::size_t Bytes) {
  void* block = platform::AllocateLargePageBlock(Bytes);
  if (block == nullptr) throw std::bad_alloc();
  g_largeBytes += Bytes;
  return block;
}

void FreeLargeBlock(void* Block, std::size_t Bytes) {
  if (Block == nullptr) return;
  platform::FreeLargePageBlock(Block, Bytes);
  g_largeBytes -= Bytes;
}

std::size_t LargeBlockBytesInUse() { return g_largeBytes; }

void* AllocateTreeArray(std::size_t Bytes) {
  return Bytes < kLargeArrayFrom ? ::operator new(Bytes) : AllocateLargeBlock(Bytes);
}

void FreeTreeArray(void* Array, std::size_t Bytes) {
  if (Bytes < kLargeArrayFrom) {
    ::operator delete(Array);
  } else {
    FreeLargeBlock(Array, Bytes);
  }
}

}  // namespace ruzi
