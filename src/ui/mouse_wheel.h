#pragma once
// The mouse wheel's turns in whole notches: a fine-stepping wheel sends parts of a notch, which
// add up across messages until they make one. Portable arithmetic: any thread.
#include <cstdint>

namespace ruzi {

// The whole notches in a wheel message's WParam (its high word: 120 a notch, positive away from
// the user) plus what earlier messages left in `carry`; the rest stays in `carry`.
int WheelNotches(int& carry, uintptr_t wparam);

}  // namespace ruzi
