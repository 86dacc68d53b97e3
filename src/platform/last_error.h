#pragma once
// The calling thread's last operating-system error number (GetLastError under Windows).
#include <cstdint>

namespace ruzi::platform {

uint32_t LastSystemError();
void SetLastSystemError(uint32_t error);

}  // namespace ruzi::platform
