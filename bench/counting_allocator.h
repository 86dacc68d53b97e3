// Every allocation of the process is counted, and the bytes still held, so what a structure
// keeps per element can be read off. Each block carries its size in a header of its own.
// Include from exactly one file of a benchmark program: it replaces the global operators.
#pragma once

#include <cstdlib>
#include <new>

#include "treedata/large_blocks.h"

namespace ruzi::bench {

inline size_t g_allocations = 0;
inline size_t g_live_bytes = 0;
inline constexpr size_t kAllocationHeader = 16;

// The heap's bytes and the trees' blocks of large pages, which do not come from the heap.
inline size_t HeldBytes() { return g_live_bytes + LargeBlockBytesInUse(); }

}  // namespace ruzi::bench

void* operator new(size_t size) {
  ++ruzi::bench::g_allocations;
  ruzi::bench::g_live_bytes += size;
  auto* block = static_cast<char*>(std::malloc(size + ruzi::bench::kAllocationHeader));
  if (block == nullptr) throw std::bad_alloc();
  *reinterpret_cast<size_t*>(block) = size;
  return block + ruzi::bench::kAllocationHeader;
}
// The library's own nothrow forms come here too; g++ cannot see that they pair with malloc.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  char* block = static_cast<char*>(p) - ruzi::bench::kAllocationHeader;
  ruzi::bench::g_live_bytes -= *reinterpret_cast<size_t*>(block);
  std::free(block);
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }
#pragma GCC diagnostic pop
