#pragma once
// A cache source that never answers: the tests apply their packets to the cache themselves.
#include "trading/cache/reference_cache.h"

namespace ruzi::testing {

class NoSource : public TableSource {
 public:
  bool Fetch(const CacheTableInfo&, const std::vector<std::string>&, std::string*, std::string* error) override {
    *error = "no source";
    return false;
  }
};

}  // namespace ruzi::testing
