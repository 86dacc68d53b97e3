#pragma once
// An allocator for the tree's arrays that grow to megabytes (a big group's children, the nodes
// by sequence number): from 1 MiB up, each array takes a block of large pages of its own, so a
// million-row tree built for the first time does not pay a page fault per 4 KiB of every array
// it outgrows. Smaller arrays come from the heap.
#include <cstddef>
#include <vector>

#include "ruzirareva/export.h"

namespace ruzi {

// Bytes of memory (a block of large pages from 1 MiB up); throws std::bad_alloc.
RUZI_API void* AllocateTreeArray(std::size_t Bytes);
RUZI_API void FreeTreeArray(void* Array, std::size_t Bytes);

template <typename T>
class LargeBlockAllocator {
 public:
  using value_type = T;

  LargeBlockAllocator() = default;
  template <typename U>
  LargeBlockAllocator(const LargeBlockAllocator<U>&) {}

  T* allocate(std::size_t n) { return static_cast<T*>(AllocateTreeArray(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) { FreeTreeArray(p, n * sizeof(T)); }
  friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator&) { return true; }
};

template <typename T>
using LargeVector = std::vector<T, LargeBlockAllocator<T>>;

}  // namespace ruzi
