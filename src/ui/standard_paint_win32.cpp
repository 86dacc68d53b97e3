// The painting of the simple standard controls.
#include <windows.h>

#include "platform/text_encoding.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace ruzi {
namespace {

void DrawCaption(TCanvas& canvas, const TRect& rect, const std::string& text, UINT format) {
  RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
  const std::wstring wide = platform::GbkToWide(text);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.TextExtent("");  // selects the font and colours
  DrawTextW(canvas.Handle(), wide.c_str(), static_cast<int>(wide.size()), &area, format);
}

}  // namespace

void TLabel::Paint() {
  const TRect all{0, 0, Width(), Height()};
  if (!transparent_) {
    Canvas().Brush().SetColor(Color());
    Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas().FillRect(all);
  }
  DrawCaption(Canvas(), all, Caption(), DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void TPanel::Paint() {
  const TRect all = ClientRect();
  Canvas().Brush().SetColor(Color());
  Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
  Canvas().FillRect(all);
  DrawCaption(Canvas(), all, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace ruzi
