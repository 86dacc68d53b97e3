// Under Windows the built-in sink is a real message box: GBK text through code page 936,
// the caller's flags, the button pressed as the answer. A watcher thread answers the box once
// it is shown: activation order and timers differ under a loaded Wine, visibility does not.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "dialogs/message_sink.h"

namespace ruzi {
namespace {

struct SeenBox {
  DWORD thread = 0;  // the thread that shows the box
  HWND box = nullptr;
  std::vector<std::wstring> texts;  // the caption, then every child window's text
};

// A window's text, or with GetClassNameW its class name.
std::wstring TextOf(HWND window, int(WINAPI* get)(HWND, LPWSTR, int) = GetWindowTextW) {
  wchar_t text[256] = {};
  get(window, text, 256);
  return text;
}

// Waits up to ten seconds for the box, reads it, presses the button.
void ReadAndAnswer(SeenBox* seen, int press) {
  for (int tries = 0; tries < 1000 && seen->box == nullptr; ++tries) {
    Sleep(10);
    EnumThreadWindows(seen->thread, [](HWND window, LPARAM param) -> BOOL {
      const bool box = IsWindowVisible(window) && TextOf(window, GetClassNameW) == L"#32770";
      if (box) reinterpret_cast<SeenBox*>(param)->box = window;
      return !box;
    }, reinterpret_cast<LPARAM>(seen));
  }
  if (seen->box == nullptr) return;
  seen->texts.push_back(TextOf(seen->box));
  EnumChildWindows(seen->box, [](HWND child, LPARAM param) -> BOOL {
    reinterpret_cast<SeenBox*>(param)->texts.push_back(TextOf(child));
    return TRUE;
  }, reinterpret_cast<LPARAM>(seen));
  PostMessageW(seen->box, WM_COMMAND, MAKEWPARAM(press, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(seen->box, press)));
}

// An empty caption shows the executable's name.
TEST(MessageSinkWin32, BuiltInSinkShowsGbkTextAndReturnsTheButton) {
  const struct {
    const char *text, *caption;
    unsigned flags;
    int answer;
    std::wstring caption_seen, text_seen;
  } cases[] = {{"服务名不能为空", "提示", kMbYesNo, kIdNo, L"\u63D0\u793A", L"\u670D\u52A1\u540D\u4E0D\u80FD\u4E3A\u7A7A"},
               {"abc", "", kMbOk, kIdOk, L"dialogs_ui_tests", L"abc"}};
  for (const auto& c : cases) {
    SeenBox seen;
    seen.thread = GetCurrentThreadId();
    std::thread answerer(ReadAndAnswer, &seen, c.answer);
    EXPECT_EQ(ShowMessageBox(c.text, c.caption, c.flags), c.answer);
    answerer.join();
    ASSERT_FALSE(seen.texts.empty()) << "no box shown for " << c.text;
    EXPECT_EQ(seen.texts[0], c.caption_seen);
    EXPECT_NE(std::find(seen.texts.begin() + 1, seen.texts.end(), c.text_seen), seen.texts.end()) << c.text;
  }
}

}  // namespace
}  // namespace ruzi
