#include <windows.h>

#include "platform/process_ids.h"

namespace ruzi::platform {

uint32_t CurrentProcessId() { return GetCurrentProcessId(); }

uint32_t CurrentThreadId() { return GetCurrentThreadId(); }

}  // namespace ruzi::platform
