#include "ui/static_text.h"

#include <iterator>

namespace ruzi {
namespace {

constexpr uint32_t kNotify = 0x0100, kBorder = 0x00800000, kSunken = 0x1000;  // SS_NOTIFY, WS_BORDER, SS_SUNKEN

}  // namespace

const TPropertyTable* TStaticText::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TStaticText::BorderStyle, &TStaticText::SetBorderStyle>("BorderStyle")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 65, 17); }

void TStaticText::SetBorderStyle(TStaticBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  if (HandleAllocated()) {
    DestroyHandle();
    Handle();
  }
}

void TStaticText::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "STATIC";
  params.Style |= kNotify;
  if (border_style_ == TStaticBorderStyle::sbsSingle) params.Style |= kBorder;
  if (border_style_ == TStaticBorderStyle::sbsSunken) params.Style |= kSunken;
}

}  // namespace ruzi
