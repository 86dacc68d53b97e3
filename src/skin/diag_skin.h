#pragma once
// The diagnostic skin (face_diag.dll): every answer derived from its own key, so a test can
// tell by the value alone which key a caller asked for. The generator builds the skin from
// these functions and the tests compute their expectations with the same ones.
// Pure functions: any thread may call them.
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/skin_description.h"

namespace ruzi::skin {

// An explicit colour 0x00BBGGRR, never a system colour, different for each key.
uint32_t DiagColour(SkinFamily family, std::string_view element, std::string_view attribute);
bool DiagFlag(SkinFamily family, std::string_view element, std::string_view attribute);
// "diag" for the root's facetype; otherwise a text made of the key's hash.
std::string DiagText(SkinFamily family, std::string_view element, std::string_view attribute);

// Each diagnostic image is one flat colour, of a size, both derived from its name.
struct DiagImageLook {
  int width;
  int height;
  uint8_t red, green, blue, alpha;  // straight, not premultiplied
};
DiagImageLook DiagImage(std::string_view name);

}  // namespace ruzi::skin
