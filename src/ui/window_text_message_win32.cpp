#include <windows.h>

#include "platform/text_encoding.h"
#include "ui/win_control.h"
#include "ui/window_text_message.h"

namespace ruzi {

intptr_t SendTextMessage(TWinControl& control, uint32_t msg, uintptr_t wparam, const std::string& text) {
  if (!control.HandleAllocated()) return -1;
  const std::wstring wide = platform::GbkToWide(text);
  return control.Perform(msg, wparam, reinterpret_cast<intptr_t>(wide.c_str()));
}

}  // namespace ruzi
