#include "ui/font.h"

#include <cmath>
#include <iterator>


namespace ruzi {
namespace {

// The client's forms are designed in 9-point 宋体.
constexpr const char* kDefaultName = "宋体";
constexpr int kDefaultSize = 9;

int PointsToHeight(int points) {
  return -static_cast<int>(std::lround(points * double{kScreenPixelsPerInch} / 72));
}

int HeightToPoints(int height) {
  return static_cast<int>(std::lround(-height * 72.0 / kScreenPixelsPerInch));
}

}  // namespace

const TPropertyTable* TFont::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TFont::Charset, &TFont::SetCharset>("Charset"),
      PublishedAs<TColorText, &TFont::Color, &TFont::SetColor>("Color"),
      Published<&TFont::Height, &TFont::SetHeight>("Height"),
      Published<&TFont::Name, &TFont::SetName>("Name"),
      Published<&TFont::Size, &TFont::SetSize>("Size"),
      Published<&TFont::Style, &TFont::SetStyle>("Style")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TFont::TFont() : name_(kDefaultName), height_(PointsToHeight(kDefaultSize)) {}

TFont::TFont(const TFont& other)
    : TPersistent(other),
      name_(other.name_),
      height_(other.height_),
      color_(other.color_),
      style_(other.style_),
      charset_(other.charset_) {}

TFont& TFont::operator=(const TFont& other) {
  Assign(const_cast<TFont*>(&other));
  return *this;
}

TFont::~TFont() { DeleteHandle(handle_); }

void TFont::SetName(const std::string& name) {
  if (name == name_ || name.empty()) return;
  name_ = name;
  Changed();
}

int TFont::Size() const { return HeightToPoints(height_); }

void TFont::SetSize(int points) { SetHeight(PointsToHeight(points)); }

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  // The colour is no part of the GDI font: the handle stays.
  OnChange(this);
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::Assign(TPersistent* source) {
  auto* font = dynamic_cast<TFont*>(source);
  if (font == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (font == this || SameAs(*font)) return;
  name_ = font->name_;
  height_ = font->height_;
  color_ = font->color_;
  style_ = font->style_;
  charset_ = font->charset_;
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ && style_ == other.style_ &&
         charset_ == other.charset_;
}

void TFont::Changed() {
  // The old handle may be selected into a DC: those who hold it let it go in OnChange first.
  HFONT__* old = handle_;
  handle_ = nullptr;
  OnChange(this);
  DeleteHandle(old);
}

std::string TFontText::ToText(const TFont& font) {
  return font.Name() + "," + std::to_string(font.Size()) + "," + ColorToString(font.Color()) + "," +
         SetPropertyText(font.Style().Bits, TEnumNames<TFontStyle>::Names.data(), TEnumNames<TFontStyle>::Names.size());
}

std::optional<TFont> TFontText::FromText(std::string_view text) {
  // The style set holds commas of its own: it is everything after the third comma.
  size_t commas[3];
  size_t from = 0;
  for (size_t& comma : commas) {
    comma = text.find(',', from);
    if (comma == std::string_view::npos) return std::nullopt;
    from = comma + 1;
  }
  const std::string_view name = text.substr(0, commas[0]);
  auto size = IntegerPropertyValue(text.substr(commas[0] + 1, commas[1] - commas[0] - 1));
  auto color = StringToColor(text.substr(commas[1] + 1, commas[2] - commas[1] - 1));
  auto style = TPropertyText<TFontStyles>::FromText(text.substr(commas[2] + 1));
  if (name.empty() || !size || *size <= 0 || *size > 1000 || !color || !style) return std::nullopt;
  TFont font;
  font.SetName(std::string(name));
  font.SetSize(static_cast<int>(*size));
  font.SetColor(*color);
  font.SetStyle(*style);
  return font;
}

}  // namespace ruzi
