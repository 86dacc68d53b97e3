// Every published property of every registered class, whoever registered it: set from its own
// text it reads back the same text, and each value name of an enumeration or set reads back as
// written. The controls and input controls also carry a changed value (tests/data) through the
// round trip. A setter that drops, clamps or mis-writes a value fails here by class and name.
// Beside them the texts of the value kinds controls publish (colours, anchor sets, whole fonts).
// read back the way they are written.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

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

TEST(PropertyRoundTrip, EveryPublishedPropertyOfEveryRegisteredClass) {
  RegisterUiClasses();
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
    }
  }
  EXPECT_GT(checked, 100) << "the registry is filled";
}

// The input controls' own properties and those every windowed control has: each takes a changed
// value and gives it back.
TEST(PropertyRoundTrip, ChangedValuesSurviveTheRound) {
  RegisterUiClasses();
  std::map<std::string, std::string> changed;
  for (const testing::VectorCase& line : testing::ReadVectors("ui_changed_property_values.txt")) {
    changed[line.at(0)] = line.size() > 1 ? line[1] : "";
  }
  for (const char* name : {"TWinControl", "TBitBtn", "TCheckBox", "TRadioButton", "TGroupBox", "TRadioGroup", "TMemo",
                           "TRichEdit", "TSpinEdit", "TLabeledEdit", "TComboBox", "TListBox", "TCheckListBox",
                           "TStaticText", "TScrollBar", "TSpeedButton", "Tqxcheckcombo", "TQxEdit", "TBcEdit",
                           "TGeneralCombox"}) {
    std::unique_ptr<TComponent> control(std::string(name) == "TWinControl" ? new TWinControl
                                                                          : CreateComponent(name, nullptr));
    for (const TPropertyInfo* info : GetPropList(control->ClassType())) {
      // The windowed control's properties are checked once, on TWinControl itself.
      if (control->ClassType() != TWinControl::ClassRecord() && FindPropInfo(TWinControl::ClassRecord(), info->Name)) {
        continue;
      }
      SCOPED_TRACE(std::string(name) + "." + info->Name);
      auto value = changed.find(std::string(name) + "." + info->Name);
      if (value == changed.end()) value = changed.find(info->Name);
      ASSERT_NE(value, changed.end()) << "a new property needs a changed value in the data file";
      SetPropText(*control, info->Name, value->second);
      EXPECT_EQ(GetPropText(*control, info->Name), value->second);
    }
  }
  TWinControl control;
  EXPECT_EQ(testing::ErrorOf([&] { SetPropText(control, "Align", "alMiddle"); }),
            "\"alMiddle\" is not a valid value of TWinControl.Align");
}

template <typename Value>
std::string ReadBack(const std::optional<Value>& value, std::string (*write)(const Value&)) {
  return value ? write(*value) : "error";
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
          return ReadBack<TFont>(TFontText::FromText(args[0]), &TFontText::ToText);
        }}});
}

TEST(PropertyText, FontSizeAndHeightAreOneValueAt96Dpi) {
  const int sizes[] = {6, 8, 9, 10, 11, 12, 14, 16, 20, 72};
  const int heights[] = {-8, -11, -12, -13, -15, -16, -19, -21, -27, -96};
  for (size_t i = 0; i < std::size(sizes); ++i) {
    TFont font;
    font.SetSize(sizes[i]);
    EXPECT_EQ(font.Height(), heights[i]) << sizes[i];
    font.SetHeight(heights[i]);
    EXPECT_EQ(font.Size(), sizes[i]) << heights[i];
  }
}

TEST(PropertyText, FontChangeFiresOncePerRealChange) {
  TFont font;
  int changes = 0;
  font.OnChange = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &changes};
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
