#pragma once
// A window message as a control's WindowProc receives it (the Win32 message id, its two
// parameters, and the answer the handler leaves), and the replaceable WindowProc itself: a
// {code, data} handler in a chain that subclassers replace and restore in any order. A chain
// belongs to the thread of its window.
#include <cstdint>

#include "ruzirareva/foundation/method.h"
#include "ruzirareva/foundation/method_chain.h"

namespace ruzi {

struct TMessage {
  uint32_t Msg = 0;
  uintptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;
};

using TWndMethod = TEvent<TMessage&>;
using TWindowProcChain = TEventChain<TMessage&>;

}  // namespace ruzi
