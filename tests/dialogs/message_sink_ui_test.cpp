// Under Windows the built-in sink is a real message box: GBK text through code page 936,
// the caller's flags, the button pressed as the answer. A watcher thread answers the box once
// it is shown: activation order and timers differ under a loaded Wine, visibility does not.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "dialogs/message_sink.h"

namespace ruzi {
namespace {

struct SeenBox {
  std::wstring caption;
  std::vector<std::wstring> texts;  // every child window's text
  int press = IDOK;
  DWORD thread = 0;  // the thread that shows the box
  HWND box = nullptr;
};

BOOL CALLBACK FindShownBox(HWND window, LPARAM param) {
  auto* seen = reinterpret_cast<SeenBox*>(param);
  wchar_t class_name[16] = {};
  GetClassNameW(window, class_name, 16);
  if (IsWindowVisible(window) && std::wstring(class_name) == L"#32770") {
    seen->box = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectText(HWND child, LPARAM param) {
  wchar_t text[256] = {};
  GetWindowTextW(child, text, 256);
  reinterpret_cast<SeenBox*>(param)->texts.emplace_back(text);
  return TRUE;
}

// Waits up to ten seconds for the box, reads it, presses the button.
void ReadAndAnswer(SeenBox* seen) {
  for (int tries = 0; tries < 1000 && seen->box == nullptr; ++tries) {
    Sleep(10);
    EnumThreadWindows(seen->thread, FindShownBox, reinterpret_cast<LPARAM>(seen));
  }
  if (seen->box == nullptr) return;
  wchar_t caption[256] = {};
  GetWindowTextW(seen->box, caption, 256);
  seen->caption = caption;
  EnumChildWindows(seen->box, CollectText, reinterpret_cast<LPARAM>(seen));
  PostMessageW(seen->box, WM_COMMAND, MAKEWPARAM(seen->press, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(seen->box, seen->press)));
}

int ShowAnswered(SeenBox& seen, std::string_view text, std::string_view caption, unsigned flags) {
  seen.thread = GetCurrentThreadId();
  std::thread answerer(ReadAndAnswer, &seen);
  const int answer = ShowMessageBox(text, caption, flags);
  answerer.join();
  return answer;
}

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& wanted) {
  for (const std::wstring& text : texts) {
    if (text == wanted) return true;
  }
  return false;
}

TEST(MessageSinkWin32, BuiltInSinkShowsGbkTextAndReturnsTheButton) {
  SeenBox seen;
  seen.press = IDNO;
  EXPECT_EQ(ShowAnswered(seen, "服务名不能为空", "提示", kMbYesNo), kIdNo);
  EXPECT_EQ(seen.caption, L"\u63D0\u793A");
  EXPECT_TRUE(Contains(seen.texts, L"\u670D\u52A1\u540D\u4E0D\u80FD\u4E3A\u7A7A"));
}

TEST(MessageSinkWin32, EmptyCaptionShowsTheExecutableName) {
  SeenBox seen;
  EXPECT_EQ(ShowAnswered(seen, "abc", "", kMbOk), kIdOk);
  EXPECT_EQ(seen.caption, L"dialogs_ui_tests");
  EXPECT_TRUE(Contains(seen.texts, L"abc"));
}

}  // namespace
}  // namespace ruzi
