#pragma once
// A handler that redraws a control: for the fonts a control keeps beside its own (title and
// header fonts), whose changes show only after a repaint.
#include "ruzirareva/foundation/method.h"
#include "ui/control.h"

namespace ruzi {

inline TNotifyEvent InvalidateOnChange(TControl* control) {
  return TNotifyEvent{[](void* data, TPersistent*) { static_cast<TControl*>(data)->Invalidate(); }, control};
}

}  // namespace ruzi
