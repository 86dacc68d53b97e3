#pragma once
// One slot of a dataset's window of records. The dataset owns a few of them (as many as its
// data links show at once, plus one to fetch into); what a slot holds besides its bookmark is
// the concrete dataset's matter, so each dataset derives its own.
#include "ruzirareva/export.h"

namespace ruzi {

class RUZI_API RecordBuffer {
 public:
  virtual ~RecordBuffer() = default;
};

}  // namespace ruzi
