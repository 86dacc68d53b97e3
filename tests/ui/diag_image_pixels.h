#pragma once
// What face_diag.dll's flat images look like once drawn: the drawing tests' expectations.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "skin/diag_skin.h"
#include "skin/skin_manifest.h"

namespace ruzi::testing {

// The first manifest image of that alpha ("" when none).
inline std::string DiagImageWithAlpha(uint8_t alpha) {
  for (const skin::ManifestEntry& entry : skin::LibraryManifest()) {
    if (entry.kind == skin::ManifestEntry::Kind::kImage && skin::DiagImage(entry.attribute).alpha == alpha) {
      return entry.attribute;
    }
  }
  return {};
}

// 0xRRGGBB of a look blended over `background` (0xRRGGBB): the premultiplied source plus what
// its alpha leaves of the background.
inline uint32_t BlendedOver(const skin::DiagImageLook& look, uint32_t background) {
  const auto channel = [&](uint8_t value, int shift) {
    const unsigned below = (background >> shift) & 0xFF;
    return (((value * look.alpha + 127) / 255) + below * (255 - look.alpha) / 255) << shift;
  };
  return channel(look.red, 16) | channel(look.green, 8) | channel(look.blue, 0);
}

// Each channel within one step (AlphaBlend rounds its own way).
inline bool NearColour(uint32_t got, uint32_t want) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((got >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF)) > 1) return false;
  }
  return true;
}

}  // namespace ruzi::testing
