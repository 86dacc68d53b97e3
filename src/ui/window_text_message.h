#pragma once
// Sends a message whose LParam is a text (LB_INSERTSTRING, CB_INSERTSTRING...) to a control's
// window, the text as UTF-16 converted from GBK. Without a window (or a window system) it
// answers -1 and sends nothing. User-interface thread.
#include <cstdint>
#include <string>

namespace ruzi {

class TWinControl;

intptr_t SendTextMessage(TWinControl& control, uint32_t msg, uintptr_t wparam, const std::string& text);

}  // namespace ruzi
