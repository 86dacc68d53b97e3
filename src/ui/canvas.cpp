#include "ui/canvas.h"

namespace ruzi {

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

TCanvas::TCanvas() {
  // A change of pen, brush or font is selected again before the next drawing call.
  const TNotifyEvent changed{[](void* canvas, TPersistent*) { static_cast<TCanvas*>(canvas)->ObjectChanged(); },
                             this};
  pen_.OnChange = changed;
  brush_.OnChange = changed;
  font_.OnChange = changed;
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

HDC__* TCanvas::Handle() {
  if (dc_ == nullptr) CreateHandle();
  return dc_;
}

void TCanvas::SetHandle(HDC__* dc) {
  if (dc == dc_) return;
  DeselectObjects();
  dc_ = dc;
}

void TCanvas::ObjectChanged() { DeselectObjects(); }

}  // namespace ruzi
