#include "ui/grid_scroller.h"

#include <algorithm>

#include "ui/mouse_wheel.h"
#include "ui/win_control.h"
#include "ui/window_message_ids.h"

namespace ruzi {

int DragScrollStep(int position, int low, int high) { return position < low ? -1 : position >= high ? 1 : 0; }

void TGridScroller::UpdateBars(const std::function<TGridBars()>& measure) {
  if (!grid_.HandleAllocated() || updating_bars_) return;
  updating_bars_ = true;
  for (int round = 0; round < 3; ++round) {
    const TRect before = grid_.ClientRect();
    const TGridBars bars = measure();
    ShowBar(true, bars.Vertical);
    ShowBar(false, bars.Horizontal);
    if (grid_.ClientRect() == before) break;
  }
  updating_bars_ = false;
}

TGridScroller::TWheelMove TGridScroller::WheelMove(bool tilted, uintptr_t wparam, int page) {
  const int notches = WheelNotches(wheel_carry_, wparam);
  if (tilted) return TWheelMove{0, notches};
  if ((wparam & wm::MkShift) != 0) return TWheelMove{0, -notches};
  const int lines = WheelLines();
  return TWheelMove{-notches * (lines > 0 ? lines : std::max(1, page)), 0};
}

bool TGridScroller::Dispatch(TMessage& message, const std::function<int()>& page,
                             const std::function<void(TWheelMove)>& scroll) {
  switch (message.Msg) {
    case wm::MouseWheel:
    case wm::MouseHWheel:
      scroll(WheelMove(message.Msg == wm::MouseHWheel, message.WParam, page()));
      return true;
    case wm::Timer:
      return TimerTick(message.WParam);
    case wm::LButtonUp:
    case wm::CaptureChanged:
      EndDrag();
      return false;
    case wm::KeyDown:
    case wm::KeyUp:
      NoteKey(message.WParam, message.Msg == wm::KeyDown);
      return false;
    default:
      return false;
  }
}

void TGridScroller::StartDrag(std::function<void(int, int)> tick) {
  EndDrag();
  tick_ = std::move(tick);
  SetCaptured(true);
}

void TGridScroller::DragTo(int x, int y) {
  if (!Dragging()) return;
  drag_x_ = x;
  drag_y_ = y;
  SetTimerRunning(true);
}

void TGridScroller::EndDrag() {
  if (!Dragging()) return;
  tick_ = nullptr;
  SetTimerRunning(false);
  SetCaptured(false);
}

bool TGridScroller::TimerTick(uintptr_t timer_id) {
  if (timer_id != kDragTimer) return false;
  if (Dragging()) tick_(drag_x_, drag_y_);
  return true;
}

}  // namespace ruzi
