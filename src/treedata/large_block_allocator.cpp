#include "ruzirareva/treedata/large_block_allocator.h"

#include <new>

#include "platform/large_pages.h"

namespace ruzi {

namespace {

constexpr std::size_t kLargeBlockFrom = std::size_t{1} << 20;

}  // namespace

void* AllocateTreeArray(std::size_t Bytes) {
  if (Bytes < kLargeBlockFrom) return ::operator new(Bytes);
  void* block = platform::AllocateLargePageBlock(Bytes);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void FreeTreeArray(void* Array, std::size_t Bytes) {
  if (Bytes < kLargeBlockFrom) {
    ::operator delete(Array);
  } else {
    platform::FreeLargePageBlock(Array, Bytes);
  }
}

}  // namespace ruzi
