// The grid's own scroll bars: rows down, pixels of the columns across (grid_layout.h).
#include <windows.h>

#include "ui/db_grid_eh.h"

namespace ruzi {
namespace {

void ShowBar(HWND window, int bar, const TGridScrollBar& shown) {
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, shown.Max, static_cast<UINT>(shown.Page),
                  shown.Position, 0};
  SetScrollInfo(window, bar, &info, TRUE);
}

}  // namespace

void TDBGridEh::UpdateScrollBars() {
  if (!HandleAllocated() || updating_bars_) return;
  updating_bars_ = true;
  // Showing or hiding a bar changes the client area and so the page and the limits: a few
  // rounds settle it (a bar that comes and goes in turn is left as the last round put it).
  for (int round = 0; round < 3; ++round) {
    const TRect before = ClientRect();
    KeepInLimits();
    const TGridMetrics settled = Metrics();
    ShowBar(Handle(), SB_VERT, GridVertScrollBar(settled));
    ShowBar(Handle(), SB_HORZ, GridHorzScrollBar(settled));
    if (ClientRect() == before) break;
  }
  updating_bars_ = false;
}

int TDBGridEh::TrackPosition(bool vertical) {
  SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), vertical ? SB_VERT : SB_HORZ, &info);
  return info.nTrackPos;
}

bool TDBGridEh::ControlKeyDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

}  // namespace ruzi
