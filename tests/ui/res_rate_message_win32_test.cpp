// "WM_GETRESRATE" through a real window: the id is the one the name registers in this process,
// and a window whose WindowProc chain holds a zoom form's answer returns the factor's address.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/form_zoom.h"
#include "ui/message.h"
#include "ui/res_rate_message.h"
#include "zoom_test_form.h"

namespace ruzi {
namespace {

struct Window {
  TWindowProcChain procedure;
  HWND handle = nullptr;
};

void DefaultHandling(void* data, TMessage& message) {
  auto* window = static_cast<Window*>(data);
  message.Result = DefWindowProcA(window->handle, message.Msg, message.WParam, message.LParam);
}

void AnswerResRate(void* data, TMessage& message);

struct ZoomAnswer {
  Window* window;
  const TFormZoom* zoom;
  TWndMethod Handler() { return TWndMethod{&AnswerResRate, this}; }
};

void AnswerResRate(void* data, TMessage& message) {
  auto* answer = static_cast<ZoomAnswer*>(data);
  if (message.Msg == ResRateMessage()) {
    answer->zoom->WMGETRESRATE(message);
    return;
  }
  answer->window->procedure.CallPrevious(answer->Handler(), message);
}

LRESULT CALLBACK Procedure(HWND handle, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcA(handle, msg, wparam, lparam);
  TMessage message{msg, wparam, lparam, 0};
  window->procedure(message);
  return message.Result;
}

TEST(ResRateMessage, WindowAnswersWithTheFactorsAddress) {
  const UINT id = RegisterWindowMessageA("WM_GETRESRATE");
  EXPECT_EQ(ResRateMessage(), id);
  EXPECT_GE(id, 0xC000u);

  WNDCLASSA window_class{};
  window_class.lpfnWndProc = &Procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = "RuziResRateProbe";
  ASSERT_NE(RegisterClassA(&window_class), 0);
  Window window;
  window.handle = CreateWindowExA(0, "RuziResRateProbe", "abc", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                  window_class.hInstance, nullptr);
  ASSERT_NE(window.handle, nullptr);
  window.procedure = TWindowProcChain(TWndMethod{&DefaultHandling, &window});
  SetWindowLongPtrA(window.handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&window));

  TestForm form({1280, 1024});
  TFormZoom zoom(form);
  zoom.ZoomFormInfo();
  ZoomAnswer answer{&window, &zoom};
  EXPECT_EQ(SendMessageA(window.handle, id, 0, 0), 0) << "not answered before the zoom form hooks in";
  window.procedure.Replace(answer.Handler());
  const auto* factor = reinterpret_cast<const double*>(SendMessageA(window.handle, id, 0, 0));
  ASSERT_NE(factor, nullptr);
  EXPECT_DOUBLE_EQ(*factor, 1024.0 / 768);
  EXPECT_EQ(SendMessageA(window.handle, WM_GETTEXTLENGTH, 0, 0), 3) << "other messages pass on";
  window.procedure.Restore(answer.Handler());
  EXPECT_EQ(SendMessageA(window.handle, id, 0, 0), 0);

  SetWindowLongPtrA(window.handle, GWLP_USERDATA, 0);
  DestroyWindow(window.handle);
  UnregisterClassA("RuziResRateProbe", window_class.hInstance);
}

}  // namespace
}  // namespace ruzi
