#pragma once
// What the self-drawn grids (TStringGrid, TDBGridEh) share about scrolling: their own scroll
// bars, shown until the client area stops changing; the thumb's place while it is dragged; the
// Ctrl and Shift keys; the mouse wheel (mouse_wheel.h); and a drag
// held past an edge, which scrolls a step toward it on every tick of a timer while the mouse
// stays out there. The arithmetic is portable (grid_scroller.cpp); the window calls are in
// grid_scroller_win32.cpp. User-interface thread only.
#include <cstdint>
#include <functional>

#include "ruzirareva/ui/geometry.h"
#include "ruzirareva/ui/grid_layout.h"
#include "ruzirareva/ui/message.h"

namespace ruzi {

class TWinControl;

// Both bars of a grid, as grid_layout.h counts them.
struct TGridBars {
  TGridScrollBar Horizontal;
  TGridScrollBar Vertical;
};

// A step toward a drag that went past [low, high): -1 before low, 1 at or past high, 0 inside.
int DragScrollStep(int position, int low, int high);

class TGridScroller {
 public:
  explicit TGridScroller(TWinControl& grid) : grid_(grid) {}
  ~TGridScroller() { EndDrag(); }

  // Shows the bars `measure` gives (it keeps the grid's scroll in range first), again while the
  // client area changes under them, at most three rounds: a bar that comes and goes in turn is
  // left as the last round put it. Nothing before the grid has a window.
  void UpdateBars(const std::function<TGridBars()>& measure);
  // The thumb's position while it is dragged (a scroll message's WParam gives it without a
  // window, in 16 bits).
  int TrackPosition(bool vertical, uintptr_t wparam) const;
  static bool ControlKeyDown();
  static bool ShiftKeyDown();

  // How far a wheel message (its WParam; `tilted`: WM_MOUSEHWHEEL) moves the rows and the
  // columns, negative up and left: a notch is the system's wheel lines of rows (a page of
  // `page` rows when it asks for pages), turned toward the user down; with Shift (held with the
  // message) one column, toward the user right; tilted right, one column right.
  struct TWheelMove {
    int Rows = 0;
    int Cols = 0;
  };
  TWheelMove WheelMove(bool tilted, uintptr_t wparam, int page);
  // The messages both grids treat alike: the wheel (`scroll` moves the view, `page` counts the
  // rows a page holds) and the drag's timer are taken (true); the button's release and a lost
  // capture end the drag, and Shift and Ctrl pressed and released are noted (for a system
  // without a keyboard state), all left for the grid too (false).
  bool Dispatch(TMessage& message, const std::function<int()>& page, const std::function<void(TWheelMove)>& scroll);
  // The rows a notch scrolls; 0 asks for a page.
  static int WheelLines();

  // A left-button drag: the mouse captured from its start, `tick` run on every timer tick while
  // it lasts with the last client point the mouse was at.
  void StartDrag(std::function<void(int x, int y)> tick);
  // A move during the drag: remembered for the ticks, the timer started on the first.
  void DragTo(int x, int y);
  bool Dragging() const { return static_cast<bool>(tick_); }
  // The drag's end: the capture and the timer released.
  void EndDrag();
  // A message of the drag's timer (false for any other message): one tick run.
  bool TimerTick(uintptr_t timer_id);

  static constexpr uintptr_t kDragTimer = 0x6752;  // the timer's id on the grid's window

 private:
  void ShowBar(bool vertical, const TGridScrollBar& bar);
  static void NoteKey(uintptr_t key, bool down);
  // The window side of a drag: the capture and the timer taken or given back.
  void SetCaptured(bool captured);
  void SetTimerRunning(bool running);

  TWinControl& grid_;
  bool updating_bars_ = false;
  int wheel_carry_ = 0;
  std::function<void(int, int)> tick_;
  int drag_x_ = 0, drag_y_ = 0;
  bool timer_running_ = false;
};

}  // namespace ruzi
