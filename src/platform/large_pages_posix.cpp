#include <sys/mman.h>

#include <cstdint>

#include "platform/large_pages.h"

namespace ruzi::platform {

void AdviseLargePages(void* Block, std::size_t Size) {
#ifdef MADV_HUGEPAGE
  constexpr std::uintptr_t kLarge = std::uintptr_t{2} << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(Block);
  const std::uintptr_t first = (start + kLarge - 1) & ~(kLarge - 1);
  const std::uintptr_t last = (start + Size) & ~(kLarge - 1);
  if (first < last) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
  (void)Block;
  (void)Size;
#endif
}

}  // namespace ruzi::platform
