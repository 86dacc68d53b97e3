// Menu trees apart from any window: command numbers that find their items and die with them,
// moves between parents, a menu's WM_COMMAND reaching OnClick, shortcut texts both ways, radio
// groups against a model, and the form's shortcut search.
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
  // As a published property: canonical spelling back, "" for none, other texts refused.
  TMenuItem item;
  SetPropText(item, "ShortCut", "ctrl+shift+s");
  EXPECT_EQ(GetPropText(item, "ShortCut"), "Shift+Ctrl+S");
  EXPECT_THROW(SetPropText(item, "ShortCut", "Ctrl+Nothing"), Error);
  EXPECT_EQ(item.ShortCut(), ShortCut('S', scShift | scCtrl)) << "a refused text changes nothing";
  SetPropText(item, "ShortCut", "");
  EXPECT_EQ(item.ShortCut(), scNone);
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
  enum Item { kFile, kSave, kSaveCopy, kHidden, kDisabled, kUnderDisabled, kCopy, kSaveInPopup, kCount };
  int clicks[kCount] = {};
  TMenuItem* items[kCount];
  for (int i = 0; i < kCount; ++i) {
    items[i] = new TMenuItem(&form);
    items[i]->OnClick = TNotifyEvent{&Count, &clicks[i]};
  }
  menu->Items()->Add(items[kFile]);
  for (Item i : {kSave, kSaveCopy, kHidden, kDisabled, kUnderDisabled}) items[kFile]->Add(items[i]);
  items[kDisabled]->Add(items[kUnderDisabled]);
  popup->Items()->Add(items[kCopy]);
  popup->Items()->Add(items[kSaveInPopup]);
  const TShortCut save = ShortCut('S', scCtrl), copy = ShortCut('C', scCtrl), hidden = ShortCut(0x74),
                  disabled = ShortCut(0x75);
  items[kSave]->SetShortCut(save);
  items[kSaveCopy]->SetShortCut(save);
  items[kSaveInPopup]->SetShortCut(save);
  items[kHidden]->SetShortCut(hidden);
  items[kHidden]->SetVisible(false);
  items[kDisabled]->SetEnabled(false);
  items[kUnderDisabled]->SetShortCut(disabled);
  items[kCopy]->SetShortCut(copy);
  const struct {
    TShortCut key;
    TWinControl* target;
    bool used;
    int clicked;  // -1: none
  } cases[] = {
      {save, inner, true, kSave},        // the first of two in tree order, before any pop-up menu
      {copy, inner, true, kCopy},        // up from the inner panel to the outer one's menu
      {copy, nullptr, false, -1},        // the pop-up menu belongs to the panel alone
      {ShortCut('C'), inner, false, -1}, // without Ctrl
      {hidden, nullptr, false, -1},
      {disabled, nullptr, false, -1},
  };
  for (const auto& c : cases) {
    std::fill(std::begin(clicks), std::end(clicks), 0);
    EXPECT_EQ(form.IsShortCut(c.key, c.target), c.used) << ShortCutToText(c.key);
    for (int i = 0; i < kCount; ++i) EXPECT_EQ(clicks[i], i == c.clicked ? 1 : 0) << ShortCutToText(c.key) << " item " << i;
  }
}

}  // namespace
}  // namespace ruzi
