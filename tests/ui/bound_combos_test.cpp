// The bound combos without windows: values stay with their lines through random inserts,
// deletes and sorted adds (against a list of line-value pairs), values given before or after the
// lines pair by index, and Value chooses lines and reads the chosen line's value.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "foundation/property_access.h"
#include "ui/qx_combo_boxes.h"

namespace ruzi {
namespace {

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
