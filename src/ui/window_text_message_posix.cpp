#include "ui/window_text_message.h"

namespace ruzi {

intptr_t SendTextMessage(TWinControl&, uint32_t, uintptr_t, const std::string&) { return -1; }

}  // namespace ruzi
