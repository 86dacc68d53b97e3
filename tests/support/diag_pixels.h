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
#include "skin/skin_manifest.h"

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

// The first manifest image of that alpha ("" when none).
inline std::string DiagImageWithAlpha(uint8_t alpha) {
  for (const skin::ManifestEntry& entry : skin::LibraryManifest()) {
    if (entry.kind == skin::ManifestEntry::Kind::kImage && skin::DiagImage(entry.attribute).alpha == alpha) return entry.attribute;
  }
  return {};
}

// 0xRRGGBB of a look drawn over `background` (0xRRGGBB): the premultiplied pixel plus what its
// alpha leaves of the background.
inline uint32_t BlendedOver(const skin::DiagImageLook& look, uint32_t background) {
  const std::array<int, 4> bgra = DiagPixel(look);
  uint32_t rgb = 0;
  for (int i = 0; i < 3; ++i) rgb |= (bgra[i] + ((background >> 8 * i) & 0xFF) * (255 - look.alpha) / 255) << 8 * i;
  return rgb;
}

// Each channel of two 0xRRGGBB colours within one step (AlphaBlend rounds its own way).
inline bool NearColour(uint32_t got, uint32_t want) {
  const uint8_t a[4] = {uint8_t(got), uint8_t(got >> 8), uint8_t(got >> 16), 0};
  return NearPixel(a, {int(want & 0xFF), int(want >> 8 & 0xFF), int(want >> 16 & 0xFF), 0}, 1);
}

// The bytes of a file, empty when it cannot be read.
inline std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

}  // namespace ruzi::testing
