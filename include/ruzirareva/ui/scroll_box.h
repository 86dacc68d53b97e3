#pragma once
// An area whose controls may reach beyond it: scroll bars appear (AutoScroll) when they do, and
// scrolling moves the controls. UpdateScrollRange measures the controls again (after the box is
// resized, by itself; after the controls moved, when called). User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

class RUZI_API TScrollBox : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TScrollBox, TWinControl::ClassRecord())

 public:
  explicit TScrollBox(TComponent* owner = nullptr);

  bool AutoScroll() const { return auto_scroll_; }
  void SetAutoScroll(bool auto_scroll);
  // How far the controls are scrolled, and the farthest they can be.
  int HorzPosition() const { return scroll_x_; }
  int VertPosition() const { return scroll_y_; }
  TSize ScrollRange() const;
  // Scrolls to a position, kept within [0, range].
  void ScrollTo(int x, int y);
  void UpdateScrollRange();

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  // The Win32 half: the bars shown for the range and position; the thumb's position while the
  // user drags it.
  void UpdateScrollBars();
  int TrackPosition(bool vertical);

  bool auto_scroll_ = true;
  int scroll_x_ = 0;
  int scroll_y_ = 0;
  bool updating_bars_ = false;  // showing a bar resizes the box, which measures again
};

// Where a scroll bar request (SB_LINEUP ... SB_THUMBTRACK, SB_TOP, SB_BOTTOM) moves a position,
// kept within [0, max]; `track` is the thumb's position for the thumb requests.
RUZI_API int ScrollRequestPosition(int request, int position, int track, int line, int page, int max);

}  // namespace ruzi
