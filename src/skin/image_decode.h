#pragma once
// Picture files (PNG, GIF's first frame, JPEG, BMP) decoded into the pixels the drawing code
// blends: premultiplied BGRA, top row first. Any thread may call it.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ruzi::skin {

struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bgra;  // width * height * 4 bytes
  std::string error;          // why the bytes did not decode; empty on success
};

DecodedImage DecodeImage(std::span<const uint8_t> bytes);

// Straight RGBA pixels turned into premultiplied BGRA, in place.
void PremultiplyToBgra(std::span<uint8_t> rgba);

}  // namespace ruzi::skin
