#include "ui/db_grid_eh.h"

#include <algorithm>
#include <iterator>

#include "foundation/error.h"
#include "platform/ascii_case.h"
#include "ui/invalidate_on_change.h"
#include "ui/window_message_ids.h"

namespace ruzi {

// What the zoom scales: per column the width, the cell, title and footer fonts; the grid's
// title and footer fonts.
class TDBGridEh::ZoomView : public IZoomColumns {
 public:
  explicit ZoomView(TDBGridEh& grid) : grid_(grid) {}
  int ColumnCount() const override { return grid_.columns_.Count(); }
  int ColumnValue(int column, TColumnPart part) const override {
    TColumnEh& entry = grid_.columns_[column];
    switch (part) {
      case TColumnPart::Width: return entry.Width();
      case TColumnPart::FontSize: return entry.Font().Size();
      case TColumnPart::FontColor: return entry.Font().Color();
      case TColumnPart::TitleFontSize: return entry.Title().Font.Size();
      case TColumnPart::TitleFontColor: return entry.Title().Font.Color();
      case TColumnPart::FooterFontSize: return entry.Footer().Font.Size();
    }
    throw Error("Unknown column value");
  }
  void SetColumnValue(int column, TColumnPart part, int value) override {
    TColumnEh& entry = grid_.columns_[column];
    switch (part) {
      case TColumnPart::Width: return entry.SetWidth(value);
      case TColumnPart::FontSize: return entry.Font().SetSize(value);
      case TColumnPart::FontColor: return entry.Font().SetColor(value);
      case TColumnPart::TitleFontSize: return entry.Title().Font.SetSize(value);
      case TColumnPart::TitleFontColor: return entry.Title().Font.SetColor(value);
      case TColumnPart::FooterFontSize: return entry.Footer().Font.SetSize(value);
    }
  }
  int GridValue(TColumnPart part) const override { return GridFont(part).Size(); }
  void SetGridValue(TColumnPart part, int value) override { GridFont(part).SetSize(value); }

 private:
  TFont& GridFont(TColumnPart part) const {
    return part == TColumnPart::FooterFontSize ? grid_.footer_font_ : grid_.title_font_;
  }
  TDBGridEh& grid_;
};

const TPropertyTable* TDBGridEh::PublishedTable() {
  using Self = TDBGridEh;
  static const TPropertyInfo properties[] = {
      PublishedAs<TColorText, &Self::FixedColor, &Self::SetFixedColor>("FixedColor"),
      PublishedAs<TColorText, &Self::FooterColor, &Self::SetFooterColor>("FooterColor"),
      PublishedAs<TFontText, static_cast<const TFont& (Self::*)() const>(&Self::FooterFont), &Self::SetFooterFont>(
          "FooterFont"),
      Published<&Self::FooterRowCount, &Self::SetFooterRowCount>("FooterRowCount"),
      Published<&Self::RowHeight, &Self::SetRowHeight>("RowHeight"),
      PublishedAs<TFontText, static_cast<const TFont& (Self::*)() const>(&Self::TitleFont), &Self::SetTitleFont>(
          "TitleFont"),
      Published<&Self::TitleHeight, &Self::SetTitleHeight>("TitleHeight")};
  static const TEventInfo events[] = {PublishedEvent<&Self::OnCellClick>("OnCellClick"),
                                      PublishedEvent<&Self::OnDrawColumnCell>("OnDrawColumnCell"),
                                      PublishedEvent<&Self::OnDrawFooterCell>("OnDrawFooterCell"),
                                      PublishedEvent<&Self::OnGetCellParams>("OnGetCellParams"),
                                      PublishedEvent<&Self::OnTitleClick>("OnTitleClick")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TDBGridEh::TDBGridEh(TComponent* owner) : TCustomControl(owner), columns_(*this) {
  SetBounds(0, 0, 320, 120);
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  title_font_.OnChange = InvalidateOnChange(this);
  footer_font_.OnChange = InvalidateOnChange(this);
  data_source_.OnDataChange = TNotifyEvent{[](void* grid, TPersistent*) {
                                             auto* self = static_cast<TDBGridEh*>(grid);
                                             self->SetRow(self->row_);  // kept inside the rows
                                             self->Invalidate();
                                           },
                                           this};
}

TDBGridEh::~TDBGridEh() = default;

bool TDBGridEh::IsTreeGrid() const {
  const IGridRows* rows = data_source_.DataSet();
  return rows != nullptr && AsciiEqualIgnoreCase(rows->ClassName(), "TQXTreeQry");
}

void TDBGridEh::SetFooterRowCount(int count) { Change(footer_rows_, std::clamp(count, 0, 1)); }

void TDBGridEh::SetRow(int row) {
  const IGridRows* rows = data_source_.DataSet();
  const int count = rows != nullptr ? rows->RowCount() : 0;
  Change(row_, std::clamp(row, -1, count - 1));
}

void TDBGridEh::SetTopRow(int row) { Change(top_row_, std::max(row, 0)); }

TGridMetrics TDBGridEh::Metrics() const {
  TGridMetrics metrics;
  metrics.ColumnWidths = columns_.Widths();
  metrics.TitleHeight = title_height_;
  metrics.RowHeight = row_height_;
  metrics.FooterHeight = footer_rows_ > 0 ? row_height_ : 0;
  const IGridRows* rows = data_source_.DataSet();
  metrics.RowCount = rows != nullptr ? rows->RowCount() : 0;
  metrics.TopRow = top_row_;
  const TRect client = ClientRect();
  metrics.Client = TSize{client.Width(), client.Height()};
  return metrics;
}

std::string TDBGridEh::CellText(int row, int column) const {
  const IGridRows* rows = data_source_.DataSet();
  if (rows == nullptr || row < 0 || row >= rows->RowCount() || column < 0 || column >= columns_.Count()) return "";
  const int field = rows->FieldIndex(columns_[column].FieldName());
  return field >= 0 ? rows->CellText(row, field) : "";
}

IZoomColumns* TDBGridEh::ZoomColumns() {
  if (zoom_view_ == nullptr) zoom_view_ = std::make_unique<ZoomView>(*this);
  return zoom_view_.get();
}

void TDBGridEh::ClickAt(int x, int y) {
  const TGridHit hit = GridHitTest(Metrics(), x, y);
  if (hit.Area == TGridArea::Title) OnTitleClick(&columns_[hit.Column]);
  if (hit.Area != TGridArea::Data) return;
  SetRow(hit.Row);
  OnCellClick(&columns_[hit.Column]);
}

void TDBGridEh::WndProc(TMessage& message) {
  if (message.Msg == wm::LButtonDown) ClickAt(wm::PointX(message.LParam), wm::PointY(message.LParam));
  TCustomControl::WndProc(message);
}

}  // namespace ruzi
