// Window pictures written as PNG read back pixel for pixel (the channel order is where such a
// writer goes wrong), and a picture of nothing is refused rather than written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/image_decode.h"
#include "ui/window_picture.h"

namespace ruzi {
namespace {

TEST(WindowPicture, APngReadsBackPixelForPixel) {
  const uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000};
  TWindowPicture picture;
  picture.width = 3;
  picture.height = 2;
  for (uint32_t rgb : colours) {
    picture.rgba.insert(picture.rgba.end(), {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                                             static_cast<uint8_t>(rgb), 255});
  }
  const std::string path = (std::filesystem::temp_directory_path() / "ruzi_window_picture_test.png").string();
  ASSERT_TRUE(SaveWindowPicture(picture, path));
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const skin::DecodedImage png = skin::DecodeImage(bytes);
  std::filesystem::remove(path);
  ASSERT_EQ(png.error, "");
  ASSERT_EQ(png.width, 3);
  ASSERT_EQ(png.height, 2);
  for (int i = 0; i < 6; ++i) {
    const uint8_t* p = &png.bgra[static_cast<size_t>(i) * 4];
    EXPECT_EQ(uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0], colours[i]) << i;
    EXPECT_EQ(picture.Rgb(i % 3, i / 3), colours[i]) << i;
  }
  EXPECT_FALSE(SaveWindowPicture(TWindowPicture{}, path)) << "an empty picture";
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace ruzi
