#pragma once
// The error of a text or date conversion that cannot be done ("'abc' is not a valid integer
// value"). Formatting errors are conversion errors too, so one handler catches both. Thrown and
// caught on any thread.
#include "ruzirareva/foundation/error.h"

namespace ruzi {

class ConvertError : public Error {
 public:
  using Error::Error;
};

}  // namespace ruzi
