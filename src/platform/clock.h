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

// The processor's cycle counter (a steady nanosecond count where there is none): a few
// nanoseconds a reading, against tens for the time of day.
uint64_t CycleCount();
// The system's time of day and a steady clock, in nanoseconds (since 1970 and since an
// arbitrary start), and the local time of a whole second since 1970.
int64_t WallNanoseconds();
int64_t SteadyNanoseconds();
LocalDateTime LocalTimeOfSecond(int64_t unix_second);

// What a thread that turns stamps into times keeps from one call to the next.
struct StampReading {
  uint64_t count = 0;  // 0: nothing read yet
  int64_t wall_ns = 0;
  double ns_per_count = 0;
  int64_t second = -1;
  LocalDateTime second_time;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() = 0;
  virtual uint32_t Tick() = 0;
  // A reading of the time far cheaper than Now(), for a caller that hands it to another
  // thread: there TimeOfStamp gives the local time at which it was taken, to the millisecond.
  // By default a stamp is Now() itself, packed (a fake clock needs nothing more).
  virtual uint64_t Stamp();
  virtual LocalDateTime TimeOfStamp(uint64_t stamp, StampReading& reading);
};

Clock& SystemClock();

}  // namespace ruzi::platform
