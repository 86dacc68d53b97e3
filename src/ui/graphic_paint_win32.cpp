// The painting of the image, splitter, tool bar and tool buttons.
#include <windows.h>

#include "platform/text_encoding.h"
#include "ui/image.h"
#include "ui/image_list.h"
#include "ui/splitter.h"
#include "ui/tool_bar.h"

namespace ruzi {
namespace {

void FillWith(TCanvas& canvas, const TRect& rect, TColor color) {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FillRect(rect);
}

void Edge(TCanvas& canvas, const TRect& rect, UINT edge) {
  RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
  DrawEdge(canvas.Handle(), &area, edge, BF_RECT);
}

}  // namespace

void TImage::Paint() {
  if (TGraphic* graphic = picture_.Graphic(); graphic != nullptr && !graphic->Empty()) {
    Canvas().StretchDraw(DestRect(), *graphic);
  }
}

void TSplitter::Paint() { FillWith(Canvas(), TRect{0, 0, Width(), Height()}, Color()); }

void TToolBar::Paint() { FillWith(Canvas(), ClientRect(), Color()); }

void TToolButton::Paint() {
  const TRect all{0, 0, Width(), Height()};
  TToolBar* bar = ToolBar();
  FillWith(Canvas(), all, Color());
  if (style_ == TToolButtonStyle::tbsSeparator) return;
  if (style_ == TToolButtonStyle::tbsDivider) {
    Edge(Canvas(), TRect{Width() / 2 - 1, 0, Width() / 2 + 1, Height()}, EDGE_ETCHED);
    return;
  }
  if (down_ || pressed_) {
    Edge(Canvas(), all, BDR_SUNKENOUTER);
  } else if (bar == nullptr || !bar->Flat()) {
    Edge(Canvas(), all, BDR_RAISEDINNER);
  }
  const int shift = down_ || pressed_ ? 1 : 0;
  int text_top = 0;
  if (TImageList* images = bar != nullptr ? bar->Images() : nullptr; images != nullptr && image_index_ >= 0) {
    const bool captions = bar->ShowCaptions();
    const int top = captions ? 2 : (Height() - images->Height()) / 2;
    images->Draw(Canvas(), (Width() - images->Width()) / 2 + shift, top + shift, image_index_, Enabled());
    text_top = top + images->Height();
  }
  if (bar != nullptr && bar->ShowCaptions()) {
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    Canvas().Font().SetColor(Enabled() ? clBtnText : clGrayText);
    const std::string caption = Caption();
    const int top = text_top > 0 ? text_top : (Height() - Canvas().TextHeight(caption)) / 2;
    Canvas().TextOut((Width() - Canvas().TextWidth(caption)) / 2 + shift, top + shift, caption);
  }
}

}  // namespace ruzi
