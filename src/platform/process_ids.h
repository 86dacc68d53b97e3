#pragma once
// Ids of the running process and thread as Windows reports them (natively pid and kernel tid).
#include <cstdint>

namespace ruzi::platform {

uint32_t CurrentProcessId();
// Cheap: read once per thread.
uint32_t CurrentThreadId();

}  // namespace ruzi::platform
