#include <time.h>

#include <chrono>
#include <thread>

#include "platform/clock.h"

namespace ruzi::platform {

uint32_t TickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

void SleepMilliseconds(uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

LocalDateTime LocalNow() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  // The broken-down time changes only with the second (zone changes fall on whole seconds):
  // each thread converts once per second, not once per call (loggers call this per line).
  thread_local time_t converted_second = -1;
  thread_local tm local{};
  if (now.tv_sec != converted_second) {
    localtime_r(&now.tv_sec, &local);
    converted_second = now.tv_sec;
  }
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
          local.tm_min,         local.tm_sec,     static_cast<int>(now.tv_nsec / 1000000)};
}

int64_t WallNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

int64_t SteadyNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

LocalDateTime LocalTimeOfSecond(int64_t unix_second) {
  const auto seconds = static_cast<time_t>(unix_second);
  tm local{};
  localtime_r(&seconds, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, 0};
}

}  // namespace ruzi::platform
