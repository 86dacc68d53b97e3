#include "skin/png_layout.h"

namespace ruzi::skin {

PngPoint PngCentreOrigin(const PngRect& rect, int width, int height) {
  return {rect.left + (rect.right - rect.left - width) / 2, rect.top + (rect.bottom - rect.top - height) / 2};
}

std::vector<PngRect> PngStretchTiles(const PngRect& rect, int width) {
  std::vector<PngRect> tiles;
  if (width <= 0) return tiles;
  for (int x = rect.left; x < rect.right; x += width) tiles.push_back({x, rect.top, x + width, rect.bottom});
  return tiles;
}

}  // namespace ruzi::skin
