#pragma once
// One axis of a string grid (its columns, or its rows) in pixels: cells of the given sizes, each
// followed by a one-pixel line; the first `Fixed` cells always from 0, then the scrolling cells
// from `first` (LeftCol, TopRow) on, those between scrolled out of view. A cell is whole when
// its last pixel (its line aside) lies inside the extent. Portable arithmetic: any thread.
#include <vector>

#include "ruzirareva/ui/grid_layout.h"

namespace ruzi {

struct TGridAxis {
  const std::vector<int>& Sizes;
  int Fixed = 0;   // below Sizes.size()
  int Extent = 0;  // the client width or height
};

// Where the cell starts, or -1 when it is scrolled out of view.
int GridAxisStart(const TGridAxis& axis, int first, int index);
// The cell at a position, its line included; -1 before 0, on a scrolled-out cell, or past the
// last cell.
int GridAxisCellAt(const TGridAxis& axis, int first, int position);
// The cells shown at least in part, in order: the fixed ones, then the scrolling ones from
// `first` that start inside the extent.
std::vector<int> GridAxisShown(const TGridAxis& axis, int first);
// How many scrolling cells from `first` are shown whole.
int GridAxisWholeCount(const TGridAxis& axis, int first);
// The last `first` worth scrolling to: the least that shows the last cell whole (the last cell
// itself when nothing does).
int GridAxisLastFirst(const TGridAxis& axis);
// The `first` that shows the scrolling cell `index` whole moving least from `first` (within
// Fixed..GridAxisLastFirst); `index` itself when no `first` shows it whole.
int GridAxisScrollTo(const TGridAxis& axis, int first, int index);

// The scrolling cell shown whole nearest a position: the last of them starting at or before
// it, `first` before them all (or when none is whole).
int GridAxisNearest(const TGridAxis& axis, int first, int position);
// The scroll bar over the scrolling cells: a page is the cells past the last first, so the
// position runs from 0 to the last first less the fixed cells, and no page is left over when
// everything fits.
TGridScrollBar GridAxisScrollBar(const TGridAxis& axis, int first);
// The shown cell whose line (the pixel after it) lies within `reach` pixels of `position`, the
// nearest when two do; -1 for none.
int GridAxisLineNear(const TGridAxis& axis, int first, int position, int reach);

}  // namespace ruzi
