#pragma once
// The reference-data cache of the fixture's ruzi-mwd (its seeded markets, funds and
// calendars 2020-2035): natively the cache core loading through the server's protocol,
// under Wine memdata.dll itself.
#include "trading/calendar/calendar_cache.h"

namespace ruzi::testing {

CalendarCache& SeededCache();

}  // namespace ruzi::testing
