#pragma once
// The picture files a skin's resources are made of, written from straight RGBA pixels
// (top row first).
#include <cstdint>
#include <string>
#include <vector>

namespace ruzi::skin_generator {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;
};

Picture FlatPicture(int width, int height, uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha);

// Each throws std::runtime_error when the file cannot be written.
void WritePng(const std::string& path, const Picture& picture);
void WriteJpeg(const std::string& path, const Picture& picture);
// 24 bits: the form LoadBitmap hands out.
void WriteBmp(const std::string& path, const Picture& picture);
// Frames of at most two colours each; a reader taking the first frame sees only frames[0].
void WriteGif(const std::string& path, const std::vector<Picture>& frames);
// One 32-bit image with its mask.
void WriteIco(const std::string& path, const Picture& picture);

}  // namespace ruzi::skin_generator
