#pragma once
// Pictures of real windows for UI tests: captured with BitBlt from the window's DC (Wine's
// PrintWindow leaves child windows out) and written as PNG for a person to look at.
#include <cstdint>
#include <string>
#include <vector>

namespace ruzi::testing {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // top row first

  uint32_t Rgb(int x, int y) const;  // 0xRRGGBB
};

// hwnd is a window handle; the picture covers the whole window, frame included.
Picture CaptureWindow(void* hwnd);
// Writes <build>/screenshots/<name>.png; returns the path, "" when writing failed.
std::string SaveScreenshot(const Picture& picture, const std::string& name);

}  // namespace ruzi::testing
