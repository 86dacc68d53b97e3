// Without a window system a grid has no bars, wheel setting, capture or timer to ask for; the
// thumb's place is the one its message gives, and Shift and Ctrl are held from the press a grid
// was sent until their release.
#include "ui/grid_scroller.h"

#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

// Per thread, as a thread's keyboard state is.
thread_local bool shift_held = false, control_held = false;

}  // namespace

void TGridScroller::ShowBar(bool, const TGridScrollBar&) {}
int TGridScroller::TrackPosition(bool, uintptr_t wparam) const { return static_cast<int>((wparam >> 16) & 0xFFFF); }
bool TGridScroller::ControlKeyDown() { return control_held; }
bool TGridScroller::ShiftKeyDown() { return shift_held; }
int TGridScroller::WheelLines() { return 3; }
void TGridScroller::SetCaptured(bool) {}
void TGridScroller::SetTimerRunning(bool running) { timer_running_ = running; }

void TGridScroller::NoteKey(uintptr_t key, bool down) {
  if (key == wm::VkShift) shift_held = down;
  if (key == wm::VkControl) control_held = down;
}

}  // namespace ruzi
