// Skin pictures (PNG, GIF, JPEG, BMP) from arbitrary bytes: an error text or an image whose
// pixel buffer matches its size, with premultiplied colours never above their alpha.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/image_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ruzi::skin::DecodedImage image = ruzi::skin::DecodeImage(std::span<const uint8_t>(data, size));
  if (!image.error.empty()) {
    if (!image.bgra.empty()) std::abort();
    return 0;
  }
  if (image.bgra.size() != static_cast<size_t>(image.width) * image.height * 4) std::abort();
  for (size_t i = 0; i < image.bgra.size(); i += 4) {
    const uint8_t alpha = image.bgra[i + 3];
    if (image.bgra[i] > alpha || image.bgra[i + 1] > alpha || image.bgra[i + 2] > alpha) std::abort();
  }
  return 0;
}
