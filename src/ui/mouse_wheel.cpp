#include "ui/mouse_wheel.h"

namespace ruzi {

int WheelNotches(int& carry, uintptr_t wparam) {
  constexpr int kNotch = 120;  // WHEEL_DELTA
  carry += static_cast<int16_t>((wparam >> 16) & 0xFFFF);
  const int notches = carry / kNotch;  // toward zero: a part notch either way waits
  carry -= notches * kNotch;
  return notches;
}

}  // namespace ruzi
