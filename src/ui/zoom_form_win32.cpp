#include <windows.h>

#include "ui/res_rate_message.h"
#include "ui/zoom_form.h"

namespace ruzi {

bool IsResRateMessage(uint32_t msg) { return msg == ResRateMessage(); }

TSize TZoomForm::MonitorSize() {
  HMONITOR monitor = HandleAllocated() ? MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST)
                                       : MonitorFromPoint(POINT{Left(), Top()}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  return TSize{info.rcMonitor.right - info.rcMonitor.left, info.rcMonitor.bottom - info.rcMonitor.top};
}

}  // namespace ruzi
