#include "ui/string_grid.h"

#include <algorithm>
#include <iterator>

#include "foundation/error.h"
#include "ui/grid_axis.h"
#include "ui/grid_inplace_edit.h"
#include "ui/grid_move.h"
#include "ui/grid_scroller.h"
#include "ui/scroll_box.h"
#include "ui/tab_text.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

constexpr intptr_t kWantArrows = 0x0001, kWantTab = 0x0002, kWantAllKeys = 0x0004, kWantChars = 0x0080;  // DLGC_...
constexpr uint32_t kSelectAll = 0x00B1;                                                                  // EM_SETSEL
constexpr int kSizingReach = 2;  // pixels either side of a line that still grab it

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
      Published<&TStringGrid::Options, &TStringGrid::SetOptions>("Options"),
      Published<&TStringGrid::RowCount, &TStringGrid::SetRowCount>("RowCount")};
  static const TEventInfo events[] = {PublishedEvent<&TStringGrid::OnColumnMoved>("OnColumnMoved"),
                                      PublishedEvent<&TStringGrid::OnDrawCell>("OnDrawCell"),
                                      PublishedEvent<&TStringGrid::OnRowMoved>("OnRowMoved"),
                                      PublishedEvent<&TStringGrid::OnSelectCell>("OnSelectCell")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TStringGrid::TStringGrid(TComponent* owner) : TCustomControl(owner), scroller_(std::make_unique<TGridScroller>(*this)) {
  SetTabStop(true);
  SetColor(clWindow);
  col_count_ = row_count_ = 0;
  Resize(5, 5);
  SetBounds(0, 0, 320, 120);
}

// The edit goes first, while the grid is still whole: it is a child the window control would
// free later.
TStringGrid::~TStringGrid() {
  editing_ = false;
  delete editor_;
}

TGridAxis TStringGrid::Columns() const { return TGridAxis{col_widths_, fixed_cols_, ClientRect().Width()}; }
TGridAxis TStringGrid::Rows() const { return TGridAxis{row_heights_, fixed_rows_, ClientRect().Height()}; }

void TStringGrid::ClampScroll() {
  left_col_ = std::clamp(left_col_, fixed_cols_, GridAxisLastFirst(Columns()));
  top_row_ = std::clamp(top_row_, fixed_rows_, GridAxisLastFirst(Rows()));
}

void TStringGrid::Changed() {
  if (editing_) EndEditing(true);
  col_ = std::clamp(col_, fixed_cols_, col_count_ - 1);
  row_ = std::clamp(row_, fixed_rows_, row_count_ - 1);
  anchor_col_ = std::clamp(anchor_col_, fixed_cols_, col_count_ - 1);
  anchor_row_ = std::clamp(anchor_row_, fixed_rows_, row_count_ - 1);
  ClampScroll();
  UpdateScrollBars();
  Invalidate();
}

void TStringGrid::Resize(int cols, int rows) {
  if (editing_) EndEditing(true);  // while its cell is still where it was
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
  Changed();
}

void TStringGrid::SetFixedCols(int count) {
  if (count < 0 || count >= col_count_) throw Error("Fixed column count out of range (" + std::to_string(count) + ")");
  fixed_cols_ = count;
  Changed();
}

void TStringGrid::SetFixedRows(int count) {
  if (count < 0 || count >= row_count_) throw Error("Fixed row count out of range (" + std::to_string(count) + ")");
  fixed_rows_ = count;
  Changed();
}

void TStringGrid::SetDefaultColWidth(int width) {
  default_col_width_ = width;
  std::fill(col_widths_.begin(), col_widths_.end(), width);
  Changed();
}

void TStringGrid::SetDefaultRowHeight(int height) {
  default_row_height_ = height;
  std::fill(row_heights_.begin(), row_heights_.end(), height);
  Changed();
}

int TStringGrid::ColWidths(int col) const {
  if (col < 0 || col >= col_count_) throw Error("Column out of range (" + std::to_string(col) + ")");
  return col_widths_[static_cast<size_t>(col)];
}

void TStringGrid::SetColWidths(int col, int width) {
  ColWidths(col);
  col_widths_[static_cast<size_t>(col)] = width;
  Changed();
}

int TStringGrid::RowHeights(int row) const {
  if (row < 0 || row >= row_count_) throw Error("Row out of range (" + std::to_string(row) + ")");
  return row_heights_[static_cast<size_t>(row)];
}

void TStringGrid::SetRowHeights(int row, int height) {
  RowHeights(row);
  row_heights_[static_cast<size_t>(row)] = height;
  Changed();
}

void TStringGrid::SetOptions(TGridOptions options) {
  options_ = options;
  if (!options.Contains(TGridOption::goRangeSelect)) {
    anchor_col_ = col_;
    anchor_row_ = row_;
  }
  if (editing_ && !Editable()) EndEditing(true);
  Invalidate();
  EditorFollows();
}

bool TStringGrid::Editable() const {
  return options_.Contains(TGridOption::goEditing) && !options_.Contains(TGridOption::goRowSelect);
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
  MoveTo(col, row, false);
}

void TStringGrid::MoveTo(int col, int row, bool extend) {
  col = std::clamp(col, fixed_cols_, col_count_ - 1);
  row = std::clamp(row, fixed_rows_, row_count_ - 1);
  const bool ranged = extend && options_.Contains(TGridOption::goRangeSelect);
  const bool block_kept = ranged || (anchor_col_ == col && anchor_row_ == row);
  if (col == col_ && row == row_ && block_kept) return;
  if (editing_) EndEditing(true);
  col_ = col;
  row_ = row;
  if (!ranged) {
    anchor_col_ = col;
    anchor_row_ = row;
  }
  ScrollInto(col, row);
  Invalidate();  // the old block and the new one
  OnSelectCell(this);
  EditorFollows();
}

TGridRect TStringGrid::Selection() const {
  TGridRect block{std::min(anchor_col_, col_), std::min(anchor_row_, row_), std::max(anchor_col_, col_),
                  std::max(anchor_row_, row_)};
  if (options_.Contains(TGridOption::goRowSelect)) {
    block.Left = fixed_cols_;
    block.Right = col_count_ - 1;
  }
  return block;
}

// Whole rows selected, the columns stay where they were scrolled to.
void TStringGrid::ScrollInto(int col, int row) {
  if (!options_.Contains(TGridOption::goRowSelect)) SetLeftCol(GridAxisScrollTo(Columns(), left_col_, col));
  SetTopRow(GridAxisScrollTo(Rows(), top_row_, row));
}

void TStringGrid::SetLeftCol(int col) { ScrollAxis(false, col); }
void TStringGrid::SetTopRow(int row) { ScrollAxis(true, row); }

void TStringGrid::ScrollAxis(bool vertical, int first) {
  const TGridAxis axis = vertical ? Rows() : Columns();
  first = std::clamp(first, axis.Fixed, GridAxisLastFirst(axis));
  int& current = vertical ? top_row_ : left_col_;
  if (first == current) return;
  if (editing_) EndEditing(true);
  current = first;
  UpdateScrollBars();
  Invalidate();
}

int TStringGrid::VisibleColCount() const { return GridAxisWholeCount(Columns(), left_col_); }
int TStringGrid::VisibleRowCount() const { return GridAxisWholeCount(Rows(), top_row_); }

TRect TStringGrid::CellRect(int col, int row) const {
  ColWidths(col);
  RowHeights(row);
  const int left = GridAxisStart(Columns(), left_col_, col);
  const int top = GridAxisStart(Rows(), top_row_, row);
  if (left < 0 || top < 0) return TRect{};
  return TRect{left, top, left + ColWidths(col), top + RowHeights(row)};
}

bool TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
  col = GridAxisCellAt(Columns(), left_col_, x);
  row = GridAxisCellAt(Rows(), top_row_, y);
  return col >= 0 && row >= 0;
}

// Where a key moves the selection: a cell, a page of the rows shown whole, or the ends of the
// row (with Ctrl: of the grid). Whole rows selected, Left and Right scroll and Home and End go
// to the first and last row. With Shift the block grows (goRangeSelect).
bool TStringGrid::MoveByKey(uintptr_t key) {
  int col = col_, row = row_;
  const int page = std::max(1, VisibleRowCount());
  const bool rows_only = options_.Contains(TGridOption::goRowSelect);
  if (rows_only && (key == wm::VkLeft || key == wm::VkRight)) {
    SetLeftCol(left_col_ + (key == wm::VkLeft ? -1 : 1));
    return true;
  }
  switch (key) {
    case wm::VkLeft: --col; break;
    case wm::VkRight: ++col; break;
    case wm::VkUp: --row; break;
    case wm::VkDown: ++row; break;
    case wm::VkPrior: row -= page; break;
    case wm::VkNext: row += page; break;
    case wm::VkHome:
      if (!rows_only) col = fixed_cols_;
      if (rows_only || TGridScroller::ControlKeyDown()) row = fixed_rows_;
      break;
    case wm::VkEnd:
      if (!rows_only) col = col_count_ - 1;
      if (rows_only || TGridScroller::ControlKeyDown()) row = row_count_ - 1;
      break;
    default:
      return false;
  }
  MoveTo(col, row, TGridScroller::ShiftKeyDown());
  return true;
}

// Tab goes right along the row and on to the next row's first cell (Shift+Tab back); whole rows
// selected, to the next row. At the grid's ends it stays.
bool TStringGrid::TabKey() {
  if (!options_.Contains(TGridOption::goTabs)) return false;
  const int step = TGridScroller::ShiftKeyDown() ? -1 : 1;
  int col = col_, row = row_;
  if (options_.Contains(TGridOption::goRowSelect)) {
    row += step;
  } else {
    col += step;
    if (col >= col_count_) col = fixed_cols_, ++row;
    if (col < fixed_cols_) col = col_count_ - 1, --row;
  }
  if (row >= fixed_rows_ && row < row_count_) MoveTo(col, row, false);
  return true;
}

// A thumb being dragged scrolls only with goThumbTracking; its release always does.
void TStringGrid::Scroll(bool vertical, uintptr_t wparam) {
  const int request = static_cast<int>(wparam & 0xFFFF);
  if (request == wm::SbThumbTrack && !options_.Contains(TGridOption::goThumbTracking)) return;
  const TGridAxis axis = vertical ? Rows() : Columns();
  const int first = vertical ? top_row_ : left_col_;
  const int page = std::max(1, GridAxisWholeCount(axis, first));
  const int position = ScrollRequestPosition(request, first - axis.Fixed, scroller_->TrackPosition(vertical, wparam),
                                             1, page, GridAxisLastFirst(axis) - axis.Fixed);
  ScrollAxis(vertical, axis.Fixed + position);
}

void TStringGrid::NearestCell(int x, int y, int& col, int& row) const {
  col = GridAxisNearest(Columns(), left_col_, x);
  row = GridAxisNearest(Rows(), top_row_, y);
}

TGridSizingLine TStringGrid::SizingLineAt(int x, int y) const {
  const TGridAxis columns = Columns(), rows = Rows();
  if (options_.Contains(TGridOption::goColSizing) && y < GridAxisStart(rows, top_row_, top_row_)) {
    const int col = GridAxisLineNear(columns, left_col_, x, kSizingReach);
    if (col >= 0) return TGridSizingLine{false, col};
  }
  if (options_.Contains(TGridOption::goRowSizing) && x < GridAxisStart(columns, left_col_, left_col_)) {
    const int row = GridAxisLineNear(rows, top_row_, y, kSizingReach);
    if (row >= 0) return TGridSizingLine{true, row};
  }
  return TGridSizingLine{};
}

TStringGrid::TMoving TStringGrid::MovingAt(int x, int y) const {
  int col = 0, row = 0;
  if (!MouseToCell(x, y, col, row)) return TMoving{};
  if (options_.Contains(TGridOption::goColMoving) && row < fixed_rows_ && col >= fixed_cols_) {
    return TMoving{false, col, col};
  }
  if (options_.Contains(TGridOption::goRowMoving) && col < fixed_cols_ && row >= fixed_rows_) {
    return TMoving{true, row, row};
  }
  return TMoving{};
}

void TStringGrid::MoveRow(int from, int to) { MoveCells(true, from, to); }
void TStringGrid::MoveColumn(int from, int to) { MoveCells(false, from, to); }

void TStringGrid::MoveCells(bool rows, int from, int to) {
  const int fixed = rows ? fixed_rows_ : fixed_cols_, count = rows ? row_count_ : col_count_;
  for (int index : {from, to}) {
    if (index < fixed || index >= count) {
      throw Error(std::string(rows ? "Row" : "Column") + " out of range (" + std::to_string(index) + ")");
    }
  }
  if (from == to) return;
  if (editing_) EndEditing(true);  // while its cell is still where it was
  if (rows) {
    GridMoveItem(cells_.begin(), from, to, col_count_);
  } else {
    for (int row = 0; row < row_count_; ++row) GridMoveItem(cells_.begin() + row * col_count_, from, to);
  }
  GridMoveItem((rows ? row_heights_ : col_widths_).begin(), from, to);
  int& current = rows ? row_ : col_;
  int& anchor = rows ? anchor_row_ : anchor_col_;
  current = GridMovedIndex(from, to, current);
  anchor = GridMovedIndex(from, to, anchor);
  Changed();
}

// A press on a line sizes, on a heading that may move moves, on a scrolling cell selects; the
// focus follows only where the grid has a window (a message performed on a grid without one
// must not make it one).
void TStringGrid::MouseDown(int x, int y, bool shift) {
  if (editing_) EndEditing(true);
  const TGridSizingLine line = SizingLineAt(x, y);
  const TMoving move = line.Index >= 0 ? TMoving{} : MovingAt(x, y);
  if (line.Index >= 0) {
    scroller_->StartDrag([](int, int) {});
  } else if (move.From >= 0) {
    scroller_->StartDrag([this](int at_x, int at_y) { MoveDragTick(at_x, at_y); });
  } else if (int col = 0, row = 0; MouseToCell(x, y, col, row) && col >= fixed_cols_ && row >= fixed_rows_) {
    MoveTo(col, row, shift);
    scroller_->StartDrag([this](int at_x, int at_y) { DragTick(at_x, at_y); });
  }
  sizing_ = line;
  moving_ = move;
  if (HandleAllocated()) SetFocus();
}

void TStringGrid::MouseUp() {
  const TMoving done = moving_;
  sizing_ = TGridSizingLine{};
  moving_ = TMoving{};
  if (done.From < 0 || done.From == done.To) return;
  MoveCells(done.Vertical, done.From, done.To);
  (done.Vertical ? OnRowMoved : OnColumnMoved)(this, done.From, done.To);
}

void TStringGrid::MoveDragTo(int x, int y) {
  int col = 0, row = 0;
  NearestCell(x, y, col, row);
  moving_.To = moving_.Vertical ? row : col;
}

void TStringGrid::MoveDragTick(int x, int y) {
  const bool vertical = moving_.Vertical;
  const TGridAxis axis = vertical ? Rows() : Columns();
  const int first = vertical ? top_row_ : left_col_;
  const int step = DragScrollStep(vertical ? y : x, GridAxisStart(axis, first, first), axis.Extent);
  if (step == 0) return;
  ScrollAxis(vertical, first + step);
  MoveDragTo(x, y);
}

// A line follows the mouse (a cell at least a pixel); a selection drag takes the nearest cell.
void TStringGrid::MouseMove(int x, int y) {
  if (moving_.From >= 0) {
    scroller_->DragTo(x, y);
    return MoveDragTo(x, y);
  }
  if (sizing_.Index >= 0) {
    const TGridAxis axis = sizing_.Vertical ? Rows() : Columns();
    const int start = GridAxisStart(axis, sizing_.Vertical ? top_row_ : left_col_, sizing_.Index);
    const int size = std::max(1, (sizing_.Vertical ? y : x) - start);
    return sizing_.Vertical ? SetRowHeights(sizing_.Index, size) : SetColWidths(sizing_.Index, size);
  }
  if (!scroller_->Dragging()) return;
  scroller_->DragTo(x, y);
  int col = 0, row = 0;
  NearestCell(x, y, col, row);
  MoveTo(col, row, true);
}

void TStringGrid::DragTick(int x, int y) {
  const TRect client = ClientRect();
  const int across = DragScrollStep(x, GridAxisStart(Columns(), left_col_, left_col_), client.Width());
  const int down = DragScrollStep(y, GridAxisStart(Rows(), top_row_, top_row_), client.Height());
  if (across == 0 && down == 0) return;
  SetLeftCol(left_col_ + across);
  SetTopRow(top_row_ + down);
  int col = 0, row = 0;
  NearestCell(x, y, col, row);
  MoveTo(col, row, true);
}

void TStringGrid::ShowEditor() {
  if (!editing_) StartEditing(Cells(col_, row_));
  if (editing_) editor_->Perform(kSelectAll, 0, -1);
}

void TStringGrid::CommitEditor() {
  if (editing_) EndEditing(true);
}

void TStringGrid::CancelEditor() {
  if (editing_) EndEditing(false);
}

void TStringGrid::StartEditing(const std::string& text) {
  if (!Editable()) return;
  ScrollInto(col_, row_);
  if (editor_ == nullptr) {
    editor_ = new TInplaceEdit(*this);
    editor_->SetParent(this);
  }
  editor_->SetBoundsRect(CellRect(col_, row_));
  editor_->SetText(text);
  editing_ = true;
  editor_->Show();
  editor_->SetFocus();
}

void TStringGrid::EndEditing(bool commit) {
  // Cleared first: moving the focus away from the edit below asks to end the edit again.
  editing_ = false;
  if (commit) SetCells(col_, row_, editor_->Text());
  if (editor_->Focused()) {
    closing_editor_ = true;
    SetFocus();
    closing_editor_ = false;
  }
  editor_->Hide();
}

void TStringGrid::EditorDone(bool commit) {
  EndEditing(commit);
  EditorFollows();
}

void TStringGrid::EditorFollows() {
  if (editing_ || closing_editor_ || !options_.Contains(TGridOption::goAlwaysShowEditor) || !Editable()) return;
  if (HandleAllocated() && Focused()) ShowEditor();
}

void TStringGrid::UpdateScrollBars() {
  scroller_->UpdateBars([this] {
    ClampScroll();
    return TGridBars{GridAxisScrollBar(Columns(), left_col_), GridAxisScrollBar(Rows(), top_row_)};
  });
}

void TStringGrid::BoundsChanged() {
  TCustomControl::BoundsChanged();
  Changed();
}

void TStringGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBars();
}

void TStringGrid::Paint() {
  const std::vector<int> cols = GridAxisShown(Columns(), left_col_);
  const TGridRect block = Selection();
  const bool focused = Focused();
  for (int row : GridAxisShown(Rows(), top_row_)) {
    for (int col : cols) {
      const TRect rect = CellRect(col, row);
      TGridDrawState state;
      if (col < fixed_cols_ || row < fixed_rows_) {
        state = state.With(TGridDrawStateItem::gdFixed);
      } else if (block.Contains(col, row)) {
        state = state.With(TGridDrawStateItem::gdSelected);
      }
      if (focused && col == col_ && row == row_) state = state.With(TGridDrawStateItem::gdFocused);
      if (default_drawing_) DrawCell(col, row, rect, state);
      OnDrawCell(this, col, row, rect, state);
    }
  }
}

void TStringGrid::WndProc(TMessage& message) {
  const auto page = [this] { return VisibleRowCount(); };
  const auto scroll = [this](TGridScroller::TWheelMove move) {
    SetLeftCol(left_col_ + move.Cols);
    SetTopRow(top_row_ + move.Rows);
  };
  // The release first: the scroller gives the capture back, and a lost capture drops a move.
  if (message.Msg == wm::LButtonUp) MouseUp();
  if (scroller_->Dispatch(message, page, scroll)) return;
  const bool editable = Editable();
  switch (message.Msg) {
    case wm::LButtonDown:
    case wm::MouseMove: {
      const int x = wm::PointX(message.LParam), y = wm::PointY(message.LParam);
      if (message.Msg == wm::MouseMove) {
        MouseMove(x, y);
      } else {
        MouseDown(x, y, (message.WParam & wm::MkShift) != 0);
      }
      break;
    }
    case wm::CaptureChanged:
      sizing_ = TGridSizingLine{};
      moving_ = TMoving{};
      break;
    case wm::SetCursor:
      if (ShowSizingCursor()) {
        message.Result = 1;
        return;
      }
      break;
    case wm::SetFocus:
      TCustomControl::WndProc(message);
      Invalidate();
      EditorFollows();
      return;
    case wm::KillFocus:
      Invalidate();
      break;
    case wm::KeyDown:
      if (message.WParam == wm::VkTab && TabKey()) return;
      if (MoveByKey(message.WParam)) return;
      if (editable && (message.WParam == wm::VkReturn || message.WParam == wm::VkF2)) {
        ShowEditor();
        return;
      }
      break;
    case wm::Char:
      // Typing starts an empty edit that then takes the character itself.
      if (editable && message.WParam >= 0x20 && message.WParam != 0x7F) {
        StartEditing(std::string());
        if (editing_) editor_->Perform(message.Msg, message.WParam, message.LParam);
        return;
      }
      break;
    case wm::GetDlgCode:
      message.Result = kWantArrows | kWantChars | (editable && message.WParam == wm::VkReturn ? kWantAllKeys : 0) |
                       (options_.Contains(TGridOption::goTabs) ? kWantTab : 0);
      return;
    case wm::HScroll:
    case wm::VScroll:
      if (message.LParam == 0) {  // the grid's own bars
        Scroll(message.Msg == wm::VScroll, message.WParam);
        return;
      }
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

}  // namespace ruzi
