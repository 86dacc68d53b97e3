#include "skin/image_decode.h"

#include <climits>
#include <memory>

// Pictures come from skin files anyone can edit: a forged header must not make us allocate
// gigabytes. Skin pieces are small; 4096 pixels a side is far beyond any of them.
#ifndef RUZI_IMAGE_MAX_SIDE
#define RUZI_IMAGE_MAX_SIDE 4096
#endif
#define STBI_MAX_DIMENSIONS RUZI_IMAGE_MAX_SIDE
#define STBI_NO_STDIO
// No thread_local: under MinGW it brings a thread-exit key our DLLs must not carry.
#define STBI_NO_THREAD_LOCALS
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_ONLY_PNG
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
// At -O3 GCC follows stb's context through paths it cannot prove unreachable and calls its
// fields maybe-uninitialized; they are set on every path stb takes.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace ruzi::skin {

void PremultiplyToBgra(std::span<uint8_t> rgba) {
  for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
    const unsigned alpha = rgba[i + 3];
    const auto scale = [alpha](unsigned value) { return static_cast<uint8_t>((value * alpha + 127) / 255); };
    const uint8_t red = scale(rgba[i]);
    rgba[i] = scale(rgba[i + 2]);
    rgba[i + 1] = scale(rgba[i + 1]);
    rgba[i + 2] = red;
  }
}

DecodedImage DecodeImage(std::span<const uint8_t> bytes) {
  DecodedImage image;
  if (bytes.size() > INT_MAX) {
    image.error = "image too large";
    return image;
  }
  int width = 0;
  int height = 0;
  int channels = 0;
  const std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> pixels(
      stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4),
      &stbi_image_free);
  if (!pixels) {
    // Some failures leave stb's reason empty; an empty text must still say it failed.
    const char* reason = stbi_failure_reason();
    image.error = reason != nullptr && *reason != '\0' ? reason : "cannot decode";
    return image;
  }
  // stb hands back a picture of no size for a GIF whose screen has no height; a picture
  // must have pixels to be one.
  if (width <= 0 || height <= 0) {
    image.error = "image has no pixels";
    return image;
  }
  image.width = width;
  image.height = height;
  image.bgra.assign(pixels.get(), pixels.get() + static_cast<size_t>(width) * height * 4);
  PremultiplyToBgra(image.bgra);
  return image;
}

}  // namespace ruzi::skin
