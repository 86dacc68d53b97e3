#pragma once
// The back end's clock as the calendar reads it: the service "svc_server_time" (l_date
// yyyymmdd, l_time hhnnss), asked on every reading. When the service cannot be had, the local
// clock stands in, so a calendar question still gets an answer.
#include <string>

#include "platform/clock.h"

namespace ruzi {

class ServerClock final : public platform::Clock {
 public:
  platform::LocalDateTime Now() override;
  uint32_t Tick() override { return platform::TickCount(); }
};

// The reply of "svc_server_time" as a date and time; false when it does not hold a valid one.
bool ServerTimeOfReply(const std::string& reply, platform::LocalDateTime* time);

}  // namespace ruzi
