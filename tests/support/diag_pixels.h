#pragma once
// What the diagnostic skin's pictures decode to, for the tests that read them: each is one flat
// colour derived from its name (skin/diag_skin.h), as premultiplied BGRA.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "skin/diag_skin.h"

namespace ruzi::testing {

// The look's pixel as BGRA, premultiplied; opaque unless `alpha_kept`.
inline std::array<int, 4> DiagPixel(const skin::DiagImageLook& look, bool alpha_kept = true) {
  const int alpha = alpha_kept ? look.alpha : 0xFF;
  const auto scale = [alpha](int channel) { return (channel * alpha + 127) / 255; };
  return {scale(look.blue), scale(look.green), scale(look.red), alpha};
}

// Every byte of the pixel at `bgra` within `tolerance` of `want` (JPEG loses a little).
inline bool NearPixel(const uint8_t* bgra, const std::array<int, 4>& want, int tolerance = 0) {
  for (int i = 0; i < 4; ++i) {
    if (std::abs(bgra[i] - want[i]) > tolerance) return false;
  }
  return true;
}

// The bytes of a file, empty when it cannot be read.
inline std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

}  // namespace ruzi::testing
