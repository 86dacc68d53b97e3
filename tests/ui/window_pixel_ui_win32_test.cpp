// A real window under Xvfb: what it paints must be what we read back.
#include <windows.h>

#include <gtest/gtest.h>

#include "screenshot.h"

namespace {

LRESULT CALLBACK PaintRedSquare(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &client, white);
    DeleteObject(white);
    RECT square{20, 20, 60, 60};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &square, red);
    DeleteObject(red);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

TEST(Window, PaintedPixelsReadBack) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = PaintRedSquare;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"RuziPixelTest";
  ASSERT_NE(RegisterClassW(&window_class), 0);
  HWND window = CreateWindowExW(0, L"RuziPixelTest", L"pixel", WS_POPUP | WS_VISIBLE, 10, 10, 100, 80, nullptr,
                                nullptr, window_class.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  UpdateWindow(window);
  PumpMessages();

  ruzi::testing::Picture picture = ruzi::testing::CaptureWindow(window);
  ASSERT_EQ(picture.width, 100);
  ASSERT_EQ(picture.height, 80);
  EXPECT_EQ(picture.Rgb(40, 40), 0xFF0000u);  // inside the square
  EXPECT_EQ(picture.Rgb(5, 5), 0xFFFFFFu);    // background
  EXPECT_EQ(picture.Rgb(60, 60), 0xFFFFFFu);  // the square's right/bottom edges are exclusive
  EXPECT_EQ(picture.Rgb(59, 59), 0xFF0000u);
  EXPECT_FALSE(ruzi::testing::SaveScreenshot(picture, "window_pixel").empty());
  DestroyWindow(window);
  UnregisterClassW(L"RuziPixelTest", window_class.hInstance);
}

}  // namespace
