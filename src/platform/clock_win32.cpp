#include <windows.h>

#include "platform/clock.h"

namespace ruzi::platform {

uint32_t TickCount() { return GetTickCount(); }

void SleepMilliseconds(uint32_t milliseconds) { Sleep(milliseconds); }

LocalDateTime LocalNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace ruzi::platform
