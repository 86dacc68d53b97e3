// Skin pictures decoded to premultiplied BGRA: every generated diagnostic image, the sample
// GIF (first frame only), BMP and JPEG, and bytes that do not decode.
#include <gtest/gtest.h>

#include "diag_pixels.h"
#include "skin/image_decode.h"
#include "skin/skin_manifest.h"

namespace ruzi::skin {
namespace {

DecodedImage Decode(const std::string& path) {
  const std::string bytes = testing::FileBytes(path);
  return DecodeImage({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

// Every pixel the look's, of the look's size unless `side` says otherwise.
void ExpectFlat(const DecodedImage& image, const DiagImageLook& look, bool alpha_kept, const std::string& name,
                int tolerance = 0, int side = 0) {
  ASSERT_EQ(image.error, "") << name;
  EXPECT_EQ(image.width, side ? side : look.width) << name;
  EXPECT_EQ(image.height, side ? side : look.height) << name;
  ASSERT_EQ(image.bgra.size(), static_cast<size_t>(image.width) * image.height * 4) << name;
  for (size_t i = 0; i < image.bgra.size(); i += 4) {
    ASSERT_TRUE(testing::NearPixel(&image.bgra[i], testing::DiagPixel(look, alpha_kept), tolerance)) << name << " " << i;
  }
}

TEST(ImageDecode, EveryDiagnosticImageAndSampleIsItsOwnFlatColour) {
  size_t images = 0;
  for (const ManifestEntry& entry : LibraryManifest()) {
    if (entry.kind != ManifestEntry::Kind::kImage) continue;
    ++images;
    ExpectFlat(Decode(RUZI_FACE_DIAG_DIR "/images/" + entry.attribute + ".png"), DiagImage(entry.attribute), true,
               entry.attribute);
  }
  EXPECT_GT(images, 300u);
  ExpectFlat(Decode(RUZI_FACE_DIAG_DIR "/sample.gif"), DiagImage("gif.SAMPLE"), false, "gif");
  ExpectFlat(Decode(RUZI_FACE_DIAG_DIR "/sample.bmp"), DiagImage("bmp.SAMPLE"), false, "bmp");
  ExpectFlat(Decode(RUZI_FACE_DIAG_DIR "/sample.jpg"), DiagImage("jpg.SAMPLE"), false, "jpg", 3, 16);
}

// Each is refused with a text and no pixels (an empty wanted text takes any). Past the first
// three come damaged files the fuzzers found: before stb's copy was mended the JPEG wrote past
// its Huffman arrays and the PNG asked for 2 GiB (the fuzz runs' memory limit stops that); the
// others passed for pictures of no size.
TEST(ImageDecode, BytesThatDoNotDecodeGiveATextAndNoPixels) {
  const std::string png = testing::FileBytes(RUZI_FACE_DIAG_DIR "/images/png.toolbar.bg.png");
  const std::string corpus = RUZI_FUZZ_CORPUS_DIR "/";
  const std::pair<std::string, const char*> cases[] = {
      {"", ""}, {"x", ""}, {png.substr(0, 40), ""},
      {testing::FileBytes(corpus + "decoded_graphic/png_failing_without_reason"), "cannot decode"},
      {testing::FileBytes(corpus + "decoded_graphic/gif_of_no_height"), "image has no pixels"},
      {testing::FileBytes(corpus + "decoded_graphic/png_chunk_longer_than_file"), "outofdata"},
      {testing::FileBytes(corpus + "image_decode/jpeg_huffman_overrun"), ""}};
  for (const auto& [bytes, error] : cases) {
    const DecodedImage image = DecodeImage({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
    EXPECT_NE(image.error, "") << bytes.size();
    if (*error != '\0') {
      EXPECT_EQ(image.error, error);
    }
    EXPECT_EQ(image.width, 0) << bytes.size();
    EXPECT_TRUE(image.bgra.empty()) << bytes.size();
  }
  // A damaged Huffman code read a symbol far outside stb's arrays (the sanitizers of this build
  // stop at that); mended, the JPEG decodes to what its bits give.
  const DecodedImage jpeg = Decode(corpus + "decoded_graphic/jpeg_huffman_symbol_out_of_range");
  EXPECT_EQ(jpeg.error, "");
  EXPECT_EQ(jpeg.bgra.size(), static_cast<size_t>(jpeg.width) * jpeg.height * 4);
}

TEST(ImageDecode, PremultipliesRoundingToNearestAndSwapsRedAndBlue) {
  std::vector<uint8_t> pixels = {255, 0, 0, 128, 10, 20, 30, 255, 200, 100, 50, 0, 1, 100, 200, 200};
  PremultiplyToBgra(pixels);
  EXPECT_EQ(pixels, (std::vector<uint8_t>{0, 0, 128, 128, 30, 20, 10, 255, 0, 0, 0, 0, 157, 78, 1, 200}));
}

}  // namespace
}  // namespace ruzi::skin
