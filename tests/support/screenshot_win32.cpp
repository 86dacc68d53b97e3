#include <windows.h>

#include "screenshot.h"
#include "test_paths.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO_UTF8
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace ruzi::testing {

uint32_t Picture::Rgb(int x, int y) const {
  const uint8_t* pixel = &rgba[(static_cast<size_t>(y) * width + x) * 4];
  return (uint32_t{pixel[0]} << 16) | (uint32_t{pixel[1]} << 8) | pixel[2];
}

Picture CaptureWindow(void* hwnd) {
  HWND window = static_cast<HWND>(hwnd);
  RECT bounds;
  GetWindowRect(window, &bounds);
  Picture picture;
  picture.width = bounds.right - bounds.left;
  picture.height = bounds.bottom - bounds.top;
  HDC window_dc = GetWindowDC(window);
  HDC memory_dc = CreateCompatibleDC(window_dc);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(window_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory_dc, bitmap);
  BitBlt(memory_dc, 0, 0, picture.width, picture.height, window_dc, 0, 0, SRCCOPY);
  GdiFlush();
  picture.rgba.resize(static_cast<size_t>(picture.width) * picture.height * 4);
  const uint8_t* bgra = static_cast<const uint8_t*>(bits);
  for (size_t i = 0; i < picture.rgba.size(); i += 4) {
    picture.rgba[i] = bgra[i + 2];
    picture.rgba[i + 1] = bgra[i + 1];
    picture.rgba[i + 2] = bgra[i];
    picture.rgba[i + 3] = 255;
  }
  SelectObject(memory_dc, previous);
  DeleteObject(bitmap);
  DeleteDC(memory_dc);
  ReleaseDC(window, window_dc);
  return picture;
}

std::string SaveScreenshot(const Picture& picture, const std::string& name) {
  std::string path = ScreenshotFolder() + name + ".png";
  int ok = stbi_write_png(path.c_str(), picture.width, picture.height, 4, picture.rgba.data(), picture.width * 4);
  return ok ? path : "";
}

}  // namespace ruzi::testing
