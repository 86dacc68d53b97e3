// The track bar's range, position and ticks in the system's window.
#include <windows.h>

#include <commctrl.h>

#include "ui/track_bar.h"

namespace ruzi {

void TTrackBar::UpdateWindowRange() {
  if (!HandleAllocated()) return;
  HWND window = Handle();
  SendMessageW(window, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(window, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageW(window, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
  SendMessageW(window, TBM_SETPOS, TRUE, position_);
}

int TTrackBar::WindowPosition() {
  return HandleAllocated() ? static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0)) : position_;
}

}  // namespace ruzi
