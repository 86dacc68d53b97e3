#pragma once
// Small painting steps the owner-drawn client controls share: a filled area, and a text clipped
// to a cell. Windows only (they draw on a device context).
#include <string>

#include "ui/align.h"
#include "ui/canvas.h"

namespace ruzi {

inline void FillArea(TCanvas& canvas, const TRect& rect, TColor color) {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FillRect(rect);
}

// The text 2 pixels in from the cell's top and from the side it is aligned to (centred across
// the cell), over what is already painted.
inline void DrawCellText(TCanvas& canvas, const TRect& rect, const std::string& text, const TFont& font,
                         TAlignment alignment = TAlignment::taLeftJustify) {
  canvas.Font().Assign(const_cast<TFont*>(&font));
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  int x = rect.Left + 2;
  if (alignment == TAlignment::taRightJustify) x = rect.Right - 2 - canvas.TextWidth(text);
  if (alignment == TAlignment::taCenter) x = rect.Left + (rect.Width() - canvas.TextWidth(text)) / 2;
  canvas.TextRect(rect, x, rect.Top + 2, text);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

}  // namespace ruzi
