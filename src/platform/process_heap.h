#pragma once
// Memory handed from one module to another: the process heap, so any module can release it.
#include <cstddef>

namespace ruzi::platform {

// Zero-filled; nullptr when out of memory.
void* ProcessHeapAllocate(size_t size);
void ProcessHeapFree(void* block);

}  // namespace ruzi::platform
