#pragma once
// Set-up the UI tests share: an event that counts its calls, a control made, placed and
// parented in one step, and bounds as the data files write them.
#include <string>

#include "foundation/method.h"
#include "ui/control.h"
#include "ui/win_control.h"

namespace ruzi::testing {

// An OnClick/OnChange that adds one to `count` each time it runs.
inline TNotifyEvent Counting(int* count) {
  return TNotifyEvent{[](void* counter, TPersistent*) { ++*static_cast<int*>(counter); }, count};
}

// A new `Control` owned by `owner` (the parent when none is given), at `bounds` in `parent`.
template <typename Control>
Control* Place(TWinControl& parent, const TRect& bounds, TComponent* owner = nullptr) {
  auto* control = new Control(owner != nullptr ? owner : &parent);
  control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  control->SetParent(&parent);
  return control;
}

// "left,top,right,bottom".
inline std::string RectText(const TRect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," + std::to_string(r.Bottom);
}

}  // namespace ruzi::testing
