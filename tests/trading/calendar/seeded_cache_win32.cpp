#include <fstream>
#include <string>

#include "platform/environment.h"
#include "seeded_cache.h"
#include "trading/calendar/memdata_calendar_cache.h"

namespace ruzi::testing {

CalendarCache& SeededCache() {
  static MemdataCalendarCache* cache = [] {
    std::ifstream in(RUZI_CALENDAR_FIXTURE_DIR "/port");
    long port = 0;
    in >> port;
    platform::SetEnvironment("WSNADDR", "//127.0.0.1:" + std::to_string(port));
    return new MemdataCalendarCache;
  }();
  return *cache;
}

}  // namespace ruzi::testing
