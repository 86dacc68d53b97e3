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

namespace {
// FILETIME counts 100 ns from 1601; Unix time seconds from 1970.
constexpr int64_t kUnixEpochIn100Ns = 116444736000000000;
}  // namespace

int64_t WallNanoseconds() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const int64_t ticks = static_cast<int64_t>((static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
  return (ticks - kUnixEpochIn100Ns) * 100;
}

int64_t SteadyNanoseconds() {
  // Read each time rather than kept (this layer holds no state): a matter of nanoseconds, and
  // only the clocks' matching asks.
  LARGE_INTEGER rate;
  QueryPerformanceFrequency(&rate);
  const int64_t frequency = static_cast<int64_t>(rate.QuadPart);
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  const int64_t counts = static_cast<int64_t>(now.QuadPart);
  return counts / frequency * 1'000'000'000 + counts % frequency * 1'000'000'000 / frequency;
}

LocalDateTime LocalTimeOfSecond(int64_t unix_second) {
  const auto ticks = static_cast<uint64_t>(unix_second * 10'000'000 + kUnixEpochIn100Ns);
  FILETIME utc_file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  SYSTEMTIME utc;
  SYSTEMTIME local;
  FileTimeToSystemTime(&utc_file, &utc);
  SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
  return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond, 0};
}

}  // namespace ruzi::platform
