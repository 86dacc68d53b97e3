#include "skin/diag_skin.h"

namespace ruzi::skin {
namespace {

// FNV-1a: small, stable across compilers and platforms, which is all the derivation needs.
uint32_t Hash(std::string_view text, uint32_t hash = 2166136261u) {
  for (const char c : text) {
    hash ^= static_cast<uint8_t>(c);
    hash *= 16777619u;
  }
  return hash;
}

uint32_t KeyHash(SkinFamily family, std::string_view element, std::string_view attribute) {
  // Separators keep ("ab", "c") and ("a", "bc") apart.
  return Hash(attribute, Hash("\t", Hash(element, Hash("\t", Hash(SkinFamilyName(family))))));
}

}  // namespace

uint32_t DiagColour(SkinFamily family, std::string_view element, std::string_view attribute) {
  return KeyHash(family, element, attribute) & 0xFFFFFFu;
}

bool DiagFlag(SkinFamily family, std::string_view element, std::string_view attribute) {
  return (KeyHash(family, element, attribute) >> 24) & 1u;
}

std::string DiagText(SkinFamily family, std::string_view element, std::string_view attribute) {
  if (family == SkinFamily::kRoot && attribute == "facetype") return "diag";
  return "diag-" + std::to_string(KeyHash(family, element, attribute));
}

DiagImageLook DiagImage(std::string_view name) {
  const uint32_t hash = Hash(name);
  const uint32_t size = Hash("size", hash);
  DiagImageLook look{};
  look.width = 4 + static_cast<int>(size % 17);
  look.height = 4 + static_cast<int>((size >> 8) % 17);
  look.red = static_cast<uint8_t>(hash);
  look.green = static_cast<uint8_t>(hash >> 8);
  look.blue = static_cast<uint8_t>(hash >> 16);
  // About one image in four half transparent, so blending is exercised as well.
  look.alpha = ((hash >> 24) & 3u) == 0 ? 0x80 : 0xFF;
  return look;
}

}  // namespace ruzi::skin
