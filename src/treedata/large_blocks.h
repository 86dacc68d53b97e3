#pragma once
// The tree's memory that grows to megabytes (slab chunks, big arrays): from a size up, blocks
// of large pages of their own, counted so what a tree holds can be read off beside the heap.
#include <cstddef>

namespace ruzi {

// Bytes from the heap below LargeFrom, else a block on a large-page boundary; throws
// std::bad_alloc.
void* AllocateBlock(std::size_t Bytes, std::size_t LargeFrom);
// Block with the Bytes and LargeFrom it was allocated with.
void FreeBlock(void* Block, std::size_t Bytes, std::size_t LargeFrom);
// The bytes of the large-page blocks handed out and not yet freed, all threads.
std::size_t LargeBlockBytesInUse();

}  // namespace ruzi
