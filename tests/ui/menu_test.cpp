// Menu trees apart from any window: command numbers that find their items and die with them,
// moves between parents, and a menu's WM_COMMAND reaching OnClick.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "foundation/error.h"
#include "foundation/property_access.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace ruzi {
namespace {

constexpr uint32_t kCommand = 0x0111;

void Count(void* counter, TPersistent*) { ++*static_cast<int*>(counter); }

TEST(Menu, CommandsFindTheirItemsUntilTheyAreFreed) {
  // Random adds and deletes against a model of which items live.
  TMainMenu menu;
  std::map<int, TMenuItem*> live;
  std::mt19937 random(25);
  for (int step = 0; step < 400; ++step) {
    if (live.empty() || random() % 3 != 0) {
      TMenuItem* parent = menu.Items();
      if (!live.empty() && random() % 2 == 0) parent = std::next(live.begin(), random() % live.size())->second;
      auto* item = new TMenuItem;
      parent->Add(item);
      ASSERT_EQ(live.count(item->Command()), 0u) << "a command given twice";
      live[item->Command()] = item;
    } else {
      TMenuItem* victim = std::next(live.begin(), random() % live.size())->second;
      // The victim's subtree goes with it.
      std::vector<TMenuItem*> stack{victim};
      while (!stack.empty()) {
        TMenuItem* item = stack.back();
        stack.pop_back();
        live.erase(item->Command());
        for (int i = 0; i < item->Count(); ++i) stack.push_back(item->Items(i));
      }
      delete victim;
    }
    for (const auto& [command, item] : live) ASSERT_EQ(FindMenuItemByCommand(command), item);
  }
  for (int command = 1; command <= 0xFFFF; ++command) {
    if (live.count(command) == 0 && command != menu.Items()->Command()) {
      ASSERT_EQ(FindMenuItemByCommand(command), nullptr) << command;
    }
  }
}

TEST(Menu, ItemsMoveBetweenParentsAndRefuseCycles) {
  TPopupMenu menu;
  auto* file = new TMenuItem;
  file->SetCaption("&File");
  auto* edit = new TMenuItem;
  edit->SetCaption("E&dit");
  menu.Items()->Add(file);
  menu.Items()->Insert(0, edit);
  EXPECT_EQ(menu.Items()->Find("Edit"), edit);
  EXPECT_EQ(menu.Items()->Find("File"), file);
  EXPECT_EQ(menu.Items()->IndexOf(edit), 0);
  auto* open = new TMenuItem;
  file->Add(open);
  EXPECT_EQ(open->GetParentMenu(), &menu);
  edit->Add(open);  // moves
  EXPECT_EQ(file->Count(), 0);
  EXPECT_EQ(open->Parent(), edit);
  EXPECT_THROW(open->Add(edit), Error);
  EXPECT_THROW(edit->Add(edit), Error);
  edit->Remove(open);
  EXPECT_EQ(open->GetParentMenu(), nullptr);
  delete open;
}

TEST(Menu, AMenuCommandReachesOnClickOfEnabledItemsOnly) {
  TMainMenu menu;
  auto* item = new TMenuItem;
  menu.Items()->Add(item);
  int clicks = 0;
  item->OnClick = TNotifyEvent{&Count, &clicks};
  const struct {
    uintptr_t wparam;
    intptr_t lparam;
    bool enabled;
    bool handled;
    int clicks;
  } cases[] = {
      {static_cast<uintptr_t>(item->Command()), 0, true, true, 1},
      {static_cast<uintptr_t>(item->Command()), 0, false, true, 0},
      {static_cast<uintptr_t>(item->Command()) | 0x10000, 0, true, false, 0},  // an accelerator's code
      {static_cast<uintptr_t>(item->Command()), 0x1234, true, false, 0},       // a control's notification
      {0, 0, true, false, 0},
  };
  for (const auto& c : cases) {
    clicks = 0;
    item->SetEnabled(c.enabled);
    TMessage message{kCommand, c.wparam, c.lparam, 0};
    EXPECT_EQ(DispatchMenuMessage(message), c.handled) << c.wparam;
    EXPECT_EQ(clicks, c.clicks) << c.wparam;
  }
}

TEST(Menu, AFormsMenuIsNamedAndForgottenWhenFreed) {
  TForm form;
  auto* menu = new TMainMenu(&form);
  menu->SetName("MainMenu1");
  SetPropText(form, "Menu", "mainmenu1");
  EXPECT_EQ(form.Menu(), menu);
  EXPECT_EQ(GetPropText(form, "Menu"), "MainMenu1");
  EXPECT_THROW(SetPropText(form, "Menu", "NoSuchMenu"), Error);
  EXPECT_EQ(form.Menu(), menu);
  int clicks = 0;
  auto* item = new TMenuItem(&form);
  menu->Items()->Add(item);
  item->OnClick = TNotifyEvent{&Count, &clicks};
  EXPECT_EQ(form.Perform(kCommand, static_cast<uintptr_t>(item->Command()), 0), 0);
  EXPECT_EQ(clicks, 1);
  delete menu;
  EXPECT_EQ(form.Menu(), nullptr);
  EXPECT_EQ(GetPropText(form, "Menu"), "");
}

}  // namespace
}  // namespace ruzi
