// Blocks of large pages: aligned, zeroed, writable to their last byte, and given back.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/large_pages.h"

namespace ruzi::platform {
namespace {

#ifdef _WIN32
constexpr std::uintptr_t kAlignment = 65536;  // VirtualAlloc's
#else
constexpr std::uintptr_t kAlignment = std::uintptr_t{2} << 20;
#endif

TEST(LargePages, BlocksAreAlignedZeroedAndWholeToTheirLastByte) {
  for (std::size_t size : {std::size_t{1}, std::size_t{4096}, (std::size_t{3} << 20) + 5, std::size_t{8} << 20}) {
    auto* block = static_cast<unsigned char*>(AllocateLargePageBlock(size));
    ASSERT_NE(block, nullptr) << size;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % kAlignment, 0u) << size;
    EXPECT_EQ(block[size - 1], 0);
    block[size - 1] = 1;
    for (std::size_t at = 0; at + 1 < size; at += 4096) {
      ASSERT_EQ(block[at], 0) << at;
      block[at] = 1;
    }
    FreeLargePageBlock(block, size);
  }
}

}  // namespace
}  // namespace ruzi::platform
