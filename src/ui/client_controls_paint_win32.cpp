// The painting of the thin client and outside controls: enough to see each one and its colours.
#include "ui/cell_paint.h"
#include "ui/checkable_db_grid.h"
#include "ui/dx_db_grid.h"
#include "ui/dx_tree_list.h"
#include "ui/page_guide.h"
#include "ui/qr_label.h"
#include "ui/selection_frames.h"
#include "ui/virtual_string_tree.h"

namespace ruzi {
namespace {

constexpr int kHeaderHeight = 18;

// A grid-like control: its colour, and a header band across the top.
void PaintHeaded(TCanvas& canvas, const TRect& client, TColor color, TColor header_color, const TFont& header_font,
                 const std::string& header_text) {
  FillArea(canvas, client, color);
  const TRect header{client.Left, client.Top, client.Right, client.Top + kHeaderHeight};
  FillArea(canvas, header, header_color);
  DrawCellText(canvas, header, header_text, header_font);
  FillArea(canvas, TRect{header.Left, header.Bottom, header.Right, header.Bottom + 1}, clSilver);
}

}  // namespace

void TSelectionFrame::Paint() {
  const TRect client = ClientRect();
  FillArea(Canvas(), client, Color());
  const int split = client.Width() / 3;
  DrawCellText(Canvas(), TRect{0, 0, split, client.Bottom}, Caption(), Font());
  const TRect box{split, 1, client.Right - 1, client.Bottom - 1};
  FillArea(Canvas(), box, text_background_);
  Canvas().Brush().SetColor(clGray);
  Canvas().FrameRect(box);
}

void TCheckableDBGrid::Paint() {
  PaintHeaded(Canvas(), ClientRect(), Color(), fixed_color_, title_font_, Caption());
}

void TdxDBGrid::Paint() {
  const TRect client = ClientRect();
  PaintHeaded(Canvas(), client, Color(), header_color_, header_font_, Caption());
  FillArea(Canvas(), TRect{0, kHeaderHeight + 1, client.Right, 2 * kHeaderHeight + 1}, group_node_color_);
}

void TdxTreeList::Paint() { PaintHeaded(Canvas(), ClientRect(), Color(), clBtnFace, Font(), Caption()); }

void TVirtualStringTree::Paint() {
  const TRect client = ClientRect();
  FillArea(Canvas(), client, Color());
  int left = 0;
  for (const TVirtualTreeColumn& column : columns_) {
    const TRect cell{left, 0, left + column.Width, HeaderHeight()};
    FillArea(Canvas(), cell, header_background_);
    DrawCellText(Canvas(), cell, column.Text, header_font_);
    left = cell.Right + 1;
  }
  FillArea(Canvas(), TRect{left, 0, client.Right, HeaderHeight()}, header_background_);
}

void TPageGuide::Paint() {
  const TRect client = ClientRect();
  FillArea(Canvas(), client, Color());
  // One sample of each part in its default colour: page number, page size, button.
  const TPageGuideColors* parts[] = {&number_, &size_, &button_};
  const char* const texts[] = {"1", "20", ">"};
  int left = 4;
  for (size_t index = 0; index < std::size(parts); ++index) {
    TFont font(Font());
    font.SetColor(parts[index]->Default);
    DrawCellText(Canvas(), TRect{left, 0, left + 30, client.Bottom}, texts[index], font);
    left += 34;
  }
}

void TQRLabel::Paint() {
  const TRect all{0, 0, Width(), Height()};
  if (!transparent_) FillArea(Canvas(), all, Color());
  DrawCellText(Canvas(), all, Caption(), Font());
  Canvas().Brush().SetColor(frame_color_);
  Canvas().FrameRect(all);
}

}  // namespace ruzi
