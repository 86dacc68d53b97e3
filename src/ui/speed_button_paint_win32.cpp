// A speed button's face: drawn with the canvas, which draws only where there is a window system.
// <windows.h> first: the canvas names its text call after the system macro (TextOut is TextOutW).
#include <windows.h>

#include "ui/speed_button.h"

namespace ruzi {

void TSpeedButton::Paint() {
  const TRect all{0, 0, Width(), Height()};
  TCanvas& canvas = Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(all);
  const bool sunken = down_ || pressed_;
  if (!flat_ || sunken) {
    // Light on the top and left edges of a raised face, dark on the others; the other way when down.
    canvas.Pen().SetColor(sunken ? clBtnShadow : clBtnHighlight);
    canvas.MoveTo(0, Height() - 1);
    canvas.LineTo(0, 0);
    canvas.LineTo(Width() - 1, 0);
    canvas.Pen().SetColor(sunken ? clBtnHighlight : clBtnShadow);
    canvas.LineTo(Width() - 1, Height() - 1);
    canvas.LineTo(0, Height() - 1);
  }
  const int shift = sunken ? 1 : 0;
  const std::string caption = Caption();
  const int text_width = caption.empty() ? 0 : canvas.TextWidth(caption);
  TGraphic* glyph = glyph_.Picture().Graphic();
  const int glyph_width = glyph != nullptr ? glyph->Width() : 0;
  const int gap = glyph_width > 0 && text_width > 0 ? 4 : 0;
  int x = (Width() - glyph_width - gap - text_width) / 2 + shift;
  if (glyph != nullptr) {
    canvas.Draw(x, (Height() - glyph->Height()) / 2 + shift, *glyph);
    x += glyph_width + gap;
  }
  if (text_width > 0) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.TextOut(x, (Height() - canvas.TextHeight(caption)) / 2 + shift, caption);
  }
}

}  // namespace ruzi
