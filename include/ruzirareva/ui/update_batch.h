#pragma once
// Changes to a control's contents shown at once, or, between Begin and End (nested), once at
// the end. The control's thread only.
#include "ruzirareva/foundation/method.h"

namespace ruzi {

class TUpdateBatch {
 public:
  explicit TUpdateBatch(TEvent<> show) : show_(show) {}

  void Begin() { ++depth_; }
  void End() {
    if (depth_ > 0 && --depth_ == 0) show_();
  }
  void Changed() {
    if (depth_ == 0) show_();
  }

 private:
  int depth_ = 0;
  TEvent<> show_;
};

}  // namespace ruzi
