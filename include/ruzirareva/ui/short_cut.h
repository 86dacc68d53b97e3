#pragma once
// Keyboard shortcuts of menu items: a virtual key in the low byte, with the Shift, Ctrl and Alt
// flags above it. As text a shortcut reads "Shift+Ctrl+Alt+Key" (the flags it has, in that
// order) with the key's name ("S", "F5", "Del", "PgUp"...). Plain values: any thread.
#include <cstdint>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

using TShortCut = uint16_t;

inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// The shortcut of virtual key `key` with the given flags (scShift | scCtrl | scAlt).
constexpr TShortCut ShortCut(unsigned key, TShortCut flags = 0) {
  return static_cast<TShortCut>((key & 0xFF) | (flags & (scShift | scCtrl | scAlt)));
}

// "Ctrl+S"; "" for scNone and for a key that has no name.
RUZI_API std::string ShortCutToText(TShortCut short_cut);
// The shortcut a text names (flags and key names in any letter case, each flag once);
// scNone for "" and for any text that names no shortcut.
RUZI_API TShortCut TextToShortCut(std::string_view text);

}  // namespace ruzi
