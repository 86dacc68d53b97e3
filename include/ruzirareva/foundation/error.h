#pragma once
// The one exception type of the library: readers, writers, loaders and the tree throw it
// with the exact (GBK) message their callers show. Thrown and caught on any thread.
#include <stdexcept>
#include <string>

namespace ruzi {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace ruzi
