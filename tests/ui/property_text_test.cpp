// Texts of the value kinds controls publish (colours, anchor sets, whole fonts), read back the
// way they are written.
#include <gtest/gtest.h>

#include "ui/align.h"
#include "ui/color.h"
#include "ui/font.h"
#include "vector_file.h"

namespace ruzi {
namespace {

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
