// Shortcut texts as a host hands them in (a menu item's published ShortCut): no crash; a text
// that names a shortcut names one whose own text reads back as the same shortcut.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/short_cut.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ruzi::TShortCut short_cut = ruzi::TextToShortCut(text);
  if (short_cut != ruzi::scNone && ruzi::TextToShortCut(ruzi::ShortCutToText(short_cut)) != short_cut) std::abort();
  return 0;
}
