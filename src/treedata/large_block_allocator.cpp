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

void* AllocateBlock(std::size_t Bytes, std::size_t LargeFrom) {
  if (Bytes < LargeFrom) return ::operator new(Bytes);
  void* block = platform::AllocateLargePageBlock(Bytes);
  if (block == nullptr) throw std::bad_alloc();
  g_largeBytes += Bytes;
  return block;
}

void FreeBlock(void* Block, std::size_t Bytes, std::size_t LargeFrom) {
  if (Bytes < LargeFrom) {
    ::operator delete(Block);
  } else if (Block != nullptr) {
    platform::FreeLargePageBlock(Block, Bytes);
    g_largeBytes -= Bytes;
  }
}

std::size_t LargeBlockBytesInUse() { return g_largeBytes; }

void* AllocateTreeArray(std::size_t Bytes) { return AllocateBlock(Bytes, kLargeArrayFrom); }

void FreeTreeArray(void* Array, std::size_t Bytes) { FreeBlock(Array, Bytes, kLargeArrayFrom); }

}  // namespace ruzi
