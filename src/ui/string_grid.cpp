#include "ui/string_grid.h"

#include <algorithm>
#include <iterator>

#include "foundation/error.h"
#include "ui/tab_text.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

constexpr int kLineWidth = 1;  // the grid line right of and below each cell

// The start of each cell along one axis: cell `index` begins at the sum of the cells before it.
int Offset(const std::vector<int>& sizes, int index) {
  int offset = 0;
  for (int i = 0; i < index; ++i) offset += sizes[static_cast<size_t>(i)] + kLineWidth;
  return offset;
}

// The cell of one axis at `position`, or -1.
int IndexAt(const std::vector<int>& sizes, int position) {
  if (position < 0) return -1;
  int start = 0;
  for (size_t i = 0; i < sizes.size(); ++i) {
    start += sizes[i] + kLineWidth;
    if (position < start) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

const TPropertyTable* TStringGrid::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TStringGrid::CellsText, &TStringGrid::SetCellsText>("Cells"),
      Published<&TStringGrid::ColCount, &TStringGrid::SetColCount>("ColCount"),
      Published<&TStringGrid::DefaultColWidth, &TStringGrid::SetDefaultColWidth>("DefaultColWidth"),
      Published<&TStringGrid::DefaultDrawing, &TStringGrid::SetDefaultDrawing>("DefaultDrawing"),
      Published<&TStringGrid::DefaultRowHeight, &TStringGrid::SetDefaultRowHeight>("DefaultRowHeight"),
      PublishedAs<TColorText, &TStringGrid::FixedColor, &TStringGrid::SetFixedColor>("FixedColor"),
      Published<&TStringGrid::FixedCols, &TStringGrid::SetFixedCols>("FixedCols"),
      Published<&TStringGrid::FixedRows, &TStringGrid::SetFixedRows>("FixedRows"),
      Published<&TStringGrid::RowCount, &TStringGrid::SetRowCount>("RowCount")};
  static const TEventInfo events[] = {PublishedEvent<&TStringGrid::OnDrawCell>("OnDrawCell"),
                                      PublishedEvent<&TStringGrid::OnSelectCell>("OnSelectCell")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TStringGrid::TStringGrid(TComponent* owner) : TCustomControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 320, 120);
  col_count_ = row_count_ = 0;
  Resize(5, 5);
}

void TStringGrid::Resize(int cols, int rows) {
  if (cols < 1 || rows < 1) throw Error("Grid size out of range (" + std::to_string(cols) + " x " +
                                        std::to_string(rows) + ")");
  std::vector<std::string> cells(static_cast<size_t>(cols) * static_cast<size_t>(rows));
  for (int row = 0; row < std::min(rows, row_count_); ++row) {
    for (int col = 0; col < std::min(cols, col_count_); ++col) {
      cells[static_cast<size_t>(row) * cols + col] = std::move(CellAt(col, row));
    }
  }
  cells_ = std::move(cells);
  col_widths_.resize(static_cast<size_t>(cols), default_col_width_);
  row_heights_.resize(static_cast<size_t>(rows), default_row_height_);
  col_count_ = cols;
  row_count_ = rows;
  fixed_cols_ = std::min(fixed_cols_, cols - 1);
  fixed_rows_ = std::min(fixed_rows_, rows - 1);
  col_ = std::clamp(col_, fixed_cols_, cols - 1);
  row_ = std::clamp(row_, fixed_rows_, rows - 1);
  Invalidate();
}

void TStringGrid::SetFixedCols(int count) {
  if (count < 0 || count >= col_count_) throw Error("Fixed column count out of range (" + std::to_string(count) + ")");
  fixed_cols_ = count;
  col_ = std::max(col_, count);
  Invalidate();
}

void TStringGrid::SetFixedRows(int count) {
  if (count < 0 || count >= row_count_) throw Error("Fixed row count out of range (" + std::to_string(count) + ")");
  fixed_rows_ = count;
  row_ = std::max(row_, count);
  Invalidate();
}

void TStringGrid::SetDefaultColWidth(int width) {
  default_col_width_ = width;
  std::fill(col_widths_.begin(), col_widths_.end(), width);
  Invalidate();
}

void TStringGrid::SetDefaultRowHeight(int height) {
  default_row_height_ = height;
  std::fill(row_heights_.begin(), row_heights_.end(), height);
  Invalidate();
}

int TStringGrid::ColWidths(int col) const {
  if (col < 0 || col >= col_count_) throw Error("Column out of range (" + std::to_string(col) + ")");
  return col_widths_[static_cast<size_t>(col)];
}

void TStringGrid::SetColWidths(int col, int width) {
  ColWidths(col);
  col_widths_[static_cast<size_t>(col)] = width;
  Invalidate();
}

int TStringGrid::RowHeights(int row) const {
  if (row < 0 || row >= row_count_) throw Error("Row out of range (" + std::to_string(row) + ")");
  return row_heights_[static_cast<size_t>(row)];
}

void TStringGrid::SetRowHeights(int row, int height) {
  RowHeights(row);
  row_heights_[static_cast<size_t>(row)] = height;
  Invalidate();
}

void TStringGrid::SetFixedColor(TColor color) {
  fixed_color_ = color;
  Invalidate();
}

std::string& TStringGrid::CellAt(int col, int row) {
  return cells_[static_cast<size_t>(row) * static_cast<size_t>(col_count_) + static_cast<size_t>(col)];
}

const std::string& TStringGrid::Cells(int col, int row) const {
  if (col < 0 || col >= col_count_ || row < 0 || row >= row_count_) {
    throw Error("Grid index out of range (" + std::to_string(col) + ", " + std::to_string(row) + ")");
  }
  return const_cast<TStringGrid*>(this)->CellAt(col, row);
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
  Cells(col, row);
  CellAt(col, row) = text;
  if (HandleAllocated()) InvalidateRect(CellRect(col, row));
}

std::string TStringGrid::CellsText() const {
  TTabRows rows(static_cast<size_t>(row_count_));
  for (int row = 0; row < row_count_; ++row) {
    for (int col = 0; col < col_count_; ++col) rows[static_cast<size_t>(row)].push_back(Cells(col, row));
  }
  return JoinTabText(rows);
}

void TStringGrid::SetCellsText(const std::string& text) {
  const TTabRows rows = SplitTabText(text);
  for (int row = 0; row < row_count_; ++row) {
    for (int col = 0; col < col_count_; ++col) {
      const bool given = static_cast<size_t>(row) < rows.size() && static_cast<size_t>(col) < rows[row].size();
      CellAt(col, row) = given ? rows[row][col] : std::string();
    }
  }
  Invalidate();
}

void TStringGrid::Select(int col, int row) {
  if (col < fixed_cols_ || col >= col_count_ || row < fixed_rows_ || row >= row_count_) return;
  if (col == col_ && row == row_) return;
  InvalidateRect(CellRect(col_, row_));
  col_ = col;
  row_ = row;
  InvalidateRect(CellRect(col_, row_));
  OnSelectCell(this);
}

TRect TStringGrid::CellRect(int col, int row) const {
  const int left = Offset(col_widths_, col);
  const int top = Offset(row_heights_, row);
  return TRect{left, top, left + ColWidths(col), top + RowHeights(row)};
}

bool TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
  col = IndexAt(col_widths_, x);
  row = IndexAt(row_heights_, y);
  return col >= 0 && row >= 0;
}

void TStringGrid::Paint() {
  const TRect client = ClientRect();
  for (int row = 0; row < row_count_; ++row) {
    for (int col = 0; col < col_count_; ++col) {
      const TRect rect = CellRect(col, row);
      if (rect.Left >= client.Right || rect.Top >= client.Bottom) continue;
      TGridDrawState state;
      if (col < fixed_cols_ || row < fixed_rows_) state = state.With(TGridDrawStateItem::gdFixed);
      if (col == col_ && row == row_) {
        state = state.With(TGridDrawStateItem::gdSelected);
        if (Focused()) state = state.With(TGridDrawStateItem::gdFocused);
      }
      if (default_drawing_) DrawCell(col, row, rect, state);
      OnDrawCell(this, col, row, rect, state);
    }
  }
}

void TStringGrid::WndProc(TMessage& message) {
  if (message.Msg == wm::LButtonDown) {
    int col = 0, row = 0;
    if (MouseToCell(wm::PointX(message.LParam), wm::PointY(message.LParam), col, row)) Select(col, row);
    SetFocus();
  }
  TCustomControl::WndProc(message);
}

}  // namespace ruzi
