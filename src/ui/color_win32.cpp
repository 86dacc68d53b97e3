#include <windows.h>

#include "ui/color.h"

namespace ruzi {

uint32_t ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(color & 0xFF);
  return static_cast<uint32_t>(color) & 0xFFFFFF;
}

}  // namespace ruzi
