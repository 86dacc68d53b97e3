#include "picture_files.h"

#include <array>
#include <fstream>
#include <stdexcept>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

namespace ruzi::skin_generator {
namespace {

void Check(bool written, const std::string& path) {
  if (!written) throw std::runtime_error("cannot write " + path);
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  Check(static_cast<bool>(file), path);
}

void Put16(std::vector<uint8_t>& out, unsigned value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::vector<uint8_t> RgbOnly(const Picture& picture) {
  std::vector<uint8_t> rgb;
  for (size_t i = 0; i < picture.rgba.size(); i += 4) rgb.insert(rgb.end(), &picture.rgba[i], &picture.rgba[i + 3]);
  return rgb;
}

// LZW codes of a fixed width: a clear code before every second pixel keeps the dictionary
// from ever growing past eight entries, so every code stays three bits wide.
std::vector<uint8_t> GifPixelCodes(const std::vector<uint8_t>& indices) {
  constexpr unsigned kClear = 4;
  constexpr unsigned kEnd = 5;
  std::vector<uint8_t> bytes;
  uint32_t bits = 0;
  int count = 0;
  const auto emit = [&](unsigned code) {
    bits |= code << count;
    count += 3;
    while (count >= 8) {
      bytes.push_back(static_cast<uint8_t>(bits));
      bits >>= 8;
      count -= 8;
    }
  };
  for (size_t i = 0; i < indices.size(); ++i) {
    if (i % 2 == 0) emit(kClear);
    emit(indices[i]);
  }
  emit(kEnd);
  if (count > 0) bytes.push_back(static_cast<uint8_t>(bits));
  return bytes;
}

void AppendGifFrame(std::vector<uint8_t>& out, const Picture& frame) {
  // Colour 0 is the first pixel's; any other pixel takes colour 1.
  std::array<uint8_t, 6> palette{frame.rgba[0], frame.rgba[1], frame.rgba[2], 0, 0, 0};
  std::vector<uint8_t> indices;
  for (size_t i = 0; i < frame.rgba.size(); i += 4) {
    const bool first = std::equal(&frame.rgba[i], &frame.rgba[i + 3], palette.begin());
    if (!first) std::copy(&frame.rgba[i], &frame.rgba[i + 3], palette.begin() + 3);
    indices.push_back(first ? 0 : 1);
  }
  out.push_back(0x2C);  // image descriptor with a local table of two colours
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, frame.width);
  Put16(out, frame.height);
  out.push_back(0x80);
  out.insert(out.end(), palette.begin(), palette.end());
  out.push_back(2);  // minimum code size
  const std::vector<uint8_t> codes = GifPixelCodes(indices);
  for (size_t i = 0; i < codes.size(); i += 255) {
    const size_t size = std::min<size_t>(255, codes.size() - i);
    out.push_back(static_cast<uint8_t>(size));
    out.insert(out.end(), codes.begin() + static_cast<std::ptrdiff_t>(i),
               codes.begin() + static_cast<std::ptrdiff_t>(i + size));
  }
  out.push_back(0);
}

}  // namespace

Picture FlatPicture(int width, int height, uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
  Picture picture{width, height, {}};
  for (int i = 0; i < width * height; ++i) picture.rgba.insert(picture.rgba.end(), {red, green, blue, alpha});
  return picture;
}

void WritePng(const std::string& path, const Picture& picture) {
  Check(stbi_write_png(path.c_str(), picture.width, picture.height, 4, picture.rgba.data(), picture.width * 4) != 0,
        path);
}

void WriteJpeg(const std::string& path, const Picture& picture) {
  const std::vector<uint8_t> rgb = RgbOnly(picture);
  Check(stbi_write_jpg(path.c_str(), picture.width, picture.height, 3, rgb.data(), 100) != 0, path);
}

void WriteBmp(const std::string& path, const Picture& picture) {
  const std::vector<uint8_t> rgb = RgbOnly(picture);
  Check(stbi_write_bmp(path.c_str(), picture.width, picture.height, 3, rgb.data()) != 0, path);
}

void WriteGif(const std::string& path, const std::vector<Picture>& frames) {
  std::vector<uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
  Put16(out, frames.front().width);
  Put16(out, frames.front().height);
  out.insert(out.end(), {0x00, 0x00, 0x00});  // no global colour table
  for (const Picture& frame : frames) AppendGifFrame(out, frame);
  out.push_back(0x3B);
  WriteBytes(path, out);
}

void WriteIco(const std::string& path, const Picture& picture) {
  const uint32_t mask_row = ((static_cast<uint32_t>(picture.width) + 31) / 32) * 4;
  const uint32_t image_size = 40 + static_cast<uint32_t>(picture.rgba.size()) + mask_row * picture.height;
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // an icon
  Put16(out, 1);  // one image
  out.push_back(static_cast<uint8_t>(picture.width));
  out.push_back(static_cast<uint8_t>(picture.height));
  out.insert(out.end(), {0, 0});
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, image_size);
  Put32(out, 6 + 16);
  // The image's DIB header counts the colour rows and the mask rows together.
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(picture.width));
  Put32(out, static_cast<uint32_t>(picture.height * 2));
  Put16(out, 1);
  Put16(out, 32);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const uint8_t* pixel = &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
      out.insert(out.end(), {pixel[2], pixel[1], pixel[0], pixel[3]});
    }
  }
  out.insert(out.end(), static_cast<size_t>(mask_row) * picture.height, 0);
  WriteBytes(path, out);
}

}  // namespace ruzi::skin_generator
