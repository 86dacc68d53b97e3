#pragma once
// The tree's blocks of large pages (slab chunks, big arrays), counted so what a tree holds can
// be read off beside the heap.
#include <cstddef>

namespace ruzi {

// Bytes starting on a large-page boundary; throws std::bad_alloc.
void* AllocateLargeBlock(std::size_t Bytes);
void FreeLargeBlock(void* Block, std::size_t Bytes);
// The bytes of the blocks handed out and not yet freed, all threads.
std::size_t LargeBlockBytesInUse();

}  // namespace ruzi
