#include <windows.h>

#include "platform/setting_change.h"
#include "platform/text_encoding.h"

namespace ruzi::platform {

void BroadcastSettingChange(std::string_view area) {
  const std::wstring text = GbkToWide(area);
  DWORD_PTR result = 0;
  // A hung window must not hang the caller.
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, 5000, &result);
}

}  // namespace ruzi::platform
