#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ui/gallery.h"

namespace ruzi {

TGalleryGrid GalleryGrid(int count, TSize area, int gap) {
  TGalleryGrid best;
  if (count <= 0) return best;
  double best_distance = 0;
  for (int columns = 1; columns <= count; ++columns) {
    const int rows = (count + columns - 1) / columns;
    const TSize cell{(area.cx - gap) / columns - gap, (area.cy - gap) / rows - gap};
    if (cell.cx <= 0 || cell.cy <= 0) continue;
    const double distance = std::abs(std::log(static_cast<double>(cell.cx) / cell.cy / 1.5));
    if (best.Columns == 0 || distance < best_distance) {
      best = TGalleryGrid{columns, rows, cell};
      best_distance = distance;
    }
  }
  return best;
}

TRect GalleryCellRect(const TGalleryGrid& grid, int index, int gap) {
  if (grid.Columns <= 0 || index < 0 || index >= grid.Columns * grid.Rows) return TRect{};
  const int left = gap + (index % grid.Columns) * (grid.Cell.cx + gap);
  const int top = gap + (index / grid.Columns) * (grid.Cell.cy + gap);
  return TRect{left, top, left + grid.Cell.cx, top + grid.Cell.cy};
}

}  // namespace ruzi
