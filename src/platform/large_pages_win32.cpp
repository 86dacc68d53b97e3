#include <windows.h>

#include <atomic>

#include "platform/large_pages.h"

namespace ruzi::platform {

namespace {

std::atomic<std::size_t> g_inUse{0};

}  // namespace

// Large pages under Windows need the lock-memory privilege: plain committed pages, which
// VirtualAlloc hands out zeroed and aligned to 64 KiB.
void* AllocateLargePageBlock(std::size_t Size) {
  void* block = VirtualAlloc(nullptr, Size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (block != nullptr) g_inUse += Size;
  return block;
}

void FreeLargePageBlock(void* Block, std::size_t Size) {
  if (Block == nullptr) return;
  VirtualFree(Block, 0, MEM_RELEASE);
  g_inUse -= Size;
}

std::size_t LargePageBytesInUse() { return g_inUse; }

}  // namespace ruzi::platform
