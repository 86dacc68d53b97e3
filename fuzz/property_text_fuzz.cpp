// Property texts as a host hands them in (a property name, a NUL, a value): no crash; either
// the set is refused with ruzi::Error, or the text read back sets the same value again and
// reads back unchanged.
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#include "foundation/component.h"
#include "foundation/error.h"
#include "foundation/property_access.h"
#include "ui/align.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// One published property of every kind.
class TFuzzControl : public ruzi::TComponent {
  RUZI_CLASS_RECORD_PUBLISHED(TFuzzControl, ruzi::TComponent::ClassRecord())

 public:
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  int16_t Width() const { return width_; }
  void SetWidth(int16_t width) { width_ = width; }
  uint32_t Color() const { return color_; }
  void SetColor(uint32_t color) { color_ = color; }
  ruzi::TAlign Align() const { return align_; }
  void SetAlign(ruzi::TAlign align) { align_ = align; }
  double Ratio() const { return ratio_; }
  void SetRatio(double ratio) { ratio_ = ratio; }

 private:
  bool visible_ = true;
  int16_t width_ = 0;
  uint32_t color_ = 0;
  ruzi::TAlign align_ = ruzi::TAlign::alNone;
  double ratio_ = 0;
};

const ruzi::TPropertyTable* TFuzzControl::PublishedTable() {
  using ruzi::Published;
  static const ruzi::TPropertyInfo properties[] = {
      Published<&TFuzzControl::Visible, &TFuzzControl::SetVisible>("Visible"),
      Published<&TFuzzControl::Width, &TFuzzControl::SetWidth>("Width"),
      Published<&TFuzzControl::Color, &TFuzzControl::SetColor>("Color"),
      Published<&TFuzzControl::Align, &TFuzzControl::SetAlign>("Align"),
      Published<&TFuzzControl::Ratio, &TFuzzControl::SetRatio>("Ratio")};
  static const ruzi::TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find('\0');
  const std::string_view name = input.substr(0, split);
  const std::string_view text = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
  TFuzzControl control;
  try {
    ruzi::SetPropText(control, name, text);
  } catch (const ruzi::Error&) {
    return 0;
  }
  const std::string read = ruzi::GetPropText(control, name);
  ruzi::SetPropText(control, name, read);
  Check(ruzi::GetPropText(control, name) == read);
  return 0;
}
