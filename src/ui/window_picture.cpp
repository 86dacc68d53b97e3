#include "ui/window_picture.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO_UTF8
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace ruzi {

uint32_t TWindowPicture::Rgb(int x, int y) const {
  const uint8_t* pixel = &rgba[(static_cast<size_t>(y) * width + x) * 4];
  return (uint32_t{pixel[0]} << 16) | (uint32_t{pixel[1]} << 8) | pixel[2];
}

bool SaveWindowPicture(const TWindowPicture& picture, const std::string& path) {
  if (picture.width <= 0 || picture.height <= 0) return false;
  return stbi_write_png(path.c_str(), picture.width, picture.height, 4, picture.rgba.data(), picture.width * 4) != 0;
}

}  // namespace ruzi
