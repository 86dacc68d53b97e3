// Under Windows the built-in sink is a real message box: GBK text through code page 936,
// the caller's flags, the button pressed as the answer. A CBT hook and a timer answer the box.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/message_sink.h"

namespace ruzi {
namespace {

struct SeenBox {
  std::wstring caption;
  std::vector<std::wstring> texts;  // every child window's text
  int press = IDOK;
  HHOOK hook = nullptr;
  HWND box = nullptr;
  UINT_PTR timer = 0;
};

SeenBox* g_seen = nullptr;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
  wchar_t text[256] = {};
  GetWindowTextW(child, text, 256);
  g_seen->texts.emplace_back(text);
  return TRUE;
}

// Runs from the box's own message loop, once its texts are set (under Wine they are not yet
// when the box is activated).
void CALLBACK ReadAndAnswer(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, g_seen->timer);
  HWND box = g_seen->box;
  wchar_t caption[256] = {};
  GetWindowTextW(box, caption, 256);
  g_seen->caption = caption;
  EnumChildWindows(box, CollectText, 0);
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(g_seen->press, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, g_seen->press)));
}

LRESULT CALLBACK AnswerBox(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE && g_seen != nullptr && g_seen->box == nullptr) {
    g_seen->box = reinterpret_cast<HWND>(wparam);
    g_seen->timer = SetTimer(nullptr, 0, 20, ReadAndAnswer);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

int ShowAnswered(SeenBox& seen, std::string_view text, std::string_view caption, unsigned flags) {
  g_seen = &seen;
  seen.hook = SetWindowsHookExW(WH_CBT, AnswerBox, nullptr, GetCurrentThreadId());
  const int answer = ShowMessageBox(text, caption, flags);
  UnhookWindowsHookEx(seen.hook);
  g_seen = nullptr;
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
