#pragma once
// The reference data the client's cache (memdata.dll) loads: markets, fund attributes,
// operators and their menu rights, calendars, the business location's time zone and the
// parameters the trading rules read. Created and seeded once, also in a database made before
// these tables existed.
#include <sqlite3.h>

namespace ruzi::mwd {

// True when the tables were created now.
bool CreateReferenceDataIfMissing(sqlite3* db);

}  // namespace ruzi::mwd
