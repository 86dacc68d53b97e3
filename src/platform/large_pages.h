#pragma once
#include <cstddef>

namespace ruzi::platform {

// Asks that the whole large pages inside [Block, Block + Size) be backed as large pages where
// the system does so on request (Linux: transparent huge pages of 2 MiB); elsewhere nothing.
// A structure read at random over hundreds of megabytes spends most of its time translating
// addresses, which large pages cut. Advice only: the memory works the same either way.
void AdviseLargePages(void* Block, std::size_t Size);

}  // namespace ruzi::platform
