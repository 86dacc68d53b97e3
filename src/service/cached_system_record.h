#pragma once
// The system record of the reference-data cache (memdata.dll), as the signed-on client sees
// it: the operator's number and the business initialisation date come from here.
#include <optional>

#include "trading/cache/memtable.h"

namespace ruzi {

// A copy of the record; nothing without memdata.dll or its system table.
std::optional<RSystemInfo> CachedSystemRecord();

}  // namespace ruzi
