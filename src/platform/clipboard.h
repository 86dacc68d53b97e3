#pragma once
// The clipboard's text (GBK). Natively there is no clipboard: a process-local one stands in.
#include <string>
#include <string_view>

namespace ruzi::platform {

std::string ClipboardText();
bool SetClipboardText(std::string_view gbk);

}  // namespace ruzi::platform
