#pragma once
// A control without a window of its own (a label, an image, a speed button): its parent paints
// it, sending WM_PAINT with the parent's DC in WParam, moved and clipped to the control's
// bounds, and feeds it the mouse in its own coordinates. Derived classes draw in Paint on Canvas.
// User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/canvas.h"
#include "ruzirareva/ui/control.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

class RUZI_API TGraphicControl : public TControl {
  RUZI_CLASS_RECORD(TGraphicControl, TControl::ClassRecord())

 public:
  explicit TGraphicControl(TComponent* owner = nullptr);

  // The canvas of the paint in progress (no DC outside of one).
  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}
  void WndProc(TMessage& message) override;

 private:
  TCanvas canvas_;
};

// A windowed control that paints itself in Paint on its Canvas, after its background.
class RUZI_API TCustomControl : public TWinControl {
  RUZI_CLASS_RECORD(TCustomControl, TWinControl::ClassRecord())

 public:
  explicit TCustomControl(TComponent* owner = nullptr);

  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC__* dc) override;

 private:
  TCanvas canvas_;
};

}  // namespace ruzi
