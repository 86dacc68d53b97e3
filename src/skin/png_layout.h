#pragma once
// Where the skin's PNG drawing operations put an image, apart from the drawing itself.
// Pure functions: any thread.
#include <vector>

namespace ruzi::skin {

struct PngRect {
  int left, top, right, bottom;
  bool operator==(const PngRect&) const = default;
};

struct PngPoint {
  int x, y;
  bool operator==(const PngPoint&) const = default;
};

// The top-left corner that centres a width x height image in `rect`; the halves truncate
// toward zero, so an image larger than the rectangle starts before it.
PngPoint PngCentreOrigin(const PngRect& rect, int width, int height);
// The tiles DrawPngObjStretchTile draws: natural width side by side from the left edge while
// a tile starts inside, each stretched to the rectangle's height; the last may reach past the
// right edge. None for an image without width.
std::vector<PngRect> PngStretchTiles(const PngRect& rect, int width);

}  // namespace ruzi::skin
