#include "trading/calendar/server_clock.h"

#include "foundation/date_time.h"
#include "packets/tagged_package.h"
#include "service/call_service.h"

namespace ruzi {

bool ServerTimeOfReply(const std::string& reply, platform::LocalDateTime* time) {
  TqxPackage package(reply);
  int32_t date = 0;
  int32_t clock = 0;
  if (!package.GetItem("l_date", date) || !package.GetItem("l_time", clock)) return false;
  const int hour = clock / 10000;
  const int minute = clock / 100 % 100;
  const int second = clock % 100;
  if (!IsValidDate(date / 10000, date / 100 % 100, date % 100) || clock < 0 || hour > 23 || minute > 59 ||
      second > 59) {
    return false;
  }
  *time = {date / 10000, date / 100 % 100, date % 100, hour, minute, second, 0};
  return true;
}

platform::LocalDateTime ServerClock::Now() {
  std::string reply;
  platform::LocalDateTime time;
  if (CallService("svc_server_time", "", reply) == kCallOk && ServerTimeOfReply(reply, &time)) return time;
  return platform::LocalNow();
}

}  // namespace ruzi
