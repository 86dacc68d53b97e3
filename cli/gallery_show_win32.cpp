#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "gallery_show.h"
#include "ui/application.h"
#include "ui/zoom_form.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO_UTF8
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace ruzi::cli {
namespace {

// Lets every window paint what it has to.
void Settle(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  MSG msg;
  for (int round = 0; round < 20; ++round) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
  GdiFlush();
}

// The client area as RGBA rows, top row first. BitBlt from the window's DC: Wine's
// PrintWindow leaves child windows out.
std::vector<uint8_t> CaptureClient(HWND window, int width, int height) {
  HDC window_dc = GetDC(window);
  HDC memory_dc = CreateCompatibleDC(window_dc);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(window_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory_dc, bitmap);
  BitBlt(memory_dc, 0, 0, width, height, window_dc, 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
  const auto* bgra = static_cast<const uint8_t*>(bits);
  for (size_t i = 0; i < rgba.size(); i += 4) {
    rgba[i] = bgra[i + 2];
    rgba[i + 1] = bgra[i + 1];
    rgba[i + 2] = bgra[i];
    rgba[i + 3] = 255;
  }
  SelectObject(memory_dc, previous);
  DeleteObject(bitmap);
  DeleteDC(memory_dc);
  ReleaseDC(window, window_dc);
  return rgba;
}

}  // namespace

void ShowGallery(TAutoZoomForm& form, double rate, const std::string& shot, CommandContext& context) {
  form.Show();
  if (rate > 0) form.SetFResolutionRate(rate);
  HWND window = form.Handle();
  SetForegroundWindow(window);
  Settle(window);
  RECT client;
  GetClientRect(window, &client);
  context.PrintLine("screen " + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " x " +
                    std::to_string(GetSystemMetrics(SM_CYSCREEN)) + ", gallery " + std::to_string(client.right) +
                    " x " + std::to_string(client.bottom));
  if (shot.empty()) {
    Application()->SetMainForm(&form);
    Application()->Run();
    return;
  }
  const std::vector<uint8_t> rgba = CaptureClient(window, client.right, client.bottom);
  if (stbi_write_png(shot.c_str(), client.right, client.bottom, 4, rgba.data(), client.right * 4) == 0) {
    throw std::runtime_error("cannot write " + shot);
  }
  context.PrintLine("written " + shot);
}

}  // namespace ruzi::cli
