#include "ruzirareva/treedata/large_block_allocator.h"

#include "treedata/large_blocks.h"

namespace ruzi {

namespace {

constexpr std::size_t kLargeArrayFrom = std::size_t{1} << 20;

}  // namespace

void* AllocateTreeArray(std::size_t Bytes) { return AllocateBlock(Bytes, kLargeArrayFrom); }

void FreeTreeArray(void* Array, std::size_t Bytes) { FreeBlock(Array, Bytes, kLargeArrayFrom); }

}  // namespace ruzi
