// The grid's bars, keys, wheel setting, capture and timer, asked of Windows.
#include <windows.h>

#include "ui/grid_scroller.h"
#include "ui/win_control.h"

namespace ruzi {
namespace {

constexpr UINT kDragTickMs = 50;  // about twenty steps a second while the mouse stays out

}  // namespace

void TGridScroller::ShowBar(bool vertical, const TGridScrollBar& bar) {
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, bar.Max, static_cast<UINT>(bar.Page),
                  bar.Position, 0};
  SetScrollInfo(grid_.Handle(), vertical ? SB_VERT : SB_HORZ, &info, TRUE);
}

// The bar's own track position has 32 bits; a grid without a window (a message performed on
// it) has only the message's.
int TGridScroller::TrackPosition(bool vertical, uintptr_t wparam) const {
  if (!grid_.HandleAllocated()) return HIWORD(wparam);
  SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(const_cast<TWinControl&>(grid_).Handle(), vertical ? SB_VERT : SB_HORZ, &info);
  return info.nTrackPos;
}

bool TGridScroller::ControlKeyDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }
bool TGridScroller::ShiftKeyDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }
// Windows keeps the keyboard state with the messages.
void TGridScroller::NoteKey(uintptr_t, bool) {}

int TGridScroller::WheelLines() {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return lines == WHEEL_PAGESCROLL ? 0 : static_cast<int>(lines);
}

void TGridScroller::SetCaptured(bool captured) {
  if (!grid_.HandleAllocated()) return;
  if (captured) {
    SetCapture(grid_.Handle());
  } else if (GetCapture() == grid_.Handle()) {
    ReleaseCapture();
  }
}

void TGridScroller::SetTimerRunning(bool running) {
  if (running == timer_running_ || !grid_.HandleAllocated()) return;
  timer_running_ = running;
  if (running) {
    SetTimer(grid_.Handle(), kDragTimer, kDragTickMs, nullptr);
  } else {
    KillTimer(grid_.Handle(), kDragTimer);
  }
}

}  // namespace ruzi
