// Every published property of every registered class, whoever registered it: set from its own
// text it reads back the same text, and each value name of an enumeration or set reads back as
// written. The input controls also carry a changed value (tests/data) through the round trip. A
// setter that drops, clamps or mis-writes a value fails here by class and name. Scripts of steps
// on one control each (tests/data/uia_property_scripts.txt), and the texts of the value kinds
// controls publish (colours, anchor sets, whole fonts) read back the way they are written.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <memory>
#include <string>

#include "control_script.h"
#include "error_text.h"
#include "foundation/class_registry.h"
#include "foundation/property_access.h"
#include "ui/align.h"
#include "ui/color.h"
#include "ui/font.h"
#include "ui/ui_classes.h"
#include "ui/win_control.h"
#include "vector_file.h"

namespace ruzi {
namespace {

void ExpectRoundTrip(TComponent& object, const TPropertyInfo& info, const std::string& text) {
  SetPropText(object, info.Name, text);
  EXPECT_EQ(GetPropText(object, info.Name), text) << object.ClassName() << "." << info.Name;
}

// The input controls also carry a changed value of each property through the round trip.
TEST(PropertyRoundTrip, EveryPublishedPropertyOfEveryRegisteredClass) {
  RegisterUiClasses();
  std::map<std::string, std::string> changed;
  for (const testing::VectorCase& line : testing::ReadVectors("ui_changed_property_values.txt")) {
    changed[line.at(0)] = line.size() > 1 ? line[1] : "";
  }
  const std::set<std::string> with_changes = {
      "TBitBtn", "TCheckBox", "TRadioButton", "TGroupBox", "TRadioGroup", "TMemo", "TRichEdit", "TSpinEdit", "TLabeledEdit",
      "TComboBox", "TListBox", "TCheckListBox", "TStaticText", "TScrollBar", "TSpeedButton", "Tqxcheckcombo", "TQxEdit",
      "TBcEdit", "TGeneralCombox"};
  int checked = 0;
  for (const TClassRecord* record : RegisteredClasses()) {
    std::unique_ptr<TComponent> object(CreateComponent(record->Name, nullptr));
    ASSERT_NE(object, nullptr) << record->Name;
    EXPECT_STREQ(object->ClassType()->Name, record->Name) << "made by name as itself";
    for (const TPropertyInfo* info : GetPropList(record)) {
      ExpectRoundTrip(*object, *info, GetPropText(*object, info->Name));
      ++checked;
      if (info->Kind == TTypeKind::tkEnumeration) {
        for (size_t value = 0; value < info->ValueCount; ++value) ExpectRoundTrip(*object, *info, info->ValueNames[value]);
      }
      if (info->Kind == TTypeKind::tkSet) {
        for (size_t value = 0; value < info->ValueCount; ++value) {
          ExpectRoundTrip(*object, *info, std::string("[") + info->ValueNames[value] + "]");
        }
        ExpectRoundTrip(*object, *info, "[]");
      }
      if (with_changes.count(record->Name) == 0) continue;
      auto value = changed.find(std::string(record->Name) + "." + info->Name);
      if (value == changed.end()) value = changed.find(info->Name);
      ASSERT_NE(value, changed.end()) << record->Name << "." << info->Name << ": a new property needs a changed value";
      ExpectRoundTrip(*object, *info, value->second);
    }
  }
  EXPECT_GT(checked, 100) << "the registry is filled";
  EXPECT_EQ(testing::ErrorOf([] { TWinControl control; SetPropText(control, "Align", "alMiddle"); }),
            "\"alMiddle\" is not a valid value of TWinControl.Align");
}

// Scripts of steps on one control each (tests/data/uia_property_scripts.txt).
TEST(PropertyScripts, EachControlFollowsItsScript) {
  RegisterUiClasses();
  for (const testing::VectorCase& line : testing::ReadVectors("uia_property_scripts.txt")) {
    std::unique_ptr<TComponent> object(CreateComponent(line.at(0), nullptr));
    ASSERT_NE(object, nullptr) << line[0];
    testing::ControlScript script(*object);
    for (size_t i = 1; i < line.size(); ++i) script.Step(*object, line[i]);
    EXPECT_EQ(script.refused, "") << line[0];
  }
}

TEST(PropertyText, ColoursSetsAndFontsReadBackAsWritten) {
  testing::CheckAnswers(
      "ui_property_texts.txt",
      {{"color",
        [](const std::vector<std::string>& args) {
          auto color = StringToColor(args[0]);
          return color ? ColorToString(*color) : "error";
        }},
       {"anchors",
        [](const std::vector<std::string>& args) {
          using Text = TPropertyText<TAnchors>;
          auto anchors = Text::FromText(args[0]);
          return anchors ? Text::ToText(*anchors) : "error";
        }},
       {"font", [](const std::vector<std::string>& args) {
          auto font = TFontText::FromText(args[0]);
          return font ? TFontText::ToText(*font) : "error";
        }}});
}

// A font's size and height are one value at 96 dpi, and it reports only real changes.
TEST(PropertyText, FontSizeAndHeightAreOneValueAndChangesFireOnce) {
  TFont font;
  const std::pair<int, int> sizes[] = {{6, -8},   {8, -11},  {9, -12},  {10, -13}, {11, -15},
                                       {12, -16}, {14, -19}, {16, -21}, {20, -27}, {72, -96}};
  for (const auto& [size, height] : sizes) {
    font.SetSize(size);
    EXPECT_EQ(font.Height(), height) << size;
    font.SetHeight(height);
    EXPECT_EQ(font.Size(), size) << height;
  }
  int changes = 0;
  font.OnChange = testing::Counting(&changes);
  font.SetSize(font.Size());
  font.SetName(font.Name());
  EXPECT_EQ(changes, 0);
  font.SetSize(20);
  font.SetStyle({TFontStyle::fsBold});
  font.SetColor(clRed);
  EXPECT_EQ(changes, 3);
  TFont other;
  other.Assign(&font);
  EXPECT_TRUE(other.SameAs(font));
  font.Assign(&other);  // the same values: no change
  EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace ruzi
