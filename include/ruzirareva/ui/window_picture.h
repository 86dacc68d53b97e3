#pragma once
// Pictures of real windows: the pixels a window shows, captured with BitBlt from its DC (Wine's
// PrintWindow leaves child windows out), and written as PNG files. Capturing is Windows only
// (natively it answers an empty picture); writing works everywhere. User-interface thread for
// capturing; a picture is a plain value.
#include <cstdint>
#include <string>
#include <vector>

#include "ruzirareva/export.h"

struct HWND__;

namespace ruzi {

struct TWindowPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // top row first

  // The pixel at (x, y) as 0xRRGGBB.
  uint32_t Rgb(int x, int y) const;
};

// The window's pixels: the whole window, frame included, or its client area alone.
RUZI_API TWindowPicture CaptureWindowPicture(HWND__* window, bool client_area);
// Writes the picture to `path` as PNG; false when the file could not be written.
RUZI_API bool SaveWindowPicture(const TWindowPicture& picture, const std::string& path);

}  // namespace ruzi
