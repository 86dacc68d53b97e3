// The input controls and the client's classes without windows: the class tree the skin and the
// zoom dispatch on (every rule both ways), a radio group keeping one button checked, the steps of
// scroll bars, scroll requests and spin edits (tests/data/ui_scroll_and_spin.txt), labels beside
// their control, glyph and caption places on a button (tests/data/ui_button_layouts.txt). A check
// list's marks and the bound combos' values stay with their lines through random inserts,
// deletes, sorted adds and changes (against a list of line-value pairs). Check boxes, check
// combos, memos and the bound combos' values by index and by Value are scripts of
// tests/data/uia_property_scripts.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
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
#include "ui_fixtures.h"
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
  auto* owned = testing::Place<TLabeledEdit>(*holder, {});
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

// A check list's marks and a bound combo's values (unsorted and sorted) stay with their lines
// through random inserts, deletes, adds in order, clears and changes, against a list of pairs of a
// line and its mark ("1") or value ("": the line's text).
TEST(ListLines, MarksAndValuesStayWithTheirLinesThroughRandomChanges) {
  std::mt19937 random(1207);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  for (int kind = 0; kind < 3; ++kind) {  // a check list, a bound combo, a sorted bound combo
    TCheckListBox checks;
    TBoundComboBox combo;
    combo.SetSorted(kind == 2);
    TStrings& lines = kind == 0 ? checks.Items() : combo.Items();
    std::vector<std::pair<std::string, std::string>> model;
    for (int step = 0; step < 600; ++step) {
      const std::string line(1, static_cast<char>('a' + pick(0, 5)));
      const std::string value = pick(0, 3) == 0 ? "" : "v" + std::to_string(step);
      const int size = static_cast<int>(model.size()), at = pick(0, size);
      switch (pick(0, 4)) {
        case 0:  // a line with its value, in its place when sorted
          if (kind == 0) continue;
          combo.AddItem(line, value);
          model.insert(kind == 1 ? model.end()
                                 : std::upper_bound(model.begin(), model.end(), line,
                                                    [](const std::string& l, const auto& pair) { return l < pair.first; }),
                       {line, value});
          break;
        case 1:  // a bare line: no mark, its text for a value
          if (kind == 2) continue;
          lines.Insert(at, line);
          model.insert(model.begin() + at, {line, ""});
          break;
        case 2:
          if (at == size) continue;
          lines.Delete(at);
          model.erase(model.begin() + at);
          break;
        case 3:  // a mark turned, or now and then the line changed, which drops its mark
          if (kind != 0 || at == size) continue;
          if (pick(0, 9) == 0) {
            lines.SetStrings(at, "x");
            model[static_cast<size_t>(at)] = {"x", ""};
          } else {
            checks.SetChecked(at, !checks.Checked(at));
            std::string& mark = model[static_cast<size_t>(at)].second;
            mark = mark.empty() ? "1" : "";
          }
          break;
        default:
          if (pick(0, 20) != 0) continue;
          lines.Clear();
          model.clear();
      }
      const std::string where = std::to_string(kind) + " step " + std::to_string(step);
      ASSERT_EQ(lines.Count(), static_cast<int>(model.size())) << where;
      std::string marks;
      for (size_t i = 0; i < model.size(); ++i) {
        ASSERT_EQ(lines[static_cast<int>(i)], model[i].first) << where;
        if (kind == 0) {
          if (!model[i].second.empty()) marks += (marks.empty() ? "" : ",") + std::to_string(i);
          continue;
        }
        combo.SetItemIndex(static_cast<int>(i));
        ASSERT_EQ(combo.Value(), model[i].second.empty() ? model[i].first : model[i].second) << where << " line " << i;
      }
      ASSERT_EQ(kind == 0 ? checks.CheckedText() : "", marks) << where;
    }
  }
}

}  // namespace
}  // namespace ruzi
