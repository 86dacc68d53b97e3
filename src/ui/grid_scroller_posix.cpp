// Without a window system a grid has no bars, keys, wheel, capture or timer to ask for.
#include "ui/grid_scroller.h"

namespace ruzi {

void TGridScroller::ShowBar(bool, const TGridScrollBar&) {}
int TGridScroller::TrackPosition(bool) const { return 0; }
bool TGridScroller::ControlKeyDown() { return false; }
bool TGridScroller::ShiftKeyDown() { return false; }
int TGridScroller::WheelLines() { return 3; }
void TGridScroller::SetCaptured(bool) {}
void TGridScroller::SetTimerRunning(bool running) { timer_running_ = running; }

}  // namespace ruzi
