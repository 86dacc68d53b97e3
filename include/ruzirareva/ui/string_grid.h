#pragma once
// A grid of text cells painted by itself: ColCount x RowCount cells, the first FixedCols
// columns and FixedRows rows drawn as headings in FixedColor, the others in Color with grid
// lines. Column widths and row heights start at the defaults and may be set one by one. A click
// selects the cell under the mouse (Col, Row). OnDrawCell, when set, paints each cell instead.
// Cells publishes the whole grid as text: rows on lines, cells split by tabs. The scrolling cells
// start at LeftCol and TopRow, moved by scroll bars that show when the cells exceed the client
// area; the arrow keys, Page Up/Down and Home/End (with Ctrl: the first and last row too) move
// the selection and scroll it into view; the wheel scrolls the rows (with Shift, or tilted, the
// columns), and a drag held past an edge scrolls toward it. The scroll bars' thumbs scroll when
// released, or while dragged with goThumbTracking. Options: goEditing (Enter, F2 or
// typing opens an edit over the selected cell: Enter, or leaving it, puts its text in Cells,
// Esc drops it; with goAlwaysShowEditor it is open whenever the grid has the focus),
// goRangeSelect (Shift with a key or a click, or a drag, selects a block of cells), goRowSelect
// (whole rows are selected; Left and Right scroll), goColSizing and goRowSizing (the lines
// between fixed cells are dragged to size columns and rows), goTabs (Tab and Shift+Tab move
// through the cells), goDrawFocusSelected (the focused cell is painted as selected too), and
// the four line options (the lines between fixed cells, and between the others, across and
// down). goRowMoving (goColMoving): a row's fixed cell (a column's) dragged onto another row
// (column) moves it there, its cells and height (width) along, then OnRowMoved (OnColumnMoved)
// tells from where to where. User-interface thread only.
#include <memory>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"
#include "ruzirareva/ui/grid_draw_state.h"

namespace ruzi {

enum class TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking,
  goRowMoving,
  goColMoving
};
using TGridOptions = TSetOf<TGridOption>;

template <>
struct TEnumNames<TGridOption> {
  static constexpr std::array<const char*, 15> Names{
      "goFixedVertLine", "goFixedHorzLine", "goVertLine",      "goHorzLine",  "goRangeSelect",
      "goDrawFocusSelected", "goRowSizing", "goColSizing",     "goEditing",   "goTabs",
      "goRowSelect",     "goAlwaysShowEditor", "goThumbTracking", "goRowMoving", "goColMoving"};
};

// A block of cells, corners included.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// A line between cells that can be dragged to size them: a row's (Vertical) or a column's, after
// the cell Index; Index -1 for none.
struct TGridSizingLine {
  bool Vertical = false;
  int Index = -1;
  friend bool operator==(const TGridSizingLine&, const TGridSizingLine&) = default;
};

class TInplaceEdit;
class TGridScroller;

// The sender, the column and row, the cell's rectangle on the canvas, and its state.
using TDrawCellEvent = TEvent<TPersistent*, int, int, const TRect&, TGridDrawState>;
// The sender, and where the row (column) was and where it is now.
using TMovedEvent = TEvent<TPersistent*, int, int>;

class RUZI_API TStringGrid : public TCustomControl {
  RUZI_CLASS_RECORD_PUBLISHED(TStringGrid, TCustomControl::ClassRecord())

 public:
  explicit TStringGrid(TComponent* owner = nullptr);
  ~TStringGrid() override;

  int ColCount() const { return col_count_; }
  void SetColCount(int count) { Resize(count, row_count_); }
  int RowCount() const { return row_count_; }
  void SetRowCount(int count) { Resize(col_count_, count); }
  // At most ColCount - 1 (RowCount - 1): one scrolling cell always remains.
  int FixedCols() const { return fixed_cols_; }
  void SetFixedCols(int count);
  int FixedRows() const { return fixed_rows_; }
  void SetFixedRows(int count);
  int DefaultColWidth() const { return default_col_width_; }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return default_row_height_; }
  void SetDefaultRowHeight(int height);
  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  int RowHeights(int row) const;
  void SetRowHeights(int row, int height);
  TColor FixedColor() const { return fixed_color_; }
  void SetFixedColor(TColor color);
  bool DefaultDrawing() const { return default_drawing_; }
  void SetDefaultDrawing(bool value) { default_drawing_ = value; }
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions options);

  // A cell's text; raises ruzi::Error for a cell outside the grid.
  const std::string& Cells(int col, int row) const;
  void SetCells(int col, int row, const std::string& text);
  // Every cell as text (rows on lines, cells split by tabs), and back: cells the text does not
  // reach become empty, text beyond the grid is dropped.
  std::string CellsText() const;
  void SetCellsText(const std::string& text);

  // The selected cell (a scrolling cell: never a fixed one).
  int Col() const { return col_; }
  int Row() const { return row_; }
  // Selects the cell alone and scrolls it into view.
  void Select(int col, int row);
  // The selected block: the selected cell and the corner a range selection started from
  // (goRangeSelect), spanning the scrolling columns with goRowSelect.
  TGridRect Selection() const;
  bool IsSelected(int col, int row) const { return Selection().Contains(col, row); }

  // The first scrolling column and row shown, kept between the fixed ones and the last worth
  // scrolling to (the least that shows the last column or row whole).
  int LeftCol() const { return left_col_; }
  void SetLeftCol(int col);
  int TopRow() const { return top_row_; }
  void SetTopRow(int row);
  // Scrolling columns and rows shown whole.
  int VisibleColCount() const;
  int VisibleRowCount() const;

  // Whether the selected cell's edit is open; opening it needs goEditing.
  bool EditorMode() const { return editing_; }
  void ShowEditor();
  // Closes the edit, its text put in the cell (Commit) or dropped (Cancel).
  void CommitEditor();
  void CancelEditor();

  // Where a cell lies in the client area (grid lines excluded); empty when it is scrolled out.
  TRect CellRect(int col, int row) const;
  // The cell under a client point: false when it is on no cell.
  bool MouseToCell(int x, int y, int& col, int& row) const;
  // The line a press at a client point would drag (goColSizing: a column's, in the fixed rows;
  // goRowSizing: a row's, in the fixed columns), within 2 pixels; the nearest when two are.
  TGridSizingLine SizingLineAt(int x, int y) const;

  // Moves a scrolling row (column) to another place, its cells and height (width) with it, the
  // ones between shifting by one; the selection stays on the cells it was on. Raises ruzi::Error
  // for a fixed or missing index. The events are not run: they tell of the user's moves.
  void MoveRow(int from, int to);
  void MoveColumn(int from, int to);

  TDrawCellEvent OnDrawCell;
  TNotifyEvent OnSelectCell;
  TMovedEvent OnRowMoved;
  TMovedEvent OnColumnMoved;

 protected:
  void BoundsChanged() override;
  void CreateWnd() override;
  void Paint() override;
  void WndProc(TMessage& message) override;
  // The cell's default painting: its fill, the lines Options ask for and its text (Windows only).
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state);

 private:
  friend class TInplaceEdit;
  // A row or column being dragged to a new place (goRowMoving, goColMoving).
  struct TMoving {
    bool Vertical = false;  // a row
    int From = -1;          // -1: no move
    int To = -1;
  };
  void Resize(int cols, int rows);
  std::string& CellAt(int col, int row);
  struct TGridAxis Columns() const;
  struct TGridAxis Rows() const;
  // After sizes, counts or the client area changed: the scroll kept in range, the bars and the
  // picture brought up to date.
  void Changed();
  void ClampScroll();
  void ScrollInto(int col, int row);
  // Sets TopRow (vertical) or LeftCol, kept in range.
  void ScrollAxis(bool vertical, int first);
  bool MoveByKey(uintptr_t key);
  bool TabKey();
  // Moves the selected cell, the block's other corner kept when `extend` (goRangeSelect).
  void MoveTo(int col, int row, bool extend);
  // A scroll bar's message (its WParam).
  void Scroll(bool vertical, uintptr_t wparam);
  void MoveCells(bool rows, int from, int to);
  void MouseDown(int x, int y, bool shift);
  void MouseMove(int x, int y);
  void MouseUp();
  // A press on a fixed cell that heads a scrolling row or column goRowMoving/goColMoving let move.
  TMoving MovingAt(int x, int y) const;
  // The moved row (column) over the one the mouse is nearest, scrolling on a tick past an edge.
  void MoveDragTo(int x, int y);
  void MoveDragTick(int x, int y);
  // A drag's tick: one step toward an edge the mouse is past, the selection following it.
  void DragTick(int x, int y);
  // The cell nearest a client point, within the grid's scrolling cells.
  void NearestCell(int x, int y, int& col, int& row) const;
  bool Editable() const;
  void StartEditing(const std::string& text);
  void EndEditing(bool commit);
  // Enter or Esc in the edit: closed (the text kept or dropped), and opened again on the cell
  // with goAlwaysShowEditor.
  void EditorDone(bool commit);
  // With goAlwaysShowEditor the edit opens on the selected cell while the grid has the focus.
  void EditorFollows();
  void UpdateScrollBars();
  // The Win32 half (string_grid_win32.cpp): the sizing cursor over a line that can be dragged.
  bool ShowSizingCursor();

  int col_count_ = 5;
  int row_count_ = 5;
  int fixed_cols_ = 1;
  int fixed_rows_ = 1;
  int default_col_width_ = 64;
  int default_row_height_ = 24;
  int col_ = 1;
  int row_ = 1;
  int left_col_ = 1;
  int top_row_ = 1;
  TColor fixed_color_ = clBtnFace;
  bool default_drawing_ = true;
  TGridOptions options_{TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine, TGridOption::goVertLine,
                        TGridOption::goHorzLine, TGridOption::goRangeSelect};
  int anchor_col_ = 1;  // the corner a range selection started from
  int anchor_row_ = 1;
  bool editing_ = false;
  bool closing_editor_ = false;  // the focus coming back from the edit must not open it again
  TGridSizingLine sizing_;
  TMoving moving_;
  std::unique_ptr<TGridScroller> scroller_;
  TInplaceEdit* editor_ = nullptr;  // made when first needed; a child control
  std::vector<int> col_widths_;
  std::vector<int> row_heights_;
  std::vector<std::string> cells_;  // row by row
};

}  // namespace ruzi
