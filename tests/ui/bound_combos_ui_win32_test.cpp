// A bound combo's window under Wine: a drop-down list whose chosen line (by a key in the window,
// as the user chooses) gives Value, and whose Value chooses the line in the window or none.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/form.h"
#include "ui/qx_combo_boxes.h"

namespace ruzi {
namespace {

TEST(BoundComboWindow, TheWindowsChoiceAndValueFollowEachOther) {
  TForm form;
  form.SetBounds(20, 20, 300, 200);
  auto* combo = new TBoundQxComboBox(&form);
  combo->SetParent(&form);
  combo->Items().SetText("买入\r\n卖出\r\n撤单");
  combo->Values().SetText("B\r\nS");
  form.Show();
  const HWND window = combo->Handle();
  EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & 0x3, CBS_DROPDOWNLIST);

  int clicks = 0;
  combo->OnClick = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &clicks};
  SendMessageW(window, CB_SETCURSEL, 0, 0);
  SendMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(combo->Value(), "S") << "the user's choice";
  EXPECT_EQ(clicks, 1);
  SendMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(combo->Value(), "撤单") << "a line without a value stands for its text";

  combo->SetValue("B");
  EXPECT_EQ(SendMessageW(window, CB_GETCURSEL, 0, 0), 0);
  combo->SetValue("X");
  EXPECT_EQ(SendMessageW(window, CB_GETCURSEL, 0, 0), CB_ERR) << "an unknown value chooses none";
  EXPECT_EQ(GetWindowTextLengthW(window), 0);
}

}  // namespace
}  // namespace ruzi
