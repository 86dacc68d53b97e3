#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "error_text.h"
#include "foundation/error.h"
#include "ui/form_zoom.h"
#include "zoom_test_form.h"

namespace ruzi {
namespace {

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
// the step are named after and before it. Columns count from 1, and the first column fails first.
TEST(FormZoomColumns, FailingValuesAreNamed) {
  using P = TColumnPart;
  const std::optional<P> none;
  const std::string grid = " 调用AdjustDBGridEHColumns时出现错误";
  const struct {
    const char* class_name;
    std::optional<P> any, set, grid_set;
    std::string named;
  } cases[] = {
      {"TDBGridEh", P::Width, none, none, "设置第 1 列宽度出错:boom" + grid},
      {"TDBGridEh", P::FontSize, none, none, "第 1列字体大小出错:boom" + grid},
      {"TDBGridEh", P::FontColor, none, none, "取字体颜色出错:boom" + grid},
      {"TDBGridEh", P::TitleFontColor, none, none, "取字体颜色出错:boom" + grid},
      {"TDBGridEh", P::TitleFontSize, none, none, "第 1 列标题字体大小出错:boom" + grid},
      {"TDBGridEh", P::FooterFontSize, none, none, "第 1 列表脚出错:boom" + grid},
      {"TDBGridEh", none, P::FontColor, none, "第 1列字体颜色出错:boom" + grid},
      {"TDBGridEh", none, P::TitleFontColor, none, "第 1 列标题栏字体颜色出错:boom" + grid},
      {"TDBGridEh", none, none, P::TitleFontSize, "设置标题字体大小出错:boom" + grid},
      {"TDBGridEh", none, none, P::FooterFontSize, "设置表脚字体大小出错:boom" + grid},
      {"TVirtualStringTree", P::Width, none, none, "boom 调用AdjustTVirtualStringTree时出现错误"},
  };
  for (const auto& failure : cases) {
    SCOPED_TRACE(failure.named);
    ColumnsModel columns = TwoColumns();
    columns.fail_part = failure.any;
    columns.fail_set = failure.set;
    columns.fail_grid = failure.grid_set;
    TestForm form({1280, 1024});
    form.Root().AddChild(std::make_unique<GridModel>(failure.class_name, &columns));
    TFormZoom zoom(form);
    testing::ExpectError([&] { zoom.ZoomFormInfo(); }, "窗体自适应调用AdjustControlsScale时出现错误" + failure.named);
  }
}

}  // namespace
}  // namespace ruzi
