#pragma once
// Reading real windows back for the UI tests under Wine: a window's client area as pixels, the
// system's colours as 0xRRGGBB, and mouse clicks sent to a window.
#include <windows.h>

#include "screenshot.h"
#include "ui/win_control.h"

namespace ruzi::testing {

// 0xRRGGBB of a COLORREF (0x00BBGGRR), and of a system colour.
inline uint32_t RgbOf(COLORREF color) { return (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF); }
inline uint32_t SystemRgb(int index) { return RgbOf(GetSysColor(index)); }

// A window's client area in a picture of the whole window, repainted first unless told not to
// (then only the paints already asked for run).
struct ClientPixels {
  Picture picture;
  int dx = 0, dy = 0;
  explicit ClientPixels(HWND window, bool repaint = true) {
    if (repaint) {
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    }
    picture = CaptureWindow(window);
    RECT frame;
    GetWindowRect(window, &frame);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    dx = origin.x - frame.left;
    dy = origin.y - frame.top;
  }
  explicit ClientPixels(TWinControl& control, bool repaint = true) : ClientPixels(control.Handle(), repaint) {}
  uint32_t At(int x, int y) const { return picture.Rgb(dx + x, dy + y); }
};

inline void ClickAt(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

}  // namespace ruzi::testing
