#include <windows.h>

#include "ui/window_picture.h"

namespace ruzi {

TWindowPicture CaptureWindowPicture(HWND__* window, bool client_area) {
  RECT bounds;
  if (client_area) {
    GetClientRect(window, &bounds);
  } else {
    GetWindowRect(window, &bounds);
  }
  TWindowPicture picture;
  picture.width = bounds.right - bounds.left;
  picture.height = bounds.bottom - bounds.top;
  if (picture.width <= 0 || picture.height <= 0) return TWindowPicture{};
  HDC window_dc = client_area ? GetDC(window) : GetWindowDC(window);
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
  const auto* bgra = static_cast<const uint8_t*>(bits);
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

}  // namespace ruzi
