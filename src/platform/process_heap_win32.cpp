#include <windows.h>

#include "platform/process_heap.h"

namespace ruzi::platform {

void* ProcessHeapAllocate(size_t size) { return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size); }

void ProcessHeapFree(void* block) {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace ruzi::platform
