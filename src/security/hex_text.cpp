#include "security/hex_text.h"

namespace ruzi {
namespace {

unsigned LooseUpperDigit(char c) {
  const unsigned value = static_cast<unsigned char>(c);
  const unsigned below_a = 0u - static_cast<unsigned>(value < 'A');  // all ones or zero
  return ((value - '0') & below_a) | ((value - 'A' + 10) & ~below_a);
}

}  // namespace

void WriteHexLower(const unsigned char* bytes, size_t count, char* out) {
  static constexpr char kDigits[] = "0123456789abcdef";
  for (size_t i = 0; i < count; ++i) {
    out[2 * i] = kDigits[bytes[i] >> 4];
    out[2 * i + 1] = kDigits[bytes[i] & 15];
  }
}

std::string HexLower(const unsigned char* bytes, size_t count) {
  std::string text(2 * count, '\0');
  WriteHexLower(bytes, count, text.data());
  return text;
}

void ReadHexUpperLoose(const char* text, size_t count, unsigned char* out) {
  for (size_t i = 0; i < count; ++i) {
    out[i] = static_cast<unsigned char>((LooseUpperDigit(text[2 * i]) << 4) | LooseUpperDigit(text[2 * i + 1]));
  }
}

}  // namespace ruzi
