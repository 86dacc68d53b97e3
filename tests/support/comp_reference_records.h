#pragma once
// The reference data ruzi-mwd seeds, against the known answers of
// tests/data/seeded_reference_data.txt, through whatever reaches the records: the cache core
// natively, memdata.dll's exports under Wine.
#include <cstdint>
#include <functional>
#include <string>

#include "trading/cache/memtable.h"

namespace ruzi::testing {

struct ReferenceLookups {
  std::function<const RMarketInfo*(const std::string& code)> market;
  std::function<const RFundInfo*(int32_t id)> fund;
  std::function<const ROperatorInfo*(int32_t number)> person;
  std::function<const RSysParameter*(int32_t serial)> parameter;
  std::function<const RSystemInfo*()> system;
  std::function<bool(const std::string& person, const std::string& menu)> right;
  std::function<uint32_t(const std::string& calendar, int32_t date)> kinds;  // the day's bit set
};

void CheckSeededReferenceData(const ReferenceLookups& lookups);

}  // namespace ruzi::testing
