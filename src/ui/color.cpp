#include "ui/color.h"

#include <cstdio>
#include <iterator>

#include "platform/ascii_case.h"

namespace ruzi {
namespace {

struct NamedColor {
  TColor Color;
  const char* Name;
};

constexpr NamedColor kNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
};

}  // namespace

std::string ColorToString(TColor color) {
  for (const NamedColor& named : kNames) {
    if (named.Color == color) return named.Name;
  }
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", static_cast<uint32_t>(color));
  return text;
}

std::optional<TColor> StringToColor(std::string_view text) {
  for (const NamedColor& named : kNames) {
    if (AsciiEqualIgnoreCase(text, named.Name)) return named.Color;
  }
  auto value = IntegerPropertyValue(text);
  // Colours are 32-bit words: "$80000005" and -2147483643 name the same colour.
  if (!value || *value < INT32_MIN || *value > UINT32_MAX) return std::nullopt;
  return static_cast<TColor>(static_cast<uint32_t>(*value));
}

}  // namespace ruzi
