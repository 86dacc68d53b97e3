#pragma once
#include <cstddef>

namespace ruzi::platform {

// Size bytes of zeros from the system, starting on a large-page boundary and backed by large
// pages where the system does so on request (Linux: transparent huge pages of 2 MiB); elsewhere
// plain pages. A fresh 4 KiB page costs a fault each, which under a hypervisor can take 10 us
// or more: hundreds of megabytes touched for the first time then cost seconds, while the same
// memory in large pages costs tens of milliseconds. nullptr when the system has none to give.
void* AllocateLargePageBlock(std::size_t Size);
// Block and Size as AllocateLargePageBlock gave and was asked.
void FreeLargePageBlock(void* Block, std::size_t Size);

}  // namespace ruzi::platform
