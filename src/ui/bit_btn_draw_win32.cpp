// A bit button's face: the system's push-button frame, then the glyph and the caption where the
// layout puts them. <windows.h> comes before the canvas (its TextOut is the system macro's name).
#include <windows.h>

#include <algorithm>

#include "ui/bit_btn.h"
#include "ui/canvas.h"

namespace ruzi {

void TBitBtn::DrawItem(intptr_t draw_item) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(draw_item);
  const bool down = (item.itemState & ODS_SELECTED) != 0;
  RECT area = item.rcItem;
  DrawFrameControl(item.hDC, &area, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (down ? DFCS_PUSHED : 0));
  if (Default() || (item.itemState & ODS_FOCUS) != 0) FrameRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOWFRAME));
  TCanvas canvas;
  canvas.SetHandle(item.hDC);
  canvas.Font().Assign(&Font());
  const std::string caption = Caption();
  const TSize text = caption.empty() ? TSize{} : canvas.TextExtent(caption);
  TGraphic* glyph = glyph_.Picture().Graphic();
  const TSize glyph_size = glyph != nullptr ? TSize{glyph->Width() / std::max(num_glyphs_, 1), glyph->Height()} : TSize{};
  const int shift = down ? 1 : 0;
  const TButtonPlaces at = PlaceGlyphAndCaption(TSize{item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top},
                                                glyph_size, text, layout_, margin_, spacing_);
  if (glyph != nullptr) {
    // The first image of a strip of NumGlyphs.
    const TRect target{at.GlyphX + shift, at.GlyphY + shift, at.GlyphX + shift + glyph_size.cx, at.GlyphY + shift + glyph_size.cy};
    const int saved = SaveDC(item.hDC);
    IntersectClipRect(item.hDC, target.Left, target.Top, target.Right, target.Bottom);
    canvas.Draw(target.Left, target.Top, *glyph);
    RestoreDC(item.hDC, saved);
  }
  if (!caption.empty()) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().SetColor(Enabled() ? Font().Color() : clGrayText);
    canvas.TextOut(at.TextX + shift, at.TextY + shift, caption);
  }
  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = area;
    InflateRect(&focus, -1, -1);
    DrawFocusRect(item.hDC, &focus);
  }
  canvas.SetHandle(nullptr);
}

}  // namespace ruzi
