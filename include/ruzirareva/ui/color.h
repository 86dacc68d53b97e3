#pragma once
// Colours as controls keep them: 0x00BBGGRR for a colour of its own, 0x80000000 + a system
// colour index (COLOR_BTNFACE...) for a colour the system theme decides, and two markers
// (clNone, clDefault). Published as "clRed"/"clBtnFace" where the colour has a name, else as
// "$00BBGGRR". Pure functions: any thread.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/published_property.h"

namespace ruzi {

using TColor = int32_t;

inline constexpr TColor kSystemColorBase = static_cast<TColor>(0x80000000u);
constexpr TColor SystemColor(int index) { return kSystemColorBase | index; }

inline constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                        clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                        clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                        clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;
inline constexpr TColor clScrollBar = SystemColor(0), clBackground = SystemColor(1),
                        clActiveCaption = SystemColor(2), clInactiveCaption = SystemColor(3),
                        clMenu = SystemColor(4), clWindow = SystemColor(5), clWindowFrame = SystemColor(6),
                        clMenuText = SystemColor(7), clWindowText = SystemColor(8), clCaptionText = SystemColor(9),
                        clActiveBorder = SystemColor(10), clInactiveBorder = SystemColor(11),
                        clAppWorkSpace = SystemColor(12), clHighlight = SystemColor(13),
                        clHighlightText = SystemColor(14), clBtnFace = SystemColor(15),
                        clBtnShadow = SystemColor(16), clGrayText = SystemColor(17), clBtnText = SystemColor(18),
                        clInactiveCaptionText = SystemColor(19), clBtnHighlight = SystemColor(20),
                        cl3DDkShadow = SystemColor(21), cl3DLight = SystemColor(22), clInfoText = SystemColor(23),
                        clInfoBk = SystemColor(24);

constexpr bool IsSystemColor(TColor color) { return (color & kSystemColorBase) != 0; }

RUZI_API std::string ColorToString(TColor color);
// A colour name (letter case ignored) or an integer text; nullopt for anything else.
RUZI_API std::optional<TColor> StringToColor(std::string_view text);

// The RGB value Windows draws a colour with: system colours through GetSysColor (Windows only).
RUZI_API uint32_t ColorToRGB(TColor color);

// How a published colour property is written and read (PublishedAs).
struct TColorText {
  static constexpr TTypeKind Kind = TTypeKind::tkInteger;
  static constexpr const char* const* ValueNames() { return nullptr; }
  static constexpr size_t ValueCount() { return 0; }
  static std::string ToText(TColor color) { return ColorToString(color); }
  static std::optional<TColor> FromText(std::string_view text) { return StringToColor(text); }
};

}  // namespace ruzi
