#include <sys/mman.h>

#include <cstdint>

#include "platform/large_pages.h"

namespace ruzi::platform {

namespace {

constexpr std::uintptr_t kLarge = std::uintptr_t{2} << 20;

}  // namespace

// Maps a large page more than asked, then gives back the head and tail around the aligned run.
void* AllocateLargePageBlock(std::size_t Size) {
  const std::size_t mapped = Size + kLarge;
  void* map = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (map == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(map);
  const std::uintptr_t block = (start + kLarge - 1) & ~(kLarge - 1);
  const std::uintptr_t end = start + mapped;
  const std::uintptr_t blockEnd = block + Size;
  const std::uintptr_t tail = (blockEnd + 4095) & ~std::uintptr_t{4095};
  if (block > start) munmap(map, block - start);
  if (end > tail) munmap(reinterpret_cast<void*>(tail), end - tail);
#ifdef MADV_HUGEPAGE
  madvise(reinterpret_cast<void*>(block), Size, MADV_HUGEPAGE);
#endif
  return reinterpret_cast<void*>(block);
}

void FreeLargePageBlock(void* Block, std::size_t Size) {
  if (Block == nullptr) return;
  munmap(Block, Size);
}

}  // namespace ruzi::platform
