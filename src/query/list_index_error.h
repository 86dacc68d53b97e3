#pragma once
// The one message of an index outside a list: "List index out of bounds (I)".
#include <string>

#include "foundation/error.h"

namespace ruzi {

[[noreturn]] inline void ThrowListIndexError(int index) {
  throw Error("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace ruzi
