#include "platform/clock.h"

#if defined(__x86_64__) || defined(_M_X64) || defined(__i386__) || defined(_M_IX86)
#ifdef _MSC_VER
#include <intrin.h>
#else
#include <x86intrin.h>
#endif
#define RUZI_HAVE_CYCLE_COUNTER 1
#endif

namespace ruzi::platform {
namespace {

// The counter's rate is measured over at least this long before a first stamp is turned into
// a time: reading jitter of a microsecond then costs at most one part in two thousand.
constexpr int64_t kFirstRateSpanNs = 2'000'000;
// A reader matches the counter against the time of day again once a stamp is this far on.
constexpr int64_t kReanchorNs = 1'000'000;

uint64_t Pack(const LocalDateTime& time) {
  auto field = [](int value, int bits) { return static_cast<uint64_t>(value) & ((uint64_t{1} << bits) - 1); };
  return field(time.year, 14) << 46 | field(time.month, 4) << 42 | field(time.day, 5) << 37 |
         field(time.hour, 5) << 32 | field(time.minute, 6) << 26 | field(time.second, 6) << 20 |
         field(time.millisecond, 10);
}

LocalDateTime Unpack(uint64_t packed) {
  auto field = [packed](int shift, int bits) {
    return static_cast<int>((packed >> shift) & ((uint64_t{1} << bits) - 1));
  };
  return {field(46, 14), field(42, 4), field(37, 5), field(32, 5), field(26, 6), field(20, 6), field(0, 10)};
}

// A counter reading and the clocks read between two of them, from the closest of three tries
// (a thread preempted in between gives a wide bracket).
struct Match {
  uint64_t count = 0;
  int64_t steady_ns = 0;
  int64_t wall_ns = 0;
};

Match MatchClocks() {
  Match best;
  uint64_t best_width = ~uint64_t{0};
  for (int attempt = 0; attempt < 3; ++attempt) {
    const uint64_t before = CycleCount();
    const int64_t steady = SteadyNanoseconds();
    const int64_t wall = WallNanoseconds();
    const uint64_t after = CycleCount();
    if (after - before < best_width) {
      best_width = after - before;
      best = {before + (after - before) / 2, steady, wall};
    }
  }
  return best;
}

class OperatingSystemClock final : public Clock {
 public:
  LocalDateTime Now() override { return LocalNow(); }
  uint32_t Tick() override { return TickCount(); }
  uint64_t Stamp() override { return CycleCount(); }

  LocalDateTime TimeOfStamp(uint64_t stamp, StampReading& reading) override {
    const auto ahead = static_cast<int64_t>(stamp - reading.count);
    if (reading.count == 0 || static_cast<double>(ahead) * reading.ns_per_count > kReanchorNs) Reanchor(reading);
    // A stamp before the match counts back from it.
    const double since = static_cast<double>(static_cast<int64_t>(stamp - reading.count)) * reading.ns_per_count;
    const int64_t wall_ns = reading.wall_ns + static_cast<int64_t>(since);
    const int64_t second = wall_ns >= 0 ? wall_ns / 1'000'000'000 : (wall_ns + 1) / 1'000'000'000 - 1;
    if (second != reading.second) {
      reading.second = second;
      reading.second_time = LocalTimeOfSecond(second);
    }
    LocalDateTime time = reading.second_time;
    time.millisecond = static_cast<int>((wall_ns - second * 1'000'000'000) / 1'000'000);
    return time;
  }

 private:
  // The rate is measured from the first match the clock made (when it was first used) to
  // this one: the longer the span, the closer it is.
  void Reanchor(StampReading& reading) {
    Match now = MatchClocks();
    while (now.steady_ns - first_.steady_ns < kFirstRateSpanNs) now = MatchClocks();
    reading.count = now.count;
    reading.wall_ns = now.wall_ns;
    reading.ns_per_count =
        static_cast<double>(now.steady_ns - first_.steady_ns) / static_cast<double>(now.count - first_.count);
  }

  const Match first_ = MatchClocks();
};

}  // namespace

uint64_t CycleCount() {
#ifdef RUZI_HAVE_CYCLE_COUNTER
  return __rdtsc();
#else
  return static_cast<uint64_t>(SteadyNanoseconds());
#endif
}

uint64_t Clock::Stamp() { return Pack(Now()); }

LocalDateTime Clock::TimeOfStamp(uint64_t stamp, StampReading&) { return Unpack(stamp); }

Clock& SystemClock() {
  static OperatingSystemClock clock;
  return clock;
}

}  // namespace ruzi::platform
