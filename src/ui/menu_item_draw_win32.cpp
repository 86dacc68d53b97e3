// An owner-drawn menu item's size and painting when it has no handlers of its own: the image or
// check mark in the gutter at its left, the caption, and the shortcut's text right-aligned.
#include <windows.h>

#include <algorithm>

#include "ui/canvas.h"
#include "ui/image_list.h"
#include "ui/menu.h"

namespace ruzi {
namespace {

constexpr int kLineHeight = 8;
constexpr int kTextMargin = 6;
constexpr int kShortCutGap = 16;  // between the caption and the shortcut's text
constexpr int kGutterMargin = 3;  // around the image or mark
constexpr int kMarkSize = 16;     // the gutter's content without images

// A check mark, or a radio item's dot, centred in `cell`, in the pen's colour.
void DrawMark(TCanvas& canvas, const TRect& cell, bool radio) {
  const int x = (cell.Left + cell.Right) / 2, y = (cell.Top + cell.Bottom) / 2;
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(canvas.Pen().Color());
  if (radio) {
    canvas.Ellipse(TRect{x - 3, y - 3, x + 3, y + 3});
    return;
  }
  for (int dy = 0; dy < 2; ++dy) {
    canvas.MoveTo(x - 4, y - 1 + dy);
    canvas.LineTo(x - 1, y + 2 + dy);
    canvas.LineTo(x + 5, y - 4 + dy);
  }
}

}  // namespace

int TMenuItem::GutterWidth() const {
  const TMenu* menu = GetParentMenu();
  if (menu != nullptr && parent_ == menu->items_ && !menu->IsPopup()) return 0;  // on the bar
  const int content = menu != nullptr && menu->images_ != nullptr ? menu->images_->Width() : kMarkSize;
  return content + 2 * kGutterMargin;
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  if (IsLine()) {
    width = 0;
    height = kLineHeight;
  } else {
    const TSize size = canvas.TextExtent(caption_);
    const int gutter = GutterWidth();
    width = gutter + size.cx + 2 * kTextMargin;
    height = size.cy + kTextMargin;
    const std::string short_cut = ShortCutToText(short_cut_);
    if (gutter > 0 && !short_cut.empty()) width += kShortCutGap + canvas.TextWidth(short_cut);
    TMenu* menu = GetParentMenu();
    if (gutter > 0 && menu != nullptr && menu->Images() != nullptr) {
      height = std::max(height, menu->Images()->Height() + 2 * kGutterMargin);
    }
  }
  OnMeasureItem(this, &canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, const TRect& rect, bool selected) {
  if (OnDrawItem.Assigned()) {
    OnDrawItem(this, &canvas, rect, selected);
    return;
  }
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(selected ? clHighlight : clMenu);
  canvas.FillRect(rect);
  if (IsLine()) {
    const int middle = (rect.Top + rect.Bottom) / 2;
    canvas.Pen().SetColor(clBtnShadow);
    canvas.MoveTo(rect.Left, middle);
    canvas.LineTo(rect.Right, middle);
    return;
  }
  const TColor text_color = !enabled_ ? clGrayText : selected ? clHighlightText : clMenuText;
  const int gutter = GutterWidth();
  TMenu* menu = GetParentMenu();
  TImageList* images = menu != nullptr ? menu->Images() : nullptr;
  if (gutter > 0 && images != nullptr && image_index_ >= 0 && image_index_ < images->Count()) {
    const int x = rect.Left + kGutterMargin, y = rect.Top + (rect.Height() - images->Height()) / 2;
    images->Draw(canvas, x, y, image_index_, enabled_);
    if (checked_) {  // a checked item with an image: the image framed
      canvas.Brush().SetColor(text_color);
      canvas.FrameRect(TRect{x - 1, y - 1, x + images->Width() + 1, y + images->Height() + 1});
    }
  } else if (gutter > 0 && checked_) {
    canvas.Pen().SetColor(text_color);
    DrawMark(canvas, TRect{rect.Left, rect.Top, rect.Left + gutter, rect.Bottom}, radio_item_);
  }
  canvas.Font().SetColor(text_color);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const int top = rect.Top + (rect.Height() - canvas.TextHeight(caption_)) / 2;
  canvas.TextRect(rect, rect.Left + gutter + kTextMargin, top, caption_);
  const std::string short_cut = ShortCutToText(short_cut_);
  if (gutter > 0 && !short_cut.empty()) {
    canvas.TextRect(rect, rect.Right - kTextMargin - canvas.TextWidth(short_cut), top, short_cut);
  }
}

}  // namespace ruzi
