// A speed button's face: drawn with the canvas, which draws only where there is a window system.
// <windows.h> first: the canvas names its text call after the system macro (TextOut is TextOutW).
#include <windows.h>

#include "ui/button_layout.h"
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
  const TSize text = caption.empty() ? TSize{} : canvas.TextExtent(caption);
  TGraphic* glyph = glyph_.Picture().Graphic();
  const TSize glyph_size = glyph != nullptr ? TSize{glyph->Width(), glyph->Height()} : TSize{};
  const TButtonPlaces at =
      PlaceGlyphAndCaption(TSize{Width(), Height()}, glyph_size, text, TButtonLayout::blGlyphLeft, -1, 4);
  if (glyph != nullptr) canvas.Draw(at.GlyphX + shift, at.GlyphY + shift, *glyph);
  if (!caption.empty()) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.TextOut(at.TextX + shift, at.TextY + shift, caption);
  }
}

}  // namespace ruzi
