// The form zoom on control models: a test form, the class rules, ties to even, rate changes
// (menu items and the factor's answer with them), when a zoom happens and failing steps, frames;
// random control trees zoomed through the saved list against a direct walk that applies each
// control's rule to the bounds and font it had before (any drift of the list index shows as a
// control off its expected place); the columns of grids and trees.
#include "ui/form_zoom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/error.h"
#include "ui/control_model.h"
#include "ui/zoom_control.h"
#include "ui_fixtures.h"
#include "vector_file.h"

namespace ruzi {
namespace {

// A form for the zoom tests on a monitor of a given size, holding a control model and noting
// what the zoom did to the form itself.
class TestForm : public IZoomForm {
 public:
  explicit TestForm(TSize monitor, TRect bounds = {100, 50, 900, 650})
      : monitor_(monitor), root_("TTestForm", bounds, {"TZoomForm", "TQXForm", "TForm"}) {
    root_.SetFontSize(9);
  }

  TControlModel& Root() { return root_; }
  IZoomControl& FormControl() override { return root_; }
  TSize MonitorSize() const override { return monitor_; }
  void SetScaled(bool scaled) override { journal += scaled ? "scaled;" : "unscaled;"; }
  std::vector<IZoomMenuItem*> OwnerDrawMenus() override {
    journal += "owner-draw;";
    return menu_items;
  }
  bool Visible() const override { return visible; }
  void SetVisible(bool shown) override {
    visible = shown;
    journal += shown ? "show;" : "hide;";
  }
  bool IsMdiForm() const override { return mdi; }
  void CentreOnOwner() override { journal += "centre;"; }

  std::string journal;
  bool visible = false;
  bool mdi = false;
  std::vector<IZoomMenuItem*> menu_items;

 private:
  TSize monitor_;
  TControlModel root_;
};

constexpr TSize kDesignScreen{1024, 768};
constexpr TSize kLargeScreen{1280, 1024};

// Class rules (tests/data/ui_zoom_class_rules.txt): labels, splitters, images and combos.
TEST(FormZoom, ClassRulesAdjustBoundsStretchAndItemHeight) {
  testing::CheckAnswers("ui_zoom_class_rules.txt", {{"zoom", [](const std::vector<std::string>& rule) {
                                                       TestForm form(kDesignScreen);
                                                       TControlModel& control = form.Root().AddChild(rule.at(0), {10, 20, 50, 32});
                                                       control.SetAlign(rule.at(1) == "1" ? TAlign::alClient : TAlign::alNone);
                                                       control.SetItemHeight(16);
                                                       control.SetStretch(rule.at(2) == "1");
                                                       TFormZoom zoom(form);
                                                       zoom.SetFResolutionRate(150);
                                                       return testing::RectText(control.BoundsRect()) + " " + testing::Num(control.Stretch()) +
                                                              " " + std::to_string(control.ItemHeight());
                                                     }}});
}

// Halves go to the even neighbour, beyond the range to its end.
TEST(FormZoom, RoundsHalvesToEven) {
  const std::pair<double, int> halves[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {-0.5, 0},
                                           {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {1e12, INT_MAX}};
  for (const auto& [value, rounded] : halves) EXPECT_EQ(ZoomRound(value), rounded) << value;
}

// Menu items measure through the zoom: width x factor + 30, height x factor.
class MeasuringItem : public IZoomMenuItem {
 public:
  void AttachZoomHandlers(const TFormZoom& zoom) override { zoom_ = &zoom; }
  const TFormZoom* zoom_ = nullptr;
};

// A control and a menu item that fail.
class FailingBounds : public TControlModel {
 public:
  using TControlModel::TControlModel;
  void SetBounds(int, int, int, int) override { throw Error("bounds refused"); }
};

class FailingMenuItem : public IZoomMenuItem {
 public:
  void AttachZoomHandlers(const TFormZoom&) override { throw Error("no owner drawing"); }
};

// One edit at (100, 60, 200, 90) in font size 8 and a menu item: what each way of starting, or
// not starting, a zoom does to them, to the form and to the factor the answer to WM_GETRESRATE
// points at; which step failed (tests/data/zoom_starts.txt).
TEST(FormZoom, WhenAZoomHappensWhatItScalesAndWhichStepFailed) {
  testing::CheckAnswers("zoom_starts.txt", {{"zoom", [](const std::vector<std::string>& args) {
                          TestForm form(args.at(0) == "1280x1024" ? kLargeScreen : kDesignScreen);
                          TControlModel& edit = form.Root().AddChild("TEdit", {100, 60, 200, 90});
                          edit.SetFontSize(8);
                          MeasuringItem item;
                          form.menu_items.push_back(&item);
                          TFormZoom zoom(form, args.at(1) == "first-show" ? TZoomStart::AtFirstShow : TZoomStart::OnRequest);
                          TMessage message;
                          zoom.WMGETRESRATE(message);
                          FailingMenuItem bad_item;
                          struct ListsFreed {  // whatever happens
                            const TZoomFields& fields;
                            ~ListsFreed() { EXPECT_TRUE(fields.ControlList.empty() && fields.MenuList.empty() && fields.FrameList.empty()); }
                          } const lists_freed{zoom.Fields()};
                          const std::map<std::string, std::function<void()>> steps{
                              {"show", [&] { zoom.FormShowing(); }},
                              {"visible", [&] { form.visible = true; }},
                              {"mdi", [&] { form.visible = form.mdi = true; }},
                              {"screen1280x1024", [&] { zoom.SetScreenSize(1280, 1024); }},
                              {"disable", [&] { zoom.Fields().ZoomEnabled = false; }},
                              {"factor1.5", [&] { zoom.Fields().ZoomFactor = 1.5; }},
                              {"manual", [&] { zoom.SetAutoResolution(false); }},
                              {"centre", [&] { zoom.Fields().CentreOnOwner = true; }},
                              {"failing-bounds", [&] { edit.AddChild(std::make_unique<FailingBounds>("TEdit", TRect{0, 0, 10, 10})); }},
                              {"failing-menu", [&] { form.menu_items.push_back(&bad_item); }},
                              {"zoom", [&] { zoom.ZoomFormInfo(); }}};
                          std::istringstream script(args.at(2));
                          for (std::string step; script >> step;) {
                            if (step.rfind("rate", 0) == 0) {
                              zoom.SetFResolutionRate(std::stod(step.substr(4)));
                            } else {
                              steps.at(step)();
                            }
                          }
                          int width = 61, height = 19;
                          zoom.MenuItemMeasureItem(width, height);
                          const std::string menu = item.zoom_ == &zoom ? std::to_string(width) + "," + std::to_string(height) : "-";
                          return testing::RectText(edit.BoundsRect()) + " " + std::to_string(edit.FontSize()) + " " +
                                 testing::RectText(form.Root().BoundsRect()) + " " +
                                 testing::Num(*reinterpret_cast<const double*>(message.Result)) + " " + menu + " " +
                                 (form.journal.empty() ? "-" : form.journal);
                        }}});
}

// Controls inside a frame (a class derived from TFrame or TFrameHQ, at any depth) get their
// bounds only once the whole form is done (the bounds they get: the random trees below).
// Records the bounds `watched` has when this control is placed.
class PlacementWatch : public TControlModel {
 public:
  PlacementWatch(TRect bounds, const TControlModel* watched, std::vector<TRect>* seen)
      : TControlModel("TEdit", bounds), watched_(watched), seen_(seen) {}
  void SetBounds(int left, int top, int width, int height) override {
    TControlModel::SetBounds(left, top, width, height);
    seen_->push_back(watched_->BoundsRect());
  }

 private:
  const TControlModel* watched_;
  std::vector<TRect>* seen_;
};

TEST(FormZoom, ControlsInsideFramesGetTheirBoundsAtTheEnd) {
  for (const char* frame_base : {"TFrame", "TFrameHQ"}) {
    SCOPED_TRACE(frame_base);
    TestForm form(kDesignScreen);
    TControlModel& frame = form.Root().AddChild("TfmFund", {10, 10, 210, 110}, {"TfmBase", frame_base});
    TControlModel& panel = frame.AddChild("TPanel", {4, 4, 104, 44});
    std::vector<TRect> seen;
    form.Root().AddChild(std::make_unique<PlacementWatch>(TRect{20, 200, 60, 220}, &panel, &seen));
    TFormZoom zoom(form);
    zoom.SetFResolutionRate(150);
    EXPECT_EQ(seen, (std::vector<TRect>{{4, 4, 104, 44}})) << "placed before the rest of the form was done";
    EXPECT_EQ(frame.BoundsRect(), (TRect{15, 15, 315, 165}));
    EXPECT_EQ(panel.BoundsRect(), (TRect{6, 6, 156, 66}));
  }
}

const char* const kClasses[] = {"TPanel", "TEdit", "TLabel", "TSplitter", "TImage", "TGroupBox", "TfmFund"};

void Grow(TControlModel& parent, std::mt19937& random, int depth) {
  const int children = static_cast<int>(random() % 5);
  for (int index = 0; index < children; ++index) {
    const std::string class_name = kClasses[random() % std::size(kClasses)];
    const int left = static_cast<int>(random() % 900), top = static_cast<int>(random() % 600);
    const TRect bounds{left, top, left + static_cast<int>(random() % 300), top + static_cast<int>(random() % 200)};
    const std::vector<std::string> frame{random() % 2 ? "TFrame" : "TFrameHQ"};
    TControlModel& child = parent.AddChild(class_name, bounds, class_name == "TfmFund" ? frame : std::vector<std::string>{});
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
  const bool children_in_frame = in_frame || control.InheritsFromClass("TFrame") || control.InheritsFromClass("TFrameHQ");
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

using Values = std::map<TColumnPart, int>;

// Columns as plain values. Like a real column, a new font size drops the font colour it was
// given; `fail_part` makes every read or write of one part fail, `fail_set` every write of a
// column's part and `fail_grid` every write of the grid's.
class ColumnsModel : public IZoomColumns {
 public:
  int ColumnCount() const override { return static_cast<int>(columns.size()); }
  int ColumnValue(int column, TColumnPart part) const override {
    Touch(part);
    return columns.at(static_cast<size_t>(column)).at(part);
  }
  void SetColumnValue(int column, TColumnPart part, int value) override {
    Touch(part);
    if (fail_set == part) throw Error("boom");
    Values& values = columns.at(static_cast<size_t>(column));
    values[part] = value;
    if (part == TColumnPart::FontSize) values[TColumnPart::FontColor] = 0;
    if (part == TColumnPart::TitleFontSize) values[TColumnPart::TitleFontColor] = 0;
  }
  int GridValue(TColumnPart part) const override {
    Touch(part);
    return grid.at(part);
  }
  void SetGridValue(TColumnPart part, int value) override {
    Touch(part);
    if (fail_grid == part) throw Error("boom");
    grid[part] = value;
  }

  std::vector<Values> columns;
  Values grid;
  std::optional<TColumnPart> fail_part, fail_set, fail_grid;

 private:
  void Touch(TColumnPart part) const {
    if (fail_part == part) throw Error("boom");
  }
};

class GridModel : public TControlModel {
 public:
  GridModel(const char* class_name, ColumnsModel* columns) : TControlModel(class_name, {8, 8, 408, 208}), columns_(columns) {}
  IZoomColumns* Columns() override { return columns_; }

 private:
  ColumnsModel* columns_;
};

ColumnsModel TwoColumns() {
  ColumnsModel model;
  const Values first{{TColumnPart::Width, 64},         {TColumnPart::FontSize, 9},
                     {TColumnPart::FontColor, 0xFF},   {TColumnPart::TitleFontSize, 10},
                     {TColumnPart::TitleFontColor, 0x80}, {TColumnPart::FooterFontSize, 11}};
  Values second = first;
  second[TColumnPart::Width] = 75;
  second[TColumnPart::FontColor] = 0xFF00;
  model.columns = {first, second};
  model.grid = {{TColumnPart::TitleFontSize, 12}, {TColumnPart::FooterFontSize, 5}};
  return model;
}

// Zoomed from rate 100 to 150 (tests/data/ui_zoom_column_failures.txt): each class scales its
// parts, the colours surviving the new sizes; a failing value is named in front of its message,
// the grid's (or tree's) adjustment and then the step after and before it.
TEST(FormZoomColumns, EachClassScalesItsPartsAndFailingValuesAreNamed) {
  const auto part = [](const std::string& name) -> std::optional<TColumnPart> {
    const char* const names[] = {"Width", "FontSize", "FontColor", "TitleFontSize", "TitleFontColor", "FooterFontSize"};
    const auto found = std::find(std::begin(names), std::end(names), name);
    if (found == std::end(names)) return std::nullopt;
    return static_cast<TColumnPart>(found - std::begin(names));
  };
  const auto text = [](const Values& values) {
    std::string joined;
    for (const auto& value : values) joined += (joined.empty() ? "" : ",") + std::to_string(value.second);
    return joined;
  };
  testing::CheckAnswers("ui_zoom_column_failures.txt", {{"zoom", [&](const std::vector<std::string>& args) {
                          ColumnsModel columns = TwoColumns();
                          columns.fail_part = part(args.at(1));
                          columns.fail_set = part(args.at(2));
                          columns.fail_grid = part(args.at(3));
                          TestForm form(kDesignScreen);
                          form.Root().AddChild(std::make_unique<GridModel>(args.at(0).c_str(), &columns));
                          TFormZoom zoom(form);
                          zoom.SetFResolutionRate(150);
                          return text(columns.columns.at(0)) + " " + text(columns.columns.at(1)) + " " + text(columns.grid);
                        }}});
}

}  // namespace
}  // namespace ruzi
