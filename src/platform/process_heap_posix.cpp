#include <cstdlib>

#include "platform/process_heap.h"

namespace ruzi::platform {

void* ProcessHeapAllocate(size_t size) { return std::calloc(size == 0 ? 1 : size, 1); }

void ProcessHeapFree(void* block) { std::free(block); }

}  // namespace ruzi::platform
