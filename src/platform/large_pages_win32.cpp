#include <windows.h>

#include "platform/large_pages.h"

namespace ruzi::platform {

// Large pages under Windows need the lock-memory privilege: plain committed pages, which
// VirtualAlloc hands out zeroed and aligned to 64 KiB.
void* AllocateLargePageBlock(std::size_t Size) {
  return VirtualAlloc(nullptr, Size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void FreeLargePageBlock(void* Block, std::size_t) {
  if (Block != nullptr) VirtualFree(Block, 0, MEM_RELEASE);
}

}  // namespace ruzi::platform
