#include "ui/db_grid_eh.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "foundation/error.h"
#include "platform/ascii_case.h"
#include "ui/grid_scroller.h"
#include "ui/invalidate_on_change.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

// VK_PRIOR ... VK_DOWN.
constexpr uintptr_t kPageUp = 0x21, kPageDown = 0x22, kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kUp = 0x26,
                    kRight = 0x27, kDown = 0x28;

std::optional<TGridKey> GridKeyOf(uintptr_t key, bool control) {
  switch (key) {
    case kUp: return TGridKey::Up;
    case kDown: return TGridKey::Down;
    case kPageUp: return TGridKey::PageUp;
    case kPageDown: return TGridKey::PageDown;
    case kLeft: return TGridKey::Left;
    case kRight: return TGridKey::Right;
    case kHome: return control ? TGridKey::First : TGridKey::Home;
    case kEnd: return control ? TGridKey::Last : TGridKey::End;
    default: return std::nullopt;
  }
}

}  // namespace

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
      case TColumnPart::TitleFontSize: return entry.Title().Font().Size();
      case TColumnPart::TitleFontColor: return entry.Title().Font().Color();
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
      case TColumnPart::TitleFontSize: return entry.Title().Font().SetSize(value);
      case TColumnPart::TitleFontColor: return entry.Title().Font().SetColor(value);
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
      Published<&Self::ColumnsText, &Self::SetColumnsText>("Columns"),
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

TDBGridEh::TDBGridEh(TComponent* owner)
    : TCustomControl(owner), columns_(*this), scroller_(std::make_unique<TGridScroller>(*this)) {
  SetBounds(0, 0, 320, 120);
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  title_font_.OnChange = InvalidateOnChange(this);
  footer_font_.OnChange = InvalidateOnChange(this);
  data_source_.OnDataChange =
      TNotifyEvent{[](void* grid, TPersistent*) { static_cast<TDBGridEh*>(grid)->LayoutChanged(); }, this};
}

TDBGridEh::~TDBGridEh() = default;

bool TDBGridEh::IsTreeGrid() const {
  const IGridRows* rows = data_source_.DataSet();
  return rows != nullptr && AsciiEqualIgnoreCase(rows->ClassName(), "TQXTreeQry");
}

void TDBGridEh::SetFooterRowCount(int count) {
  footer_rows_ = std::clamp(count, 0, 1);
  LayoutChanged();
}

void TDBGridEh::SetRowHeight(int height) {
  row_height_ = std::max(height, 1);
  LayoutChanged();
}

void TDBGridEh::SetTitleHeight(int height) {
  title_height_ = std::max(height, 0);
  LayoutChanged();
}

int TDBGridEh::RowCount() const {
  const IGridRows* rows = data_source_.DataSet();
  return rows != nullptr ? rows->RowCount() : 0;
}

void TDBGridEh::SetRow(int row) {
  row_ = std::clamp(row, -1, RowCount() - 1);
  ScrollTo(GridTopRowShowing(Metrics(), row_), left_col_);
  Invalidate();
}

void TDBGridEh::SetSelectedIndex(int column) {
  selected_index_ = std::clamp(column, -1, columns_.Count() - 1);
  ScrollTo(top_row_, GridLeftColShowing(Metrics(), selected_index_));
  Invalidate();
}

void TDBGridEh::ScrollTo(int top_row, int left_col) {
  const TGridMetrics metrics = Metrics();
  top_row = std::clamp(top_row, 0, GridMaxTopRow(metrics));
  left_col = std::clamp(left_col, 0, GridMaxLeftCol(metrics));
  if (top_row == top_row_ && left_col == left_col_) return;
  top_row_ = top_row;
  left_col_ = left_col;
  UpdateScrollBars();
  Invalidate();
}

void TDBGridEh::KeepInLimits() {
  row_ = std::clamp(row_, -1, RowCount() - 1);
  selected_index_ = std::clamp(selected_index_, -1, columns_.Count() - 1);
  const TGridMetrics metrics = Metrics();
  top_row_ = std::clamp(top_row_, 0, GridMaxTopRow(metrics));
  left_col_ = std::clamp(left_col_, 0, GridMaxLeftCol(metrics));
}

void TDBGridEh::LayoutChanged() {
  KeepInLimits();
  UpdateScrollBars();
  Invalidate();
}

TGridMetrics TDBGridEh::Metrics() const {
  TGridMetrics metrics;
  metrics.ColumnWidths = columns_.Widths();
  metrics.TitleHeight = title_height_;
  metrics.RowHeight = row_height_;
  metrics.FooterHeight = footer_rows_ > 0 ? row_height_ : 0;
  metrics.RowCount = RowCount();
  metrics.TopRow = top_row_;
  metrics.LeftCol = left_col_;
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
  SetSelectedIndex(hit.Column);
  scroller_->StartDrag([this](int at_x, int at_y) { DragTick(at_x, at_y); });
  OnCellClick(&columns_[hit.Column]);
}

// The data row nearest the mouse among those shown whole.
void TDBGridEh::DragTo(int x, int y) {
  if (!scroller_->Dragging()) return;
  scroller_->DragTo(x, y);
  const TGridMetrics metrics = Metrics();
  const int shown = GridVisibleRows(metrics);
  if (shown == 0) return;
  const int offset = std::max(0, y - GridDataTop(metrics)) / (metrics.RowHeight + 1);
  SetRow(top_row_ + std::min(offset, shown - 1));
}

void TDBGridEh::DragTick(int x, int y) {
  const TGridMetrics metrics = Metrics();
  const int across = DragScrollStep(x, 0, metrics.Client.cx);
  const int down = DragScrollStep(y, GridDataTop(metrics), GridDataBottom(metrics));
  if (across == 0 && down == 0) return;
  ScrollTo(top_row_ + down, left_col_ + across);
  DragTo(x, y);
}


void TDBGridEh::UpdateScrollBars() {
  scroller_->UpdateBars([this] {
    KeepInLimits();
    const TGridMetrics settled = Metrics();
    return TGridBars{GridHorzScrollBar(settled), GridVertScrollBar(settled)};
  });
}

bool TDBGridEh::KeyDown(uintptr_t key) {
  const std::optional<TGridKey> move = GridKeyOf(key, TGridScroller::ControlKeyDown());
  if (!move) return false;
  const TGridCell to = GridKeyTarget(Metrics(), TGridCell{row_, selected_index_}, *move);
  SetRow(to.Row);
  SetSelectedIndex(to.Column);
  return true;
}

void TDBGridEh::Scroll(bool vertical, uintptr_t wparam) {
  const TGridMetrics metrics = Metrics();
  const int request = static_cast<int>(wparam & 0xFFFF);
  const int track = scroller_->TrackPosition(vertical, wparam);
  if (vertical) return ScrollTo(GridVertScrollTopRow(metrics, request, track), left_col_);
  ScrollTo(top_row_, GridHorzScrollLeftCol(metrics, request, track));
}

void TDBGridEh::BoundsChanged() {
  TCustomControl::BoundsChanged();
  LayoutChanged();
}

void TDBGridEh::CreateWnd() {
  TCustomControl::CreateWnd();
  LayoutChanged();
}

void TDBGridEh::WndProc(TMessage& message) {
  const auto page = [this] { return GridPageRows(Metrics()); };
  const auto scroll = [this](TGridScroller::TWheelMove move) { ScrollTo(top_row_ + move.Rows, left_col_ + move.Cols); };
  if (scroller_->Dispatch(message, page, scroll)) return;
  switch (message.Msg) {
    case wm::LButtonDown:
      ClickAt(wm::PointX(message.LParam), wm::PointY(message.LParam));
      break;
    case wm::MouseMove:
      DragTo(wm::PointX(message.LParam), wm::PointY(message.LParam));
      break;
    case wm::KeyDown:
      if (KeyDown(message.WParam)) return;
      break;
    case wm::VScroll:
    case wm::HScroll:
      // The grid's own bars only (a bar control sends its handle).
      if (message.LParam != 0) break;
      Scroll(message.Msg == wm::VScroll, message.WParam);
      return;
    default:
      break;
  }
  TCustomControl::WndProc(message);
  // A bar shown or hidden changes the client area without moving the grid.
  if (message.Msg == wm::Size) LayoutChanged();
}

}  // namespace ruzi
