// The input controls and the client's classes without windows: the class tree the skin and the
// zoom dispatch on (every rule both ways), a radio group keeping one button checked, the check
// marks of a check list following its lines against a plain model, the steps of scroll bars,
// scroll requests and spin edits (tests/data/ui_scroll_and_spin.txt), labels beside their control.
// Glyph and caption places on a button (tests/data/ui_button_layouts.txt).
// The bound combos: values stay with their lines through random inserts, deletes and sorted adds
// (against a list of line-value pairs), values given before or after the lines pair by index, and
// Value chooses lines and reads the chosen line's value.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "foundation/class_registry.h"
#include "foundation/property_access.h"
#include "ui/button_layout.h"
#include "ui/check_list_box.h"
#include "ui/control_messages.h"
#include "ui/group_box.h"
#include "ui/labeled_edit.h"
#include "ui/memo.h"
#include "ui/qx_combo_boxes.h"
#include "ui/radio_group.h"
#include "error_text.h"
#include "ui/scroll_bar.h"
#include "ui/scroll_box.h"
#include "ui/search_combos.h"
#include "ui/speed_button.h"
#include "ui/spin_edit.h"
#include "ui/ui_classes.h"
#include "ui/frame.h"
#include "vector_file.h"

namespace ruzi {
namespace {

// The abstract roots are no registered classes: their records by name.
const TClassRecord* Record(const std::string& name) {
  static const std::map<std::string, const TClassRecord*> roots = {
      {"TCustomEdit", TCustomEdit::ClassRecord()},         {"TCustomListBox", TCustomListBox::ClassRecord()},
      {"TCustomComboBox", TCustomComboBox::ClassRecord()}, {"TCustomGroupBox", TCustomGroupBox::ClassRecord()},
      {"TCustomCheckBox", TCustomCheckBox::ClassRecord()}, {"TSearchCombox", TSearchCombox::ClassRecord()},
      {"TGraphicControl", TGraphicControl::ClassRecord()}, {"TWinControl", TWinControl::ClassRecord()},
      {"TCustomControl", TCustomControl::ClassRecord()},   {"TFrame", TFrame::ClassRecord()}};
  auto root = roots.find(name);
  return root != roots.end() ? root->second : FindClass(name);
}

TEST(ClassTree, FollowsTheSkinAndZoomRulesBothWays) {
  RegisterUiClasses();
  for (const testing::VectorCase& rule : testing::ReadVectors("ui_class_tree.txt")) {
    SCOPED_TRACE(rule.at(0) + " / " + rule.at(1));
    const TClassRecord* record = Record(rule[0]);
    const TClassRecord* ancestor = Record(rule[1]);
    ASSERT_TRUE(record != nullptr && ancestor != nullptr);
    EXPECT_STREQ(record->Name, rule[0].c_str());
    EXPECT_EQ(record->InheritsFrom(ancestor), rule.at(2) == "1");
    EXPECT_FALSE(ancestor->InheritsFrom(record)) << "never the other way up";
  }
}

TEST(StandardInputControls, RadioGroupKeepsOneButtonChecked) {
  TGroupBox holder;
  TRadioGroup group;
  group.SetParent(&holder);
  group.SetItemsText("上海\r\n深圳\r\n北京\r\n");
  int clicks = 0;
  group.OnClick = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &clicks};
  auto checked = [&] {
    std::string marks;
    for (int i = 0; i < group.Items().Count(); ++i) marks += group.Buttons(i)->Checked() ? '1' : '0';
    return marks;
  };
  EXPECT_EQ(checked(), "000");
  group.SetItemIndex(1);
  EXPECT_EQ(checked(), "010");
  group.Buttons(2)->Perform(CN_COMMAND, 0);  // the button's window reports a click
  EXPECT_EQ(checked(), "001");
  EXPECT_EQ(group.ItemIndex(), 2);
  group.Buttons(2)->Perform(CN_COMMAND, 0);
  EXPECT_EQ(checked(), "001") << "a checked radio button stays checked";
  EXPECT_EQ(clicks, 2);
  group.SetItemIndex(9);
  EXPECT_EQ(checked(), "000") << "an index outside the lines is none";
  group.SetColumns(2);
  EXPECT_EQ(group.Buttons(2)->Left(), group.Buttons(0)->Left() + (group.Width() - 16) / 2) << "third in column two";
}

TEST(StandardInputControls, CheckMarksFollowTheirLinesLikeAModel) {
  std::mt19937 random(25);
  TCheckListBox list;
  std::vector<std::pair<std::string, bool>> model;
  for (int step = 0; step < 1000; ++step) {
    const int count = static_cast<int>(model.size());
    const int index = count > 0 ? static_cast<int>(random() % static_cast<unsigned>(count)) : 0;
    switch (random() % 5) {
      case 0:
      case 1:
        list.Items().Insert(index, std::to_string(step));
        model.insert(model.begin() + index, {std::to_string(step), false});
        break;
      case 2:
        if (count == 0) break;
        list.Items().Delete(index);
        model.erase(model.begin() + index);
        break;
      case 3:
        if (count == 0) break;
        list.SetChecked(index, !list.Checked(index));
        model[static_cast<size_t>(index)].second = !model[static_cast<size_t>(index)].second;
        break;
      default:
        if (count == 0 || step % 50 != 0) break;
        list.Items().SetStrings(index, "x");
        model[static_cast<size_t>(index)] = {"x", false};
        break;
    }
    ASSERT_EQ(list.Items().Count(), static_cast<int>(model.size()));
    std::string expected;
    for (size_t i = 0; i < model.size(); ++i) {
      ASSERT_EQ(list.Items()[static_cast<int>(i)], model[i].first);
      if (model[i].second) expected += (expected.empty() ? "" : ",") + std::to_string(i);
    }
    ASSERT_EQ(list.CheckedText(), expected) << "step " << step;
  }
  list.Items().SetText("a\nb\r\nc\rd");
  EXPECT_EQ(list.Items().Text(), "a\r\nb\r\nc\r\nd\r\n") << "every kind of line break";
  EXPECT_EQ(list.CheckedText(), "") << "new lines, no marks";
}

TEST(StandardInputControls, ScrollBarsRequestsAndSpinEditsStepAsTheKnownAnswersSay) {
  using Args = std::vector<std::string>;
  testing::CheckAnswers("ui_scroll_and_spin.txt",
                        {{"bar",
                          [](const Args& a) {
                            TScrollBar bar;
                            bar.SetParams(10, 0, 20);
                            bar.SetLargeChange(15);
                            bar.Perform(CN_HSCROLL, std::stoul(a.at(0)) | std::stoul(a.at(1)) << 16);
                            return std::to_string(bar.Position());
                          }},
                         {"request",
                          [](const Args& a) {
                            return std::to_string(ScrollRequestPosition(std::stoi(a.at(0)), std::stoi(a.at(1)), std::stoi(a.at(2)), 8, 50, 100));
                          }},
                         {"spin", [](const Args& a) {
                            TSpinEdit spin;
                            spin.SetMaxValue(10);
                            spin.SetIncrement(4);
                            spin.SetText(a.at(0));
                            if (a.at(1) != "0") spin.Perform(0x0100, std::stoul(a[1]));  // WM_KEYDOWN
                            return std::to_string(spin.Value());
                          }},
                         {"step", [](const Args& a) {
                            TSpinEdit spin;
                            spin.SetIncrement(std::stoi(a.at(0)));
                            spin.SetValue(std::stoi(a.at(1)));
                            spin.Step(std::stoi(a.at(2)));
                            return std::to_string(spin.Value());
                          }}});
}

TEST(StandardInputControls, LabelsSitBesideTheirControlAndFollowIt) {
  TGroupBox parent;
  TLabeledEdit edit;
  edit.SetParent(&parent);
  TBoundLabel& label = *edit.EditLabel();
  label.SetBounds(0, 0, 40, 12);
  const struct {
    TLabelPosition position;
    TRect expected;
  } cases[] = {{TLabelPosition::lpAbove, {50, 25, 90, 37}},
               {TLabelPosition::lpBelow, {50, 63, 90, 75}},
               {TLabelPosition::lpLeft, {7, 44, 47, 56}},
               {TLabelPosition::lpRight, {153, 44, 193, 56}}};
  for (const auto& c : cases) {
    edit.SetLabelPosition(c.position);
    edit.SetBounds(50, 40, 100, 20);
    EXPECT_EQ(label.BoundsRect(), c.expected);
  }
  EXPECT_EQ(label.Parent(), &parent);
  edit.SetVisible(false);
  EXPECT_FALSE(label.Visible());
  edit.SetEnabled(false);
  EXPECT_FALSE(label.Enabled());
  // Freed with a parent, the label (put in last) goes first: its control forgets it.
  auto* holder = new TGroupBox;
  auto* owned = new TLabeledEdit(holder);
  owned->SetParent(holder);
  ASSERT_EQ(holder->ControlCount(), 2);
  delete holder->Controls(1);
  EXPECT_EQ(owned->EditLabel(), nullptr);
  owned->SetBounds(1, 2, 3, 4);  // nothing left to follow
  delete holder;
}

TEST(StandardInputControls, SortedListsPlaceEachLineAndReportBadIndexes) {
  TStrings lines;
  lines.SetText("丙\r\nb\r\na\r\n");
  lines.SetSorted(true);
  EXPECT_EQ(lines.Text(), "a\r\nb\r\n丙\r\n") << "bytes order: GBK after ASCII";
  const struct {
    const char* line;
    int index;
  } adds[] = {{"b", 2}, {"A", 0}, {"c", 4}, {"乙", 6}};  // 乙 is 0xD2D2, 丙 0xB1FB
  for (const auto& add : adds) EXPECT_EQ(lines.Add(add.line), add.index) << add.line;
  EXPECT_EQ(lines.Text(), "A\r\na\r\nb\r\nb\r\nc\r\n丙\r\n乙\r\n");
  lines.SetStrings(0, "z");
  EXPECT_EQ(lines[4], "z") << "a changed line moves to its place";
  EXPECT_EQ(lines.IndexOf("B"), 1);
  EXPECT_EQ(lines.IndexOf("丁"), -1);
  EXPECT_EQ(testing::ErrorOf([&] { lines.Delete(7); }), "List index out of bounds (7)");
  EXPECT_EQ(testing::ErrorOf([&] { lines.Insert(-1, "x"); }), "List index out of bounds (-1)");
}

TEST(StandardInputControls, CheckBoxClicksWalkItsStates) {
  for (bool grayed : {false, true}) {
    TCheckBox box;
    box.SetAllowGrayed(grayed);
    std::string seen;
    for (int click = 0; click < 4; ++click) {
      box.Perform(CN_COMMAND, 0);  // BN_CLICKED
      seen += GetPropText(box, "State") + ";";
    }
    EXPECT_EQ(seen, grayed ? "cbChecked;cbGrayed;cbUnchecked;cbChecked;" : "cbChecked;cbUnchecked;cbChecked;cbUnchecked;");
  }
}

TEST(StandardInputControls, SpeedButtonsOfAGroupKeepOneDown) {
  TGroupBox parent;
  TSpeedButton a, b, other;
  for (TSpeedButton* button : {&a, &b, &other}) button->SetParent(&parent);
  a.SetGroupIndex(1);
  b.SetGroupIndex(1);
  other.SetGroupIndex(2);
  other.SetDown(true);
  a.Click();
  b.Click();
  EXPECT_EQ(std::string() + (a.Down() ? 'D' : 'u') + (b.Down() ? 'D' : 'u') + (other.Down() ? 'D' : 'u'), "uDD");
  b.Click();
  EXPECT_TRUE(b.Down()) << "the one down stays down";
  b.SetAllowAllUp(true);
  b.Click();
  EXPECT_FALSE(b.Down()) << "unless all may be up";
}

TEST(StandardInputControls, CheckComboTurnsTheMarkOfTheChosenLine) {
  Tqxcheckcombo combo;
  combo.SetItemsText("基金\r\n股票\r\n债券\r\n");
  for (int pick : {1, 2, 1}) {
    combo.SetItemIndex(pick);
    combo.Perform(CN_COMMAND, uintptr_t{1} << 16);  // CBN_SELCHANGE
  }
  EXPECT_EQ(combo.CheckedText(), "2");
  EXPECT_EQ(testing::ErrorOf([&] { combo.SetCheckedText("0,3"); }), "\"0,3\" is not a valid value of Tqxcheckcombo.Checked");
  EXPECT_EQ(combo.CheckedText(), "2") << "a bad text changes nothing";
}

TEST(StandardInputControls, MemoLinesAndTextAreOneValue) {
  TMemo memo;
  memo.Lines().Add("第一行");
  memo.Lines().Add("");
  memo.Lines().Add("三");
  EXPECT_EQ(memo.Text(), "第一行\r\n\r\n三");
  memo.SetText("甲\n乙");
  EXPECT_EQ(memo.Lines().Count(), 2) << "text set directly is seen in the lines";
  EXPECT_EQ(memo.Lines()[1], "乙");
  EXPECT_EQ(GetPropText(memo, "Lines"), "甲\r\n乙\r\n");
}

TEST(ButtonLayout, GlyphAndCaptionPlacesMatchKnownAnswers) {
  testing::CheckAnswers("ui_button_layouts.txt", {{"place", [](const std::vector<std::string>& args) {
                                                      auto n = [&](size_t i) { return std::stoi(args[i]); };
                                                      const auto layout = TPropertyText<TButtonLayout>::FromText(args[6]);
                                                      const TButtonPlaces at =
                                                          PlaceGlyphAndCaption({n(0), n(1)}, {n(2), n(3)}, {n(4), n(5)},
                                                                               layout.value(), n(7), n(8));
                                                      return std::to_string(at.GlyphX) + "," + std::to_string(at.GlyphY) +
                                                             " " + std::to_string(at.TextX) + "," +
                                                             std::to_string(at.TextY);
                                                    }}});
}

using Pairs = std::vector<std::pair<std::string, std::string>>;  // line, value ("" : its text)

void ExpectSameValues(const TBoundComboBox& combo, const Pairs& model, const std::string& where) {
  ASSERT_EQ(combo.Items().Count(), static_cast<int>(model.size())) << where;
  for (size_t index = 0; index < model.size(); ++index) {
    ASSERT_EQ(combo.Items()[static_cast<int>(index)], model[index].first) << where;
    const std::string want = model[index].second.empty() ? model[index].first : model[index].second;
    TBoundComboBox& chooser = const_cast<TBoundComboBox&>(combo);
    chooser.SetItemIndex(static_cast<int>(index));
    ASSERT_EQ(combo.Value(), want) << where << " line " << index;
  }
}

TEST(BoundCombos, ValuesStayWithTheirLinesThroughRandomChanges) {
  std::mt19937 random(1207);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  for (bool sorted : {false, true}) {
    TBoundComboBox combo;
    combo.SetSorted(sorted);
    Pairs model;
    for (int step = 0; step < 300; ++step) {
      const std::string line = std::string(1, static_cast<char>('a' + pick(0, 5)));
      const std::string value = pick(0, 3) == 0 ? "" : "v" + std::to_string(step);
      const int size = static_cast<int>(model.size());
      switch (pick(0, 3)) {
        case 0: {  // a line with its value, in its place when sorted
          combo.AddItem(line, value);
          auto place = sorted ? std::upper_bound(model.begin(), model.end(), line,
                                                 [](const std::string& l, const auto& pair) { return l < pair.first; })
                              : model.end();
          model.insert(place, {line, value});
          break;
        }
        case 1:  // a bare line inside the list stands for its text
          if (sorted) continue;
          {
            const int at = pick(0, size);
            combo.Items().Insert(at, line);
            model.insert(model.begin() + at, {line, ""});
          }
          break;
        case 2:
          if (size == 0) continue;
          {
            const int at = pick(0, size - 1);
            combo.Items().Delete(at);
            model.erase(model.begin() + at);
          }
          break;
        default:
          if (pick(0, 20) != 0) continue;
          combo.Items().Clear();
          model.clear();
      }
      ExpectSameValues(combo, model, "sorted " + std::to_string(sorted) + " step " + std::to_string(step));
    }
  }
}

TEST(BoundCombos, ValuesPairWithLinesByIndexWhicheverComesFirst) {
  TBoundComboBox before;
  SetPropText(before, "Values", "01\r\n\r\n03");
  for (const char* line : {"甲", "乙", "丙", "丁"}) before.Items().Add(line);
  TBoundQxComboBox after;
  SetPropText(after, "Items", "甲\r\n乙\r\n丙\r\n丁");
  SetPropText(after, "Values", "01\r\n\r\n03");
  for (TCustomComboBox* combo : {static_cast<TCustomComboBox*>(&before), static_cast<TCustomComboBox*>(&after)}) {
    const char* const want[] = {"01", "乙", "03", "丁"};  // empty or missing: the line's text
    for (int index = 0; index < 4; ++index) {
      combo->SetItemIndex(index);
      EXPECT_EQ(GetPropText(*combo, "Value"), want[index]) << combo->ClassName() << " " << index;
    }
    combo->Items().SetText("甲\r\n乙");
    combo->SetItemIndex(0);
    EXPECT_EQ(GetPropText(*combo, "Value"), "01") << "new lines keep the values by index";
  }
}

TEST(BoundCombos, SettingTheValueChoosesItsFirstLineOrNone) {
  TBoundComboBox combo;
  combo.Items().SetText("买入\r\n卖出\r\n撤单\r\n卖出");
  combo.Values().SetText("B\r\nS\r\n\r\nS2");
  combo.SetItemIndex(3);
  const struct {
    const char* value;
    int index;
    const char* reads;
  } cases[] = {
      {"S", 1, "S"}, {"撤单", 2, "撤单"}, {"B", 0, "B"}, {"S2", 3, "S2"},
      {"X", -1, ""},    // unknown: nothing chosen
      {"B", 0, "B"},  {"", -1, ""},      // "" stands for no line
      {"s", -1, ""},    // bytes compared
  };
  for (const auto& c : cases) {
    SetPropText(combo, "Value", c.value);
    EXPECT_EQ(combo.ItemIndex(), c.index) << c.value;
    EXPECT_EQ(combo.Value(), c.reads) << c.value;
  }
  EXPECT_EQ(combo.Style(), TComboBoxStyle::csDropDownList);
}

}  // namespace
}  // namespace ruzi
