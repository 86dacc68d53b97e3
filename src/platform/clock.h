#pragma once
// Time as the operating system gives it. Code that needs a fake clock in tests takes a
// `Clock&` and gets SystemClock() in the product.
#include <cstdint>

namespace ruzi::platform {

struct LocalDateTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Milliseconds since start-up, wrapping at 2^32 as the Windows tick count does.
uint32_t TickCount();
void SleepMilliseconds(uint32_t milliseconds);
LocalDateTime LocalNow();

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() = 0;
  virtual uint32_t Tick() = 0;
};

Clock& SystemClock();

}  // namespace ruzi::platform
