#pragma once
// The gallery: one form showing an instance of every registered class (class_registry.h), each
// in a cell of a grid under a caption with its class name, so that classes registered later
// appear by themselves. Forms are shown inside their cell; components without a window show
// their caption only. The form is an auto-zoom form designed for 960 x 720, which fits a
// 1024 x 768 screen unzoomed and a 1280 x 1024 one zoomed. User-interface thread only.
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/color.h"
#include "ruzirareva/ui/geometry.h"

namespace ruzi {

class TAutoZoomForm;

inline constexpr TSize kGallerySize{960, 720};
inline constexpr int kGalleryGap = 4;
inline constexpr int kGalleryCaptionHeight = 14;
inline constexpr TColor kGalleryBackground = clWhite;
inline constexpr TColor kGalleryCaptionColor = 0x00F0D8C0;  // a light blue

// Cells of equal size filling an area row by row, with a gap around each.
struct TGalleryGrid {
  int Columns = 0;
  int Rows = 0;
  TSize Cell;
};

// The grid for `count` cells over `area`: the column count that makes cells closest to 3:2.
RUZI_API TGalleryGrid GalleryGrid(int count, TSize area, int gap = kGalleryGap);
// Cell `index` (row by row) of that grid; its caption takes the top kGalleryCaptionHeight.
RUZI_API TRect GalleryCellRect(const TGalleryGrid& grid, int index, int gap = kGalleryGap);

// A new gallery form (hidden) with a cell per registered class, in registration order; what
// failed to be made is named in its cell and in `failures`.
RUZI_API TAutoZoomForm* CreateGalleryForm(std::vector<std::string>* failures = nullptr);

}  // namespace ruzi
