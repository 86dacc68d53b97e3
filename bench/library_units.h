#pragma once
// Starts the library's units for a timing program that links the library itself; on failure
// prints why and returns false.
#include <cstdio>

#include "library/unit_registry.h"

namespace ruzi::bench {

inline bool StartLibraryUnits() {
  if (UnitRegistry::Instance().StartAll()) return true;
  std::fprintf(stderr, "%s\n", UnitRegistry::Instance().LastStartError().c_str());
  return false;
}

}  // namespace ruzi::bench
