#include "ui/page_guide.h"

#include <iterator>

namespace ruzi {

std::string TPageGuideColorsText::ToText(const TPageGuideColors& colors) {
  return ColorToString(colors.Default) + "," + ColorToString(colors.Active) + "," + ColorToString(colors.Over) + "," +
         ColorToString(colors.Down);
}

std::optional<TPageGuideColors> TPageGuideColorsText::FromText(std::string_view text) {
  TPageGuideColors colors;
  TColor* const parts[] = {&colors.Default, &colors.Active, &colors.Over, &colors.Down};
  size_t start = 0;
  for (size_t index = 0; index < std::size(parts); ++index) {
    const size_t comma = text.find(',', start);
    const bool last = index + 1 == std::size(parts);
    if (last != (comma == std::string_view::npos)) return std::nullopt;  // exactly four colours
    auto color = StringToColor(text.substr(start, last ? std::string_view::npos : comma - start));
    if (!color) return std::nullopt;
    *parts[index] = *color;
    start = comma + 1;
  }
  return colors;
}

const TPropertyTable* TPageGuide::PublishedTable() {
  static const TPropertyInfo properties[] = {
      PublishedAs<TPageGuideColorsText, &TPageGuide::ButtonColors, &TPageGuide::SetButtonColors>("ButtonColors"),
      PublishedAs<TPageGuideColorsText, &TPageGuide::NumberColors, &TPageGuide::SetNumberColors>("NumberColors"),
      PublishedAs<TPageGuideColorsText, &TPageGuide::SizeColors, &TPageGuide::SetSizeColors>("SizeColors")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TPageGuide::TPageGuide(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 400, 24);
  SetParentColor(false);
}

void TPageGuide::Change(TPageGuideColors& part, const TPageGuideColors& colors) {
  if (part == colors) return;
  part = colors;
  Invalidate();
}

}  // namespace ruzi
