// Menu trees apart from any window: command numbers that find their items and die with them,
// moves between parents, a menu's WM_COMMAND reaching OnClick, shortcut texts both ways (as a
// published property: a script of tests/data/uia_property_scripts.txt), radio groups against a
// model, and the form's shortcut search.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "foundation/error.h"
#include "foundation/property_access.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/short_cut.h"
#include "vector_file.h"

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

// A command reaches OnClick of an enabled item, also through the form that holds the menu; the
// form names its menu and forgets it when it goes.
TEST(Menu, AFormsMenuCommandReachesOnClickOfEnabledItemsOnly) {
  TForm form;
  auto* menu = new TMainMenu(&form);
  menu->SetName("MainMenu1");
  SetPropText(form, "Menu", "mainmenu1");
  EXPECT_EQ(form.Menu(), menu);
  EXPECT_EQ(GetPropText(form, "Menu"), "MainMenu1");
  EXPECT_THROW(SetPropText(form, "Menu", "NoSuchMenu"), Error);
  EXPECT_EQ(form.Menu(), menu);
  auto* item = new TMenuItem(&form);
  menu->Items()->Add(item);
  int clicks = 0;
  item->OnClick = TNotifyEvent{&Count, &clicks};
  const uintptr_t command = static_cast<uintptr_t>(item->Command());
  const struct {
    uintptr_t wparam;
    intptr_t lparam;
    bool enabled, handled;
  } cases[] = {
      {command, 0, true, true}, {command, 0, false, true},
      {command | 0x10000, 0, true, false},  // an accelerator's code
      {command, 0x1234, true, false},       // a control's notification
      {0, 0, true, false},
  };
  for (const auto& c : cases) {
    clicks = 0;
    item->SetEnabled(c.enabled);
    TMessage message{kCommand, c.wparam, c.lparam, 0};
    EXPECT_EQ(DispatchMenuMessage(message), c.handled) << c.wparam;
    EXPECT_EQ(clicks, c.handled && c.enabled ? 1 : 0) << c.wparam;
  }
  item->SetEnabled(true);
  EXPECT_EQ(form.Perform(kCommand, command, 0), 0);
  EXPECT_EQ(clicks, 1);
  delete menu;
  EXPECT_EQ(form.Menu(), nullptr);
  EXPECT_EQ(GetPropText(form, "Menu"), "");
}

TEST(MenuShortCut, TextsBothWays) {
  testing::CheckAnswers(
      "ui_short_cuts.txt",
      {{"text",
        [](const std::vector<std::string>& args) {
          TShortCut flags = 0;
          for (const auto& [name, flag] : {std::pair{"Shift", scShift}, std::pair{"Ctrl", scCtrl}, std::pair{"Alt", scAlt}}) {
            if (args.at(1).find(name) != std::string::npos) flags |= flag;
          }
          return ShortCutToText(ShortCut(std::stoul(args.at(0), nullptr, 16), flags));
        }},
       {"parse", [](const std::vector<std::string>& args) {
          const TShortCut short_cut = TextToShortCut(args.at(0));
          return short_cut == scNone ? std::string("none") : ShortCutToText(short_cut);
        }}});
  // Every named key with every set of flags reads back as itself; an unnamed key reads "".
  int named = 0;
  for (unsigned key = 1; key < 0x100; ++key) {
    for (TShortCut flags = 0; flags < 8; ++flags) {
      const TShortCut short_cut = ShortCut(key, static_cast<TShortCut>(flags << 13));
      const std::string text = ShortCutToText(short_cut);
      if (text.empty()) break;
      named += flags == 0 ? 1 : 0;
      ASSERT_EQ(TextToShortCut(text), short_cut) << text;
    }
  }
  EXPECT_EQ(named, 10 + 26 + 12 + 15) << "digits, letters, F1 to F12 and the named keys";
}

TEST(MenuRadioItems, AtMostOneCheckedPerParentAndGroupAgainstAModel) {
  // Two parents of five items each; random changes of Checked, RadioItem and GroupIndex.
  struct State {
    bool checked = false, radio = false;
    int group = 0;
  };
  TPopupMenu menu;
  TMenuItem* items[10];
  State model[10];
  for (int i = 0; i < 10; ++i) {
    items[i] = new TMenuItem;
    menu.Items()->Add(items[i]);
  }
  for (int i = 5; i < 10; ++i) items[0]->Add(items[i]);  // the second parent: the first item
  const auto turn_off_others = [&](int i) {
    if (!model[i].checked || !model[i].radio) return;
    for (int j = 0; j < 10; ++j) {
      if (j != i && j / 5 == i / 5 && model[j].radio && model[j].group == model[i].group) model[j].checked = false;
    }
  };
  std::mt19937 random(7);
  for (int step = 0; step < 3000; ++step) {
    const int i = static_cast<int>(random() % 10);
    switch (random() % 3) {
      case 0:
        model[i].checked = random() % 3 != 0;
        items[i]->SetChecked(model[i].checked);
        break;
      case 1:
        model[i].radio = random() % 4 != 0;
        items[i]->SetRadioItem(model[i].radio);
        break;
      default:
        model[i].group = static_cast<int>(random() % 3);
        items[i]->SetGroupIndex(model[i].group);
    }
    turn_off_others(i);
    for (int j = 0; j < 10; ++j) ASSERT_EQ(items[j]->Checked(), model[j].checked) << "step " << step << " item " << j;
  }
  EXPECT_THROW(items[1]->SetGroupIndex(256), Error);
  EXPECT_THROW(items[1]->SetGroupIndex(-1), Error);
}

TEST(MenuShortCut, TheFormFindsTheFirstUsableItemInItsMenuThenUpThePopupMenus) {
  TForm form;
  auto* menu = new TMainMenu(&form);
  form.SetMenu(menu);
  auto* outer = new TPanel(&form);
  outer->SetParent(&form);
  auto* inner = new TPanel(&form);
  inner->SetParent(outer);
  auto* popup = new TPopupMenu(&form);
  outer->SetPopupMenu(popup);
  std::map<std::string, TMenuItem*> items{{"menu", menu->Items()}, {"popup", popup->Items()}};
  std::map<std::string, int> clicks;
  for (const testing::VectorCase& c : testing::ReadVectors("uia_menu_short_cuts.txt")) {
    if (c.at(0) == "item") {
      auto* item = items[c.at(1)] = new TMenuItem(&form);
      item->OnClick = TNotifyEvent{&Count, &clicks[c[1]]};
      items.at(c.at(2))->Add(item);
      SetPropText(*item, "ShortCut", c.at(3));
      item->SetVisible(c.size() < 5 || c[4] != "hidden");
      item->SetEnabled(c.size() < 5 || c[4] != "disabled");
      continue;
    }
    for (auto& [name, count] : clicks) count = 0;
    EXPECT_EQ(form.IsShortCut(TextToShortCut(c.at(1)), c.at(2) == "inner" ? inner : nullptr), c.at(3) == "1") << c[1];
    for (const auto& [name, count] : clicks) EXPECT_EQ(count, c.size() > 4 && c[4] == name ? 1 : 0) << c[1] << " " << name;
  }
  EXPECT_EQ(clicks.size(), 8u);
}

}  // namespace
}  // namespace ruzi
