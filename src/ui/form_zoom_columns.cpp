// The zoom of grid and tree columns. Each value is set on its own, and a failure names the
// value (and the column, counted from 1) in front of the underlying message.
#include <exception>
#include <functional>
#include <string>

#include "foundation/error.h"
#include "ui/form_zoom.h"

namespace ruzi {
namespace {

void Named(const std::string& text, const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& error) {
    throw Error(text + error.what());
  }
}

std::string ColumnText(int column, const char* text) { return "第 " + std::to_string(column + 1) + text; }

}  // namespace

void TFormZoom::AdjustDBGridEHColumns(IZoomColumns& grid) const {
  const double horizontal = fields_.HorizontalFactor;
  const double font = fields_.FontFactor;
  for (int column = 0; column < grid.ColumnCount(); ++column) {
    int font_color = 0, title_color = 0;
    // A new font size may reset the colour a column was given: both are put back afterwards.
    Named("取字体颜色出错:", [&] {
      font_color = grid.ColumnValue(column, TColumnPart::FontColor);
      title_color = grid.ColumnValue(column, TColumnPart::TitleFontColor);
    });
    const auto scale = [&](TColumnPart part, double factor) {
      grid.SetColumnValue(column, part, ZoomRound(grid.ColumnValue(column, part) * factor));
    };
    Named("设置第 " + std::to_string(column + 1) + " 列宽度出错:", [&] { scale(TColumnPart::Width, horizontal); });
    Named(ColumnText(column, "列字体大小出错:"), [&] { scale(TColumnPart::FontSize, font); });
    Named(ColumnText(column, "列字体颜色出错:"),
          [&] { grid.SetColumnValue(column, TColumnPart::FontColor, font_color); });
    Named(ColumnText(column, " 列标题字体大小出错:"), [&] { scale(TColumnPart::TitleFontSize, font); });
    Named(ColumnText(column, " 列标题栏字体颜色出错:"),
          [&] { grid.SetColumnValue(column, TColumnPart::TitleFontColor, title_color); });
    Named(ColumnText(column, " 列表脚出错:"), [&] { scale(TColumnPart::FooterFontSize, font); });
  }
  const auto scale_grid = [&](TColumnPart part) { grid.SetGridValue(part, ZoomRound(grid.GridValue(part) * font)); };
  Named("设置标题字体大小出错:", [&] { scale_grid(TColumnPart::TitleFontSize); });
  Named("设置表脚字体大小出错:", [&] { scale_grid(TColumnPart::FooterFontSize); });
}

void TFormZoom::AdjustTVirtualStringTree(IZoomColumns& tree) const {
  for (int column = 0; column < tree.ColumnCount(); ++column) {
    tree.SetColumnValue(column, TColumnPart::Width,
                        ZoomRound(tree.ColumnValue(column, TColumnPart::Width) * fields_.HorizontalFactor));
  }
  tree.SetGridValue(TColumnPart::TitleFontSize, ZoomRound(tree.GridValue(TColumnPart::TitleFontSize) * fields_.FontFactor));
}

}  // namespace ruzi
