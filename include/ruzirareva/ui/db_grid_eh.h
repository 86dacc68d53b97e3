#pragma once
// A data grid drawn by itself: a title row, the rows of its data source's DataSet (grid_rows.h)
// one column per visible Columns entry, and a footer row when FooterRowCount is 1. Title cells
// are painted on FixedColor, footer cells on FooterColor, data cells on Color unless
// OnGetCellParams changes the font or background of a cell; OnDrawColumnCell and
// OnDrawFooterCell then draw over the default painting on Canvas. A click on a data cell makes
// it the current cell and runs OnCellClick; a click on a title runs OnTitleClick. The arrows,
// PgUp/PgDn, Home/End and Ctrl+Home/End move the current cell (grid_layout.h); the grid scrolls
// to keep it in view, and its scroll bars (rows down, pixels of the columns across) move TopRow
// and LeftCol, as do the wheel (rows; with Shift, or tilted, columns) and a drag from a data
// cell held past an edge, the current row following the mouse. The form zoom scales the
// columns through ZoomColumns. User-interface thread only.
#include <memory>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/set_of.h"
#include "ruzirareva/ui/db_grid_eh_columns.h"
#include "ruzirareva/ui/graphic_control.h"
#include "ruzirareva/ui/grid_draw_state.h"
#include "ruzirareva/ui/grid_layout.h"
#include "ruzirareva/ui/grid_rows.h"
#include "ruzirareva/ui/zoom_columns.h"

namespace ruzi {

using TGetCellEhParamsEvent = TEvent<TPersistent*, TColumnEh*, TFont*, TColor&, TGridDrawState>;
using TDrawColumnEhCellEvent = TEvent<TPersistent*, const TRect&, int, TColumnEh*, TGridDrawState>;
using TDrawFooterCellEvent = TEvent<TPersistent*, int, int, TColumnEh*, const TRect&, TGridDrawState>;
using TDBGridEhClickEvent = TEvent<TColumnEh*>;

class TGridScroller;

class RUZI_API TDBGridEh : public TCustomControl, public IZoomColumnsHolder {
  RUZI_CLASS_RECORD_PUBLISHED(TDBGridEh, TCustomControl::ClassRecord())

 public:
  explicit TDBGridEh(TComponent* owner = nullptr);
  ~TDBGridEh() override;

  TDBGridColumnsEh& Columns() { return columns_; }
  const TDBGridColumnsEh& Columns() const { return columns_; }
  std::string ColumnsText() const { return columns_.Text(); }
  void SetColumnsText(const std::string& text) { columns_.SetText(text); }
  TGridDataSource& DataSource() { return data_source_; }
  // True when the rows come from a tree dataset ("TQXTreeQry").
  bool IsTreeGrid() const;

  TColor FixedColor() const { return fixed_color_; }
  void SetFixedColor(TColor color) { Change(fixed_color_, color); }
  TColor FooterColor() const { return footer_color_; }
  void SetFooterColor(TColor color) { Change(footer_color_, color); }
  TFont& TitleFont() { return title_font_; }
  const TFont& TitleFont() const { return title_font_; }
  void SetTitleFont(const TFont& font) { title_font_.Assign(const_cast<TFont*>(&font)); }
  TFont& FooterFont() { return footer_font_; }
  const TFont& FooterFont() const { return footer_font_; }
  void SetFooterFont(const TFont& font) { footer_font_.Assign(const_cast<TFont*>(&font)); }
  int FooterRowCount() const { return footer_rows_; }
  void SetFooterRowCount(int count);
  int RowHeight() const { return row_height_; }
  void SetRowHeight(int height);
  int TitleHeight() const { return title_height_; }
  void SetTitleHeight(int height);

  // The current data row (-1: none) and column (SelectedIndex, -1: none), kept inside the rows
  // and columns; setting either scrolls it into view.
  int Row() const { return row_; }
  void SetRow(int row);
  int SelectedIndex() const { return selected_index_; }
  void SetSelectedIndex(int column);
  // The first data row and the first column shown, kept within how far the grid can scroll.
  int TopRow() const { return top_row_; }
  void SetTopRow(int row) { ScrollTo(row, left_col_); }
  int LeftCol() const { return left_col_; }
  void SetLeftCol(int column) { ScrollTo(top_row_, column); }
  // Where the cells lie now.
  TGridMetrics Metrics() const;
  // The text a data cell shows: its column's field of that row ("" without rows or field).
  std::string CellText(int row, int column) const;

  IZoomColumns* ZoomColumns() override;

  TGetCellEhParamsEvent OnGetCellParams;
  TDrawColumnEhCellEvent OnDrawColumnCell;
  TDrawFooterCellEvent OnDrawFooterCell;
  TDBGridEhClickEvent OnCellClick;
  TDBGridEhClickEvent OnTitleClick;

 protected:
  void BoundsChanged() override;
  void CreateWnd() override;
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  friend class TColumnEh;
  friend class TDBGridColumnsEh;
  class ZoomView;
  template <typename T>
  void Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }
  void ClickAt(int x, int y);
  // A drag from a data cell: the current row follows the mouse, and a tick past an edge
  // scrolls a step toward it.
  void DragTo(int x, int y);
  void DragTick(int x, int y);
  bool KeyDown(uintptr_t key);
  // A scroll bar's message (its WParam); the thumb scrolls while it is dragged.
  void Scroll(bool vertical, uintptr_t wparam);
  void ScrollTo(int top_row, int left_col);
  // The rows, the columns or the client area changed: positions back inside their limits, bars
  // and cells shown again.
  void LayoutChanged();
  // The current cell inside the rows and columns, TopRow and LeftCol inside their limits.
  void KeepInLimits();
  int RowCount() const;
  void UpdateScrollBars();

  TDBGridColumnsEh columns_;
  TGridDataSource data_source_;
  TColor fixed_color_ = clBtnFace;
  TColor footer_color_ = clWindow;
  TFont title_font_;
  TFont footer_font_;
  int footer_rows_ = 0;
  int row_height_ = 18;
  int title_height_ = 18;
  int row_ = -1;
  int selected_index_ = -1;
  int top_row_ = 0;
  int left_col_ = 0;
  std::unique_ptr<TGridScroller> scroller_;
  std::unique_ptr<ZoomView> zoom_view_;
};

}  // namespace ruzi
