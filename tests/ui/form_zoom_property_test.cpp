// Random control trees zoomed through the saved list against a direct walk that applies each
// control's rule to the bounds and font it had before: any drift of the list index (a font
// read for the wrong control, a skipped entry) shows as a control off its expected place.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "ui/control_model.h"
#include "ui/form_zoom.h"
#include "zoom_test_form.h"

namespace ruzi {
namespace {

const char* const kClasses[] = {"TPanel", "TEdit", "TLabel", "TSplitter", "TImage", "TGroupBox", "TfmFund"};

void Grow(TControlModel& parent, std::mt19937& random, int depth) {
  const int children = static_cast<int>(random() % 5);
  for (int index = 0; index < children; ++index) {
    const std::string class_name = kClasses[random() % std::size(kClasses)];
    const int left = static_cast<int>(random() % 900), top = static_cast<int>(random() % 600);
    const TRect bounds{left, top, left + static_cast<int>(random() % 300), top + static_cast<int>(random() % 200)};
    TControlModel& child =
        parent.AddChild(class_name, bounds, class_name == "TfmFund" ? std::vector<std::string>{"TFrame"} : std::vector<std::string>{});
    if (random() % 4 == 0) child.SetAlign(TAlign::alClient);
    if (random() % 3 != 0) child.SetFontSize(6 + static_cast<int>(random() % 20));
    const bool graphic = class_name == "TLabel" || class_name == "TSplitter" || class_name == "TImage";
    child.SetWindowed(!graphic);
    if (!graphic && depth < 4) Grow(child, random, depth + 1);
  }
}

struct Expected {
  const TControlModel* control;
  TRect bounds;
  int font;
};

int Nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

// What each control should end with, from the tree as it stands before the zoom.
void Expect(const TControlModel& control, double factor, bool in_frame, std::vector<Expected>& out) {
  const TRect before = control.BoundsRect();
  TRect after = before;
  const std::string name = control.ClassName();
  if (control.Align() != TAlign::alClient && (in_frame || name != "TSplitter")) {
    after = TRect{Nearest(before.Left * factor), Nearest(before.Top * factor), Nearest(before.Right * factor),
                  Nearest(before.Bottom * factor)};
    if (!in_frame && name == "TLabel") {
      after.Right += 3;
      after.Bottom += 5;
    }
  }
  out.push_back({&control, after, control.HasFont() ? Nearest(control.FontSize() * factor) : -1});
  const bool children_in_frame = in_frame || control.InheritsFromClass("TFrame");
  for (int child = 0; child < control.ControlCount(); ++child) {
    Expect(static_cast<const TControlModel&>(*control.Controls(child)), factor, children_in_frame, out);
  }
}

TEST(FormZoomProperty, RandomTreesMatchADirectWalk) {
  const struct {
    TSize monitor;
    double rate;  // 0: zoom for the monitor
    double factor;
  } settings[] = {{{1280, 1024}, 0, 1024.0 / 768}, {{1600, 900}, 0, 1600.0 / 1024}, {{800, 600}, 0, 800.0 / 1024},
                  {{1024, 768}, 137.5, 1.375},    {{1024, 768}, 80, 0.8}};
  int controls = 0;
  for (uint32_t seed = 1; seed <= 150; ++seed) {
    for (const auto& setting : settings) {
      std::mt19937 random(seed);
      TestForm form(setting.monitor);
      form.Root().SetFontSize(9);
      Grow(form.Root(), random, 0);
      std::vector<Expected> expected;
      Expect(form.Root(), setting.factor, false, expected);
      TFormZoom zoom(form);
      if (setting.rate == 0) {
        zoom.ZoomFormInfo();
      } else {
        zoom.SetFResolutionRate(setting.rate);
      }
      // A screen zooms by the larger of its two ratios to 1024 x 768, every factor alike.
      const TZoomFields& fields = zoom.Fields();
      for (double factor : {fields.ZoomFactor, fields.HorizontalFactor, fields.VerticalFactor, fields.FontFactor}) {
        ASSERT_DOUBLE_EQ(factor, setting.factor) << "seed " << seed;
      }
      ASSERT_TRUE(fields.ControlList.empty()) << "the lists live for one zoom only";
      for (const Expected& control : expected) {
        ASSERT_EQ(control.control->BoundsRect(), control.bounds) << "seed " << seed << ", " << control.control->ClassName();
        ASSERT_EQ(control.control->HasFont() ? control.control->FontSize() : -1, control.font) << "seed " << seed;
      }
      controls += static_cast<int>(expected.size());
    }
  }
  EXPECT_GT(controls, 2000);
}

}  // namespace
}  // namespace ruzi
