// The form zoom on control models: the saved list, the class rules, ties to even, rate changes,
// when a zoom happens, frames, failing steps, menu items and the factor's answer; and random
// control trees zoomed through the saved list against a direct walk that applies each control's
// rule to the bounds and font it had before (any drift of the list index shows as a control off
// its expected place).
// The columns of grids and trees: each class scales its parts, and failing values are named.
#include "ui/form_zoom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "error_text.h"
#include "foundation/error.h"
#include "ui/control_model.h"
#include "ui_fixtures.h"
#include "vector_file.h"
#include "zoom_test_form.h"

namespace ruzi {
namespace {

constexpr TSize kDesignScreen{1024, 768};
constexpr TSize kLargeScreen{1280, 1024};

// The bounds of every control, depth first, as one comparable list.
void CollectBounds(const TControlModel& control, std::vector<TRect>& bounds, std::vector<int>& fonts) {
  bounds.push_back(control.BoundsRect());
  fonts.push_back(control.HasFont() ? control.FontSize() : -1);
  for (int child = 0; child < control.ControlCount(); ++child) CollectBounds(control.Child(child), bounds, fonts);
}

struct Layout {
  std::vector<TRect> bounds;
  std::vector<int> fonts;
  friend bool operator==(const Layout&, const Layout&) = default;
};

Layout LayoutOf(const TControlModel& root) {
  Layout layout;
  CollectBounds(root, layout.bounds, layout.fonts);
  return layout;
}

// A form with a panel holding an edit and a label, and a button on the form.
void AddTypicalControls(TControlModel& form) {
  TControlModel& panel = form.AddChild("TPanel", {8, 8, 408, 208});
  panel.SetFontSize(9);
  panel.AddChild("TEdit", {100, 20, 220, 41}).SetFontSize(10);
  TControlModel& label = panel.AddChild("TLabel", {10, 24, 90, 36});
  label.SetWindowed(false);
  label.SetFontSize(11);
  form.AddChild("TButton", {320, 230, 395, 255}).SetFontSize(12);
}

// The saved list: bounds, then the font size when the control has a font, parent before
// children, children in order, a label's font after the label's bounds.
TEST(FormZoom, SavedListKeepsBoundsAndFontsInTreeOrder) {
  TestForm form(kLargeScreen);
  AddTypicalControls(form.Root());
  TFormZoom zoom(form);
  std::vector<TZoomEntry> list;
  zoom.StoreControlsPostoList(form.Root(), list);
  const std::vector<TZoomEntry> expected{
      TRect{100, 50, 900, 650}, 9, TRect{8, 8, 408, 208},     9,  TRect{100, 20, 220, 41}, 10,
      TRect{10, 24, 90, 36},    11, TRect{320, 230, 395, 255}, 12};
  EXPECT_EQ(list, expected);
}

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

// Halves go to the even neighbour: 1.5 x 1 = 1.5 -> 2, 1.5 x 5 = 7.5 -> 8, 1.5 x 3 = 4.5 -> 4,
// 1.5 x 7 = 10.5 -> 10.
TEST(FormZoom, RoundsHalvesToEven) {
  TestForm form(kDesignScreen);
  TControlModel& control = form.Root().AddChild("TPanel", {1, 3, 5, 7});
  control.SetFontSize(5);
  TFormZoom zoom(form);
  zoom.SetFResolutionRate(150);
  EXPECT_EQ(control.BoundsRect(), (TRect{2, 4, 8, 10}));
  EXPECT_EQ(control.FontSize(), 8);
  const struct {
    double value;
    int rounded;
  } halves[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {1e12, INT_MAX}};
  for (const auto& half : halves) EXPECT_EQ(ZoomRound(half.value), half.rounded) << half.value;
}

// Rate 100 -> 125 scales by 1.25, back to 100 by 0.8: the layout returns to where it was when
// every value divides; the form is hidden while it changes, shown again and centred.
TEST(FormZoom, RateChangesScaleByTheRatioOfNewToOld) {
  TestForm form(kDesignScreen);
  TControlModel& edit = form.Root().AddChild("TEdit", {100, 60, 220, 80});
  edit.SetFontSize(8);
  form.visible = true;
  TFormZoom zoom(form);
  zoom.Fields().CentreOnOwner = true;
  const Layout designed = LayoutOf(form.Root());

  zoom.SetFResolutionRate(125);
  EXPECT_DOUBLE_EQ(zoom.Fields().ZoomFactor, 1.25);
  EXPECT_EQ(edit.BoundsRect(), (TRect{125, 75, 275, 100}));
  EXPECT_EQ(edit.FontSize(), 10);
  EXPECT_EQ(form.Root().BoundsRect(), (TRect{125, 62, 1125, 812}));
  EXPECT_FALSE(zoom.Fields().AutoResolution);
  EXPECT_EQ(form.journal, "hide;unscaled;owner-draw;show;centre;");

  zoom.SetFResolutionRate(100);
  EXPECT_DOUBLE_EQ(zoom.Fields().ZoomFactor, 0.8);
  EXPECT_EQ(edit.BoundsRect(), (TRect{100, 60, 220, 80}));
  EXPECT_EQ(edit.FontSize(), 8);
  EXPECT_EQ(LayoutOf(form.Root()), designed) << "62.5 went to 62, and 62 x 0.8 = 49.6 to 50";
}

// A rate equal to the last to four decimals, or no positive number, changes nothing at all.
TEST(FormZoom, EqualOrUnusableRatesDoNothing) {
  const double rates[] = {100.0, 100.00004, 99.99996, 0.0, -125.0, std::nan("")};
  for (double rate : rates) {
    SCOPED_TRACE(rate);
    TestForm form(kLargeScreen);
    AddTypicalControls(form.Root());
    form.visible = true;
    const Layout before = LayoutOf(form.Root());
    TFormZoom zoom(form);
    zoom.SetFResolutionRate(rate);
    EXPECT_EQ(LayoutOf(form.Root()), before);
    EXPECT_EQ(form.journal, "");
    EXPECT_DOUBLE_EQ(zoom.Fields().ResolutionRate, 100.0);
    EXPECT_DOUBLE_EQ(zoom.Fields().ZoomFactor, 100.0);
    EXPECT_TRUE(zoom.Fields().AutoResolution);
  }
}

// One edit at (100, 60, 200, 90) and what each way of starting, or not starting, a zoom does
// to it and to the form.
TEST(FormZoom, WhenAZoomHappens) {
  const TRect designed{100, 60, 200, 90}, zoomed{133, 80, 267, 120};
  const struct {
    const char* what;
    TSize monitor;
    TZoomStart start;
    void (*run)(TestForm&, TFormZoom&);
    TRect edit;
    const char* journal;
  } cases[] = {
      {"the designed screen: not even the platform scaling is touched", kDesignScreen, TZoomStart::AtFirstShow,
       [](TestForm&, TFormZoom& zoom) { zoom.FormShowing(); }, designed, ""},
      {"an MDI form stays shown", kDesignScreen, TZoomStart::OnRequest,
       [](TestForm& form, TFormZoom& zoom) {
         form.visible = form.mdi = true;
         zoom.SetFResolutionRate(125);
       },
       {125, 75, 250, 112}, "unscaled;owner-draw;show;"},
      {"a given screen size wins, once", kDesignScreen, TZoomStart::AtFirstShow,
       [](TestForm&, TFormZoom& zoom) {
         zoom.SetScreenSize(1280, 1024);
         zoom.FormShowing();
         zoom.FormShowing();
       },
       zoomed, "unscaled;owner-draw;"},
      {"on request: not when shown", kLargeScreen, TZoomStart::OnRequest, [](TestForm&, TFormZoom& zoom) { zoom.FormShowing(); }, designed, ""},
      {"disabled: the factor reset only", kLargeScreen, TZoomStart::OnRequest,
       [](TestForm&, TFormZoom& zoom) {
         zoom.Fields().ZoomEnabled = false;
         zoom.Fields().ZoomFactor = 1.5;
         zoom.ZoomFormInfo();
         EXPECT_DOUBLE_EQ(zoom.Fields().ZoomFactor, 100.0);
       },
       designed, ""},
      {"an uncomputed factor comes from the screen", kLargeScreen, TZoomStart::OnRequest,
       [](TestForm&, TFormZoom& zoom) {
         zoom.SetAutoResolution(false);
         zoom.ZoomFormInfo();
       },
       zoomed, "unscaled;owner-draw;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TestForm form(c.monitor);
    TControlModel& edit = form.Root().AddChild("TEdit", designed);
    TFormZoom zoom(form, c.start);
    c.run(form, zoom);
    EXPECT_EQ(edit.BoundsRect(), c.edit);
    EXPECT_EQ(form.journal, c.journal);
  }
}

// Controls inside a frame (a class derived from TFrame or TFrameHQ, at any depth) get their
// bounds only once the whole form is done; the frame itself and fonts are zoomed at once.
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
    TControlModel& nested = panel.AddChild("TLabel", {2, 2, 42, 14});
    nested.SetWindowed(false);
    nested.SetFontSize(10);
    TControlModel& splitter = frame.AddChild("TSplitter", {0, 60, 200, 63});
    std::vector<TRect> seen;
    form.Root().AddChild(std::make_unique<PlacementWatch>(TRect{20, 200, 60, 220}, &panel, &seen));
    TFormZoom zoom(form);
    zoom.SetFResolutionRate(150);
    EXPECT_EQ(seen, (std::vector<TRect>{{4, 4, 104, 44}})) << "placed before the rest of the form was done";
    EXPECT_EQ(frame.BoundsRect(), (TRect{15, 15, 315, 165}));
    EXPECT_EQ(panel.BoundsRect(), (TRect{6, 6, 156, 66}));
    EXPECT_EQ(nested.BoundsRect(), (TRect{3, 3, 63, 21})) << "no label allowance inside a frame";
    EXPECT_EQ(nested.FontSize(), 15);
    EXPECT_EQ(splitter.BoundsRect(), (TRect{0, 90, 300, 94})) << "a splitter inside a frame is scaled";
  }
}

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

// Each step's failure names the step; the lists are freed whatever happens.
TEST(FormZoom, FailingStepsAreNamedAndTheListsFreed) {
  FailingMenuItem bad_item;
  const struct {
    const char* what;
    std::string message;
  } cases[] = {
      {"bounds", "窗体自适应调用AdjustControlsScale时出现错误bounds refused"},
      {"menu", "窗体自适应调用AdjustMenuItem时出现错误no owner drawing"},
  };
  for (const auto& failure : cases) {
    SCOPED_TRACE(failure.what);
    TestForm form(kLargeScreen);
    AddTypicalControls(form.Root());
    const std::string what = failure.what;
    if (what == "menu") {
      form.menu_items.push_back(&bad_item);
    } else {
      form.Root().Child(0).AddChild(std::make_unique<FailingBounds>("TEdit", TRect{0, 0, 10, 10}));
    }
    TFormZoom zoom(form);
    testing::ExpectError([&] { zoom.ZoomFormInfo(); }, failure.message);
    EXPECT_TRUE(zoom.Fields().ControlList.empty());
    EXPECT_TRUE(zoom.Fields().MenuList.empty());
    EXPECT_TRUE(zoom.Fields().FrameList.empty());
  }
}

// Menu items measure through the zoom: width x factor + 30, height x factor.
class MeasuringItem : public IZoomMenuItem {
 public:
  void AttachZoomHandlers(const TFormZoom& zoom) override { zoom_ = &zoom; }
  const TFormZoom* zoom_ = nullptr;
};

TEST(FormZoom, MenuItemsMeasureThroughTheFactor) {
  TestForm form(kDesignScreen);
  MeasuringItem item;
  form.menu_items.push_back(&item);
  TFormZoom zoom(form);
  zoom.SetFResolutionRate(150);
  ASSERT_EQ(item.zoom_, &zoom);
  int width = 61, height = 19;
  zoom.MenuItemMeasureItem(width, height);
  EXPECT_EQ(width, 92 + 30);
  EXPECT_EQ(height, 28) << "28.5 goes to the even neighbour";
}

// The answer to "WM_GETRESRATE" is where the factor lives: it reads each later zoom's factor.
TEST(FormZoom, ResRateAnswerPointsAtTheLiveFactor) {
  TestForm form(kDesignScreen);
  TFormZoom zoom(form);
  TMessage message;
  zoom.WMGETRESRATE(message);
  const auto* factor = reinterpret_cast<const double*>(message.Result);
  ASSERT_NE(factor, nullptr);
  zoom.SetFResolutionRate(125);
  EXPECT_DOUBLE_EQ(*factor, 1.25);
  zoom.SetFResolutionRate(100);
  EXPECT_DOUBLE_EQ(*factor, 0.8);
}

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

// At 1.5: widths 64 -> 96 and 75 -> 112.5 -> 112, sizes 9 -> 13.5 -> 14, 10 -> 15, 11 -> 16.5 ->
// 16, the grid's 12 -> 18 and 5 -> 7.5 -> 8; the colours survive the new sizes. A tree scales
// its header widths and its title font only, other classes nothing.
TEST(FormZoomColumns, EachClassScalesItsParts) {
  const ColumnsModel before = TwoColumns();
  auto with = [](Values values, TColumnPart part, int value) {
    values[part] = value;
    return values;
  };
  const Values grid_first{{TColumnPart::Width, 96},         {TColumnPart::FontSize, 14},
                          {TColumnPart::FontColor, 0xFF},   {TColumnPart::TitleFontSize, 15},
                          {TColumnPart::TitleFontColor, 0x80}, {TColumnPart::FooterFontSize, 16}};
  const struct {
    const char* class_name;
    std::vector<Values> columns;
    Values grid;
  } cases[] = {
      {"TDBGridEh",
       {grid_first, with(with(grid_first, TColumnPart::Width, 112), TColumnPart::FontColor, 0xFF00)},
       {{TColumnPart::TitleFontSize, 18}, {TColumnPart::FooterFontSize, 8}}},
      {"TVirtualStringTree",
       {with(before.columns[0], TColumnPart::Width, 96), with(before.columns[1], TColumnPart::Width, 112)},
       {{TColumnPart::TitleFontSize, 18}, {TColumnPart::FooterFontSize, 5}}},
      {"TStringGrid", before.columns, before.grid},
  };
  for (const auto& c : cases) {
    ColumnsModel columns = TwoColumns();
    TestForm form({1024, 768});
    form.Root().AddChild(std::make_unique<GridModel>(c.class_name, &columns));
    TFormZoom zoom(form);
    zoom.SetFResolutionRate(150);
    EXPECT_EQ(columns.columns, c.columns) << c.class_name;
    EXPECT_EQ(columns.grid, c.grid) << c.class_name;
  }
}

// A failing value is named in front of its message; the grid's (or tree's) adjustment and then
// the step are named after and before it (tests/data/ui_zoom_column_failures.txt).
TEST(FormZoomColumns, FailingValuesAreNamed) {
  const auto part = [](const std::string& name) -> std::optional<TColumnPart> {
    const char* const names[] = {"Width", "FontSize", "FontColor", "TitleFontSize", "TitleFontColor", "FooterFontSize"};
    const auto found = std::find(std::begin(names), std::end(names), name);
    if (found == std::end(names)) return std::nullopt;
    return static_cast<TColumnPart>(found - std::begin(names));
  };
  testing::CheckAnswers("ui_zoom_column_failures.txt", {{"zoom", [&](const std::vector<std::string>& args) {
                          ColumnsModel columns = TwoColumns();
                          columns.fail_part = part(args.at(1));
                          columns.fail_set = part(args.at(2));
                          columns.fail_grid = part(args.at(3));
                          TestForm form({1280, 1024});
                          form.Root().AddChild(std::make_unique<GridModel>(args.at(0).c_str(), &columns));
                          TFormZoom zoom(form);
                          zoom.ZoomFormInfo();
                          return std::string("no failure");
                        }}});
}

}  // namespace
}  // namespace ruzi
