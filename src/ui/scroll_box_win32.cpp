// A scroll box's own scroll bars.
#include <windows.h>

#include "ui/scroll_box.h"

namespace ruzi {

void TScrollBox::UpdateScrollBars() {
  if (!HandleAllocated() || updating_bars_) return;
  updating_bars_ = true;
  const TSize range = auto_scroll_ ? ScrollRange() : TSize{};
  const TRect client = ClientRect();
  auto set = [&](int bar, int extent, int page, int position) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, extent > 0 ? extent + page - 1 : 0,
                    static_cast<UINT>(extent > 0 ? page : 0), position, 0};
    SetScrollInfo(Handle(), bar, &info, TRUE);
  };
  set(SB_HORZ, range.cx, client.Width(), scroll_x_);
  set(SB_VERT, range.cy, client.Height(), scroll_y_);
  updating_bars_ = false;
}

int TScrollBox::TrackPosition(bool vertical) {
  SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), vertical ? SB_VERT : SB_HORZ, &info);
  return info.nTrackPos;
}

}  // namespace ruzi
