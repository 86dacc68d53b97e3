#include "platform/clock.h"

namespace ruzi::platform {
namespace {

class OperatingSystemClock final : public Clock {
 public:
  LocalDateTime Now() override { return LocalNow(); }
  uint32_t Tick() override { return TickCount(); }
};

}  // namespace

Clock& SystemClock() {
  static OperatingSystemClock clock;
  return clock;
}

}  // namespace ruzi::platform
