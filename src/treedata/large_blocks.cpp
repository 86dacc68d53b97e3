#include "treedata/large_blocks.h"

#include <atomic>
#include <new>

#include "platform/large_pages.h"

namespace ruzi {

namespace {

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

}  // namespace ruzi
