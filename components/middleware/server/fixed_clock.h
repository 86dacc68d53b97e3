#pragma once
// The server's clock when started with --clock: the date and time stand still at the given
// moment (so calendar tests know what "now" is); ticks still advance.
#include "platform/clock.h"

namespace ruzi::mwd {

class FixedClock final : public platform::Clock {
 public:
  explicit FixedClock(platform::LocalDateTime moment) : moment_(moment) {}
  platform::LocalDateTime Now() override { return moment_; }
  uint32_t Tick() override { return platform::TickCount(); }

 private:
  platform::LocalDateTime moment_;
};

}  // namespace ruzi::mwd
